#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QtEndian>

#include <cmath>

namespace platform {
namespace {

// The sink's buffer, small: what it has taken is heard soon, so its played time is close to the truth.
constexpr int kBufferMs = 50;
// How long the stream stays open after a sound (counted from the end of its wait), for a sound that
// follows.
constexpr int kKeepOpenMs = 3000;
// Between sounds: how far the stream is kept ahead with silence, and how often that is seen to.
constexpr int kSilenceAheadMs = 80;
constexpr int kFillEveryMs = 20;

double sampleAt(const QByteArray& bytes, const WaveFormat& f, qint64 frame)
{
    // First channel only: every recording of ours is mono, and a mix-down is not worth it here.
    const int bytesPerFrame = f.channels * (f.bitsPerSample / 8);
    const char* p = bytes.constData() + f.dataOffset + frame * bytesPerFrame;
    if (f.bitsPerSample == 8)
        return (static_cast<unsigned char>(*p) - 128) / 128.0;
    return qFromLittleEndian<qint16>(p) / 32768.0;
}

// The samples in the device's own format (16-bit, its rate and channel count), linearly
// interpolated: for devices that do not take the file's format as it is.
QByteArray convert(const QByteArray& bytes, const WaveFormat& f, const QAudioFormat& to)
{
    const qint64 frames = f.dataSize / (f.channels * (f.bitsPerSample / 8));
    const qint64 outFrames = frames * to.sampleRate() / f.sampleRate;
    QByteArray out(outFrames * to.channelCount() * 2, Qt::Uninitialized);
    auto* o = reinterpret_cast<qint16*>(out.data());
    for (qint64 i = 0; i < outFrames; ++i) {
        const double pos = double(i) * f.sampleRate / to.sampleRate();
        const qint64 a = static_cast<qint64>(pos);
        const qint64 b = qMin(a + 1, frames - 1);
        const double v = sampleAt(bytes, f, a) * (1 - (pos - a)) + sampleAt(bytes, f, b) * (pos - a);
        const auto s = static_cast<qint16>(std::lround(qBound(-1.0, v, 1.0) * 32767));
        for (int c = 0; c < to.channelCount(); ++c)
            *o++ = s;
    }
    return out;
}

} // namespace

QtSound::QtSound()
{
    closeTimer_.setSingleShot(true);
    QObject::connect(&closeTimer_, &QTimer::timeout, &closeTimer_, [this] { stop(); });
    fillTimer_.setInterval(kFillEveryMs);
    QObject::connect(&fillTimer_, &QTimer::timeout, &fillTimer_, [this] { fillSilence(); });
}

QtSound::~QtSound()
{
    stop();
}

SoundResult QtSound::start(const QString& waveFile, const QByteArray& bytes)
{
    WaveFormat f;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const auto fail = [this](const QString& why) {
        stop();
        return SoundResult{false, why};
    };
    if (!parseWave(bytes, f) || f.dataSize <= 0)
        return fail(QStringLiteral("The sound file %1 holds no PCM WAVE sound.").arg(waveFile));
    if (device.isNull())
        return fail(QStringLiteral("No sound output device was found."));

    QAudioFormat format;
    format.setSampleRate(f.sampleRate);
    format.setChannelCount(f.channels);
    format.setSampleFormat(f.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    QByteArray samples;
    if (device.isFormatSupported(format)) {
        samples = bytes.mid(f.dataOffset, f.dataSize);
    } else {
        format = device.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return fail(QStringLiteral("The sound device %1 takes no format this sound can be played in.")
                            .arg(device.description()));
        samples = convert(bytes, f, format);
    }

    // A sound server lets an output without streams run far ahead of the clock: a new stream is heard
    // only after up to two seconds. So the stream stays open while sounds follow each other (a test
    // message) and the next sound goes in behind the last. Each sound is handed over whole, so a
    // busy machine cannot starve it halfway.
    if (!(output_ && device == device_ && format == format_ && streamRuns())) {
        stop();
        device_ = device;
        format_ = format;
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
        output_ = sink_->start();
        if (!output_ || sink_->error() != QAudio::NoError)
            return fail(QStringLiteral("The sound device %1 could not be opened.").arg(device.description()));
        fillTimer_.start();
    }
    if (output_->write(samples) != samples.size())
        return fail(QStringLiteral("The sound device %1 did not take the sound.").arg(device.description()));
    soundStartUs_ = format.durationForBytes(writtenBytes_);
    writtenBytes_ += samples.size();
    soundEndUs_ = format.durationForBytes(writtenBytes_);
    closeTimer_.start(std::chrono::milliseconds(soundWaitBoundMs(f.durationMs()) + kKeepOpenMs));
    return {true, {}};
}

void QtSound::fillSilence()
{
    // Between sounds the stream is kept a little ahead with silence: one that runs dry loses the
    // start of the next sound, and its played time stands still.
    if (!output_ || !streamRuns())
        return;
    const qint64 aheadUs = format_.durationForBytes(writtenBytes_) - sink_->processedUSecs();
    if (aheadUs >= kSilenceAheadMs * 1000)
        return;
    const qint64 bytes = format_.bytesForDuration(kSilenceAheadMs * 1000 - aheadUs);
    const char silence = format_.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    writtenBytes_ += qMax(qint64(0), output_->write(QByteArray(bytes, silence)));
}

bool QtSound::streamRuns() const
{
    // Idle only means that the stream has played all it was given: it takes the next sound.
    if (!sink_)
        return false;
    const QAudio::State state = sink_->state();
    const QAudio::Error error = sink_->error();
    return (state == QAudio::ActiveState || state == QAudio::IdleState)
           && (error == QAudio::NoError || error == QAudio::UnderrunError);
}

bool QtSound::playing()
{
    return streamRuns() && sink_->processedUSecs() < soundEndUs_;
}

qint64 QtSound::playedMs()
{
    return sink_ ? qMax(qint64(0), sink_->processedUSecs() - soundStartUs_) / 1000 : 0;
}

void QtSound::stop()
{
    closeTimer_.stop();
    fillTimer_.stop();
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    writtenBytes_ = 0;
    soundStartUs_ = 0;
    soundEndUs_ = 0;
}

} // namespace platform
