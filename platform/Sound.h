#pragma once
// The sound output: plays RIFF WAVE files (PCM). A back end only starts, watches and stops a
// sound; playSound() makes a play synchronous with a wait that always ends.
#include <QByteArray>
#include <QString>

namespace platform {

// A play's outcome; a failure says why, in a sentence for the user.
struct SoundResult {
    bool ok = false;
    QString error;   // empty on success
    explicit operator bool() const { return ok; }
};

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a wave file, whose bytes the caller has read, and returns at once; a failure
    // when it cannot be played at all (no sound device, unsupported sound). The name is for the
    // messages.
    virtual SoundResult start(const QString& waveFile, const QByteArray& wave) = 0;
    // True while the device still has the sound started last in hand; false once it is done with
    // it or has given up. A sound server may say so long after the sound was heard.
    virtual bool playing() = 0;
    // How much of the sound started last has been played out to the listener, in milliseconds.
    virtual qint64 playedMs() = 0;
    virtual void stop() = 0;
};

struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataOffset = 0;   // first sample byte
    qsizetype dataSize = 0;     // sample bytes, cut to what the file really holds
    qint64 durationMs() const;
};

// The format of a PCM RIFF WAVE file; false when the bytes are not one.
bool parseWave(const QByteArray& bytes, WaveFormat& format);

// The largest wave file that is played: the program's recordings are some 15 KB; 4 MiB holds
// nine minutes of its 8,000 samples a second.
inline constexpr qint64 kMaxWaveFileBytes = 4 << 20;

// How long a play of a sound of the given length may take before it is given up: twice its length
// and two seconds more, for the device's start-up and a sound server slowed by a busy machine.
constexpr qint64 soundWaitBoundMs(qint64 durationMs)
{
    return 2 * durationMs + 2000;
}

// Plays a WAVE file and returns when it has been played out, servicing events meanwhile. The wait
// is bounded by soundWaitBoundMs, so a device that never gets there cannot hang the caller; the
// sound is stopped then. A failure when the file was not played to its end.
SoundResult playSound(const QString& waveFile);

} // namespace platform
