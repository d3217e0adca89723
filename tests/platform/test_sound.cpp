#include "platform/Services.h"
#include "platform/Sound.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSound.h"
#include "platform/testing/RecordingSound.h"
#include "platform/testing/ScriptedServices.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/support/BlockGuard.h"

using namespace platform;

namespace {

QByteArray le(quint32 v, int bytes)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<char>((v >> (8 * i)) & 0xff);
    return out;
}

// A PCM RIFF WAVE file; extraChunk goes between "fmt " and "data" (odd sizes get their pad byte).
QByteArray wave(int channels, int rate, int bits, int dataBytes, const QByteArray& extraChunk = {},
                int formatTag = 1)
{
    const int frame = channels * bits / 8;
    QByteArray body = "WAVEfmt " + le(16, 4) + le(formatTag, 2) + le(channels, 2) + le(rate, 4)
                      + le(rate * frame, 4) + le(frame, 2) + le(bits, 2);
    if (!extraChunk.isEmpty())
        body += "LIST" + le(extraChunk.size(), 4) + extraChunk + (extraChunk.size() % 2 ? QByteArray(1, '\0') : "");
    body += "data" + le(dataBytes, 4) + QByteArray(dataBytes, char(0x80));
    return "RIFF" + le(body.size(), 4) + body;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

} // namespace

TEST(Wave, FormatAndLengthFromTheHeader)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        bool ok;
        qint64 ms;
    };
    const QByteArray oneSecond = wave(1, 8000, 8, 8000);
    const Case cases[] = {
        {"8-bit mono, 8000/s", wave(1, 8000, 8, 14400), true, 1800},
        {"16-bit stereo, 22050/s", wave(2, 22050, 16, 22050 * 4 / 2), true, 500},
        {"a chunk of odd length before the samples", wave(1, 8000, 8, 2080, "abc"), true, 260},
        {"samples cut short by the end of the file", oneSecond.left(oneSecond.size() - 4000), true, 500},
        {"not PCM", wave(1, 8000, 8, 8000, {}, 3), false, 0},
        {"24 bits", wave(1, 8000, 24, 8000), false, 0},
        {"no RIFF header", QByteArray("RIFX") + oneSecond.mid(4), false, 0},
        {"no data chunk", oneSecond.left(36), false, 0},
        {"empty", QByteArray(), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WaveFormat f;
        ASSERT_EQ(parseWave(c.bytes, f), c.ok);
        if (c.ok) {
            EXPECT_EQ(f.durationMs(), c.ms);
        }
    }
}

// playSound on the fake clock: it returns when the sound has been heard to its end (also when the
// device says it is done only much later, as a sound server with a deep buffer does), or at the
// bound when the device never gets there, and at once when nothing can be played; a failure says why.
TEST(PlaySound, EndsWithTheSoundOrAtItsBound)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir, "a.wav", wave(1, 8000, 8, 2080));   // 260 ms
    // A pipe no one writes to, and a wave file far larger than any recording: neither is read.
    const QString pipe = dir.filePath("pipe.wav");
    EXPECT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString huge = writeFile(dir, "huge.wav", wave(1, 8000, 8, 2080));
    EXPECT_TRUE(QFile::resize(huge, kMaxWaveFileBytes + 1));
    struct Case {
        const char* what;
        bool noDevice;
        bool neverEnds;
        qint64 lateEndMs;
        QString file;
        bool result;
        qint64 minMs;
        qint64 maxMs;
        int plays;
        int stops;
    };
    const qint64 bound = soundWaitBoundMs(260);
    const Case cases[] = {
        {"plays to its end", false, false, 0, file, true, 260, 280, 1, 0},
        {"device reports the end 1.85 s after it was heard", false, false, 1850, file, true, 260, 280, 1, 0},
        {"device never reports the end", false, true, 0, file, false, bound, bound + 20, 1, 1},
        {"no sound device", true, false, 0, file, false, 0, 0, 0, 0},
        {"missing file", false, false, 0, dir.filePath("none.wav"), false, 0, 0, 0, 0},
        {"not a wave file", false, false, 0, writeFile(dir, "b.wav", "text"), false, 0, 0, 0, 0},
        {"a pipe in the file's place", false, false, 0, pipe, false, 0, 0, 0, 0},
        {"a file beyond the bound", false, false, 0, huge, false, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doubles::ScriptedServices s;
        doubles::RecordingSound sound;
        sound.noDevice = c.noDevice;
        sound.neverEnds = c.neverEnds;
        sound.lateEndMs = c.lateEndMs;
        services().sound = &sound;
        const qint64 start = s.clock.ms;
        const BlockGuard guard;
        const SoundResult played = playSound(c.file);
        EXPECT_EQ(played.ok, c.result);
        EXPECT_EQ(played.error.isEmpty(), c.result) << played.error.toStdString();
        if (c.noDevice) {
            EXPECT_EQ(played.error, doubles::RecordingSound::kNoDevice);   // the device's own reason
        }
        EXPECT_GE(s.clock.ms - start, c.minMs);
        EXPECT_LE(s.clock.ms - start, c.maxMs);
        EXPECT_EQ(sound.plays.size(), static_cast<std::size_t>(c.plays));
        EXPECT_EQ(sound.stops, c.stops);
    }
    doubles::ScriptedServices s;
    services().sound = nullptr;
    EXPECT_FALSE(playSound(file));
}

// The real sound output on this machine, on the real clock. Without a sound device (a build
// machine) the play must still end within its bound; with one it plays the half second out.
// (Run by hand against a sound server with only a null sink, the play ended with the sound.)
TEST(QtSound, PlayEndsWithinItsBoundWithOrWithoutADevice)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir, "c.wav", wave(1, 8000, 8, 4000));   // 500 ms
    const Services saved = services();
    installQtServices();
    {
        QtSound sound;
        services().sound = &sound;
        QElapsedTimer t;
        t.start();
        playSound(file);
        EXPECT_LT(t.elapsed(), soundWaitBoundMs(500) + 500);
        EXPECT_FALSE(sound.playing());
    }
    services() = saved;
}
