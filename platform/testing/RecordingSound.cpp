#include "platform/testing/RecordingSound.h"

#include "platform/Services.h"

#include <QFile>

namespace platform::doubles {

bool RecordingSound::start(const QString& waveFile)
{
    QFile file(waveFile);
    Play play{waveFile, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
              services().clock->monotonicMs()};
    WaveFormat format;
    if (noDevice || !parseWave(play.bytes, format))
        return false;
    plays.push_back(play);
    endMs_ = play.startMs + format.durationMs();
    hanging_ = neverEnds;
    if (onStart)
        onStart(plays.back());
    return true;
}

bool RecordingSound::playing()
{
    return hanging_ || services().clock->monotonicMs() < endMs_;
}

} // namespace platform::doubles
