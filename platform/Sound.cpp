#include "platform/Sound.h"

#include "platform/ReadFile.h"
#include "platform/Services.h"

#include <QtEndian>

namespace platform {

qint64 WaveFormat::durationMs() const
{
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? dataSize * 1000 / bytesPerSecond : 0;
}

bool parseWave(const QByteArray& bytes, WaveFormat& format)
{
    const auto u16 = [&bytes](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&bytes](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return false;
    WaveFormat f;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > bytes.size() || u16(body) != 1)   // 1: PCM
                return false;
            f.channels = u16(body + 2);
            f.sampleRate = static_cast<int>(u32(body + 4));
            f.bitsPerSample = u16(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return false;
            f.dataOffset = body;
            f.dataSize = qMin(size, bytes.size() - body);
            const bool sane = f.channels >= 1 && f.sampleRate > 0
                              && (f.bitsPerSample == 8 || f.bitsPerSample == 16);
            if (sane)
                format = f;
            return sane;
        }
        at = body + size + (size & 1);   // chunks are padded to even lengths
    }
    return false;
}

SoundResult playSound(const QString& waveFile)
{
    Sound* sound = services().sound;
    if (!sound)
        return {false, QStringLiteral("This program has no sound output.")};
    const ReadResult read = ReadWholeFile(waveFile, kMaxWaveFileBytes);
    if (!read.ok())
        return {false, QStringLiteral("The sound file %1 cannot be read: %2").arg(waveFile, read.reason)};
    WaveFormat format;
    if (!parseWave(read.bytes, format))
        return {false, QStringLiteral("The sound file %1 is not a PCM WAVE file.").arg(waveFile)};
    if (SoundResult started = sound->start(waveFile, read.bytes); !started)
        return started;
    // The play ends when the sound has been heard to its end, not when the device lets go of it: a
    // sound server drains its buffer on its own time, which would stretch every pause after a play.
    const qint64 lengthMs = format.durationMs();
    const bool ended = waitUntil([sound, lengthMs] { return sound->playedMs() >= lengthMs || !sound->playing(); },
                                 soundWaitBoundMs(lengthMs));
    if (ended)
        return {true, {}};
    sound->stop();
    return {false, QStringLiteral("The sound device did not play the sound to its end.")};
}

} // namespace platform
