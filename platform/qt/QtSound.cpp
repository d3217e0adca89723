#include "platform/qt/QtSound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QtEndian>

#include <cmath>

namespace platform {
namespace {

// Silence after the last sample, so the end of a sound is not cut off while it still sits in the
// device's buffer when the sink reports that it has taken everything.
constexpr int kTailMs = 150;

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

QtSound::QtSound() = default;

QtSound::~QtSound()
{
    stop();
}

bool QtSound::start(const QString& waveFile)
{
    stop();
    QFile file(waveFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    WaveFormat f;
    if (!parseWave(bytes, f) || f.dataSize <= 0)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;

    QAudioFormat format;
    format.setSampleRate(f.sampleRate);
    format.setChannelCount(f.channels);
    format.setSampleFormat(f.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (device.isFormatSupported(format)) {
        samples_ = bytes.mid(f.dataOffset, f.dataSize);
    } else {
        format = device.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
        if (!device.isFormatSupported(format))
            return false;
        samples_ = convert(bytes, f, format);
    }
    const char silence = format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    samples_.append(QByteArray(format.bytesForDuration(kTailMs * 1000), silence));

    buffer_.setData(samples_);
    if (!buffer_.open(QIODevice::ReadOnly))
        return false;
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&buffer_);
    if (sink_->error() != QAudio::NoError) {
        stop();
        return false;
    }
    return true;
}

bool QtSound::playing()
{
    return sink_ && sink_->state() == QAudio::ActiveState && sink_->error() == QAudio::NoError;
}

qint64 QtSound::playedMs()
{
    return sink_ ? sink_->processedUSecs() / 1000 : 0;
}

void QtSound::stop()
{
    if (sink_) {
        sink_->stop();
        sink_.reset();
    }
    buffer_.close();
}

} // namespace platform
