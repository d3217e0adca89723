#include "platform/testing/RecordingSound.h"

#include "platform/Services.h"

namespace platform::doubles {

SoundResult RecordingSound::start(const QString& waveFile, const QByteArray& wave)
{
    Play play{waveFile, wave, services().clock->monotonicMs()};
    WaveFormat format;
    if (noDevice)
        return {false, kNoDevice};
    if (!parseWave(play.bytes, format))
        return {false, QStringLiteral("Not a PCM WAVE file.")};
    plays.push_back(play);
    startMs_ = play.startMs;
    endMs_ = play.startMs + format.durationMs();
    hanging_ = neverEnds;
    if (onStart)
        onStart(plays.back());
    return {true, {}};
}

bool RecordingSound::playing()
{
    return hanging_ || services().clock->monotonicMs() < endMs_ + lateEndMs;
}

qint64 RecordingSound::playedMs()
{
    // A device that hangs has stalled at the start.
    return hanging_ ? 0 : qMax(qint64(0), qMin(services().clock->monotonicMs(), endMs_) - startMs_);
}

} // namespace platform::doubles
