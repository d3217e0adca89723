#pragma once
// A sound output that records every play: the file's bytes (the file may be gone afterwards) and
// the clock time it started. A play lasts the file's length on the platform clock, so a test on
// the fake clock can lay the plays out on a time line exactly as a listener would hear them.
#include "platform/Sound.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace platform::doubles {

class RecordingSound final : public Sound {
public:
    static inline const QString kNoDevice = QStringLiteral("No sound output device (recording double).");

    struct Play {
        QString file;
        QByteArray bytes;
        qint64 startMs = 0;
    };

    SoundResult start(const QString& waveFile, const QByteArray& wave) override;
    bool playing() override;
    qint64 playedMs() override;
    void stop() override { ++stops; endMs_ = 0; hanging_ = false; }

    std::vector<Play> plays;
    int stops = 0;
    // ---- script ----
    bool noDevice = false;    // start() fails with kNoDevice, as on a machine without sound output
    bool neverEnds = false;   // the device never reports the end
    qint64 lateEndMs = 0;     // the device reports the end this long after the sound was heard
    std::function<void(const Play&)> onStart;   // looks at the state while a sound starts

private:
    qint64 startMs_ = 0;
    qint64 endMs_ = 0;
    bool hanging_ = false;
};

} // namespace platform::doubles
