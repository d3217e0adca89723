#include "merrowedit/data/Messages.h"
#include "merrowedit/data/TestPackets.h"
#include "merrowedit/windows/frmTest.h"
#include "platform/Sound.h"
#include "platform/testing/RecordingSound.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "../data/DataFolderTest.h"
#include "tests/support/QStringPrinter.h"

using namespace merrow;

namespace {

constexpr int kRate = 8000;

class TestWindowTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(DataFolderTest::SetUp());
        platform::services().sound = &sound;
    }
    QString tempFile() const { return QDir(dir.path()).filePath(kTestTempFile); }

    // The samples a listener hears while the window plays: every recorded play at the clock time
    // it started, silence in between.
    QByteArray timeline() const
    {
        QByteArray out;
        if (sound.plays.empty())
            return out;
        const qint64 t0 = sound.plays.front().startMs;
        for (const auto& play : sound.plays) {
            platform::WaveFormat f;
            if (!platform::parseWave(play.bytes, f))
                continue;
            const qsizetype at = (play.startMs - t0) * kRate / 1000;
            if (out.size() < at)
                out.append(QByteArray(at - out.size(), char(0x80)));
            out.append(play.bytes.mid(f.dataOffset, f.dataSize));
        }
        return out + QByteArray(kRate, char(0x80));
    }

    // What an independent SAME decoder reads from the samples (8-bit unsigned, 8,000/s): sox turns
    // them into the decoder's 16-bit 22,050/s input, multimon-ng decodes.
    QStringList decode(const QByteArray& samples) const
    {
        const QString in = QDir(dir.path()).filePath("heard.raw");
        const QString out = QDir(dir.path()).filePath("decoder.raw");
        QFile f(in);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(samples);
        f.close();
        // No dither: the same samples always give the decoder the same input.
        run("sox", {"-D", "-t", "raw", "-r", "8000", "-e", "unsigned-integer", "-b", "8", "-c", "1", in, "-t", "raw", "-r",
                    "22050", "-e", "signed-integer", "-b", "16", "-c", "1", out});
        return run("multimon-ng", {"-q", "-a", "EAS", "-t", "raw", out}).split('\n', Qt::SkipEmptyParts);
    }

    static QString run(const QString& program, const QStringList& args)
    {
        if (QStandardPaths::findExecutable(program).isEmpty()) {
            ADD_FAILURE() << program.toStdString() << " is not installed (make deps installs it)";
            return {};
        }
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
        return QString::fromLatin1(p.readAllStandardOutput());
    }

    platform::doubles::RecordingSound sound;
};

TEST_F(TestWindowTest, LoadsWithItsButtonsLabelsAndNote)
{
    frmTest w;
    w.show();
    EXPECT_EQ(w.windowTitle(), "Merrow SAME Packet Test");
    const QString captions[] = {"RWT", "FFW", "SVA", "TOA"};
    const QString names[] = {"Required Weekly Test", "Flash Flood Warning", "Severe Thunderstorm Watch", "Tornado Watch"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(w.cmdPacket[i]->text(), captions[i]);
        EXPECT_EQ(w.Label1[i]->text(), names[i]);
    }
    EXPECT_EQ(w.cmdTOA, w.cmdPacket[3]);
    EXPECT_EQ(w.lblInfo->text(),
              "\nThese four buttons will activate SAME packets from your sound card.\n\n"
              "Each packet consist of the header data, followed by 30 seconds of tone beeps and the end of message "
              "packet.\n\nNote: You must load default FIP codes into your radio for  these test.  Consult the menu "
              "HELP section for more information and a step by step procedure.");
    EXPECT_TRUE(w.lblIdent->text().isEmpty());
    EXPECT_FALSE(w.Picture1->isVisible());
    EXPECT_FALSE(w.Picture1->pixmap().isNull());
    EXPECT_EQ(w.focusWidget(), w.cmdOK);
}

// One message from its button to the end: the recordings in order with their counts, the other
// buttons and OK locked, the close box refused and the picture up while each recording sounds,
// everything back afterwards and no temporary file left.
TEST_F(TestWindowTest, PlaysHeaderBeepsAndEndOfMessageWithTheWindowLocked)
{
    services.eventLoop.stepPerYieldMs = 1;   // waits measured to the millisecond
    frmTest w;
    w.show();
    QStringList states;
    sound.onStart = [&](const platform::doubles::RecordingSound::Play& play) {
        EXPECT_EQ(play.file, tempFile());
        QString s;
        for (int i = 0; i < 4; ++i)
            s += QString::number(w.cmdPacket[i]->isEnabled()) + QString::number(w.Label1[i]->isEnabled());
        s += QStringLiteral(" ok%1 red%2 pic%3 ").arg(w.cmdOK->isEnabled()).arg(
                 w.cmdSVA->palette().color(QPalette::Button) == Qt::red).arg(w.Picture1->isVisible());
        s += w.lblIdent->text();
        EXPECT_FALSE(w.close());
        w.cmdPacket_Click(1);   // a second message cannot start, even through a handler
        states << s;
    };
    w.cmdPacket_Click(3);

    ASSERT_EQ(sound.plays.size(), 30u);
    const QByteArray header = TestResource(130);
    const QByteArray beep = TestResource(kBeepResource);
    const QByteArray eom = TestResource(kEndOfMessageResource);
    for (std::size_t i = 0; i < sound.plays.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sound.plays[i].bytes, i < 3 ? header : i < 27 ? beep : eom);
    }
    states.removeDuplicates();
    EXPECT_EQ(states, QStringList{"00001100 ok0 red1 pic1 Severe Thunderstorm Watch"});
    // Each play followed by a second, one more second on each side of the beeps.
    const qint64 total = sound.plays.back().startMs - sound.plays.front().startMs;
    EXPECT_NEAR(total, 3 * 2800 + 1000 + 24 * 1260 + 1000 + 2 * 1430, 30 * 5);
    EXPECT_FALSE(QFile::exists(tempFile()));
    EXPECT_TRUE(w.lblIdent->text().isEmpty());
    EXPECT_FALSE(w.Picture1->isVisible());
    EXPECT_NE(w.cmdSVA->palette().color(QPalette::Button), QColor(Qt::red));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(w.cmdPacket[i]->isEnabled() && w.Label1[i]->isEnabled());
    EXPECT_TRUE(w.cmdOK->isEnabled());
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_TRUE(w.close());
}

// A recording that does not play ends the message at once with the sound output's reason, said
// once: no half minute of silence that looks like a receiver ignoring the message.
TEST_F(TestWindowTest, AFailedPlayIsReportedWithItsReasonAndEndsTheMessage)
{
    const qint64 hangBound = platform::soundWaitBoundMs(1800);
    const struct {
        const char* what;
        bool noDevice;
        bool neverEnds;
        QString reason;
        std::size_t plays;
        qint64 maxMs;
    } cases[] = {
        {"no sound device", true, false, platform::doubles::RecordingSound::kNoDevice, 0, 500 + 50},
        {"a device that never ends the sound", false, true, "The sound device did not play the sound to its end.", 1,
         500 + hangBound + 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        services.messageBox.shown.clear();
        sound.plays.clear();
        sound.noDevice = c.noDevice;
        sound.neverEnds = c.neverEnds;
        frmTest w;
        w.show();
        const qint64 start = services.clock.ms;
        w.cmdPacket_Click(1);
        EXPECT_LE(services.clock.ms - start, c.maxMs);
        EXPECT_EQ(sound.plays.size(), c.plays);
        ASSERT_EQ(services.messageBox.shown.size(), 1u);
        EXPECT_EQ(services.messageBox.shown[0].text, " Error, Test packet could not be played. \r\n" + c.reason);
        EXPECT_EQ(services.messageBox.shown[0].title, kProductTitle);
        EXPECT_EQ(services.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
        EXPECT_TRUE(w.cmdOK->isEnabled());
        EXPECT_TRUE(w.cmdFFW->isEnabled());
        EXPECT_TRUE(w.lblIdent->text().isEmpty());
        EXPECT_FALSE(w.Picture1->isVisible());
        EXPECT_FALSE(QFile::exists(tempFile()));
    }
}

TEST_F(TestWindowTest, AnUnwritableTemporaryFileIsReportedOnceAndEndsTheMessage)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(kTestTempFile));   // a folder where the file should go
    frmTest w;
    w.show();
    w.cmdPacket_Click(2);
    EXPECT_TRUE(sound.plays.empty());
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_TRUE(services.messageBox.shown[0].text.startsWith(" Error, Test packet could not be written to "));
    EXPECT_EQ(services.messageBox.shown[0].title, kProductTitle);
    EXPECT_TRUE(w.cmdOK->isEnabled());
    EXPECT_TRUE(w.lblIdent->text().isEmpty());
}

// Each message as an independent SAME decoder hears it from the window: the header the program
// means to send (it prints one only when two of the three copies agree), then the end of message.
TEST_F(TestWindowTest, AnIndependentDecoderReadsEachMessageAsPlayed)
{
    QStringList defaultLocations;
    SetDefaultData();
    for (const QString& entry : FipEntries)
        if (IsSelectedEntry(entry))
            defaultLocations << entry.mid(2, 6);
    EXPECT_EQ(defaultLocations, kTestLocations);

    for (int button = 1; button <= 4; ++button) {
        const TestPacket& packet = kTestPackets[static_cast<std::size_t>(button - 1)];
        SCOPED_TRACE(packet.event);
        sound.plays.clear();
        frmTest w;
        w.cmdPacket_Click(button);
        const QString header = TestHeaderText(QLatin1String(packet.event));
        EXPECT_EQ(header.size(), 63);
        EXPECT_EQ(decode(timeline()),
                  QStringList({"EAS: " + header, "EAS: NNNN", "EAS: NNNN", "EAS: NNNN"}));
    }
    // A single copy of a header is not enough for the decoder.
    const QByteArray one = TestResource(110);
    platform::WaveFormat f;
    ASSERT_TRUE(platform::parseWave(one, f));
    EXPECT_EQ(decode(one.mid(f.dataOffset, f.dataSize)), QStringList());
}

// The recordings as the program carries them: 8-bit mono PCM at 8,000 samples/s, about as long
// as the receiver's makers recorded them.
TEST(TestRecordings, AreSmallPcmWaveFilesOfTheirLength)
{
    const std::pair<int, qint64> lengths[] = {{110, 1800}, {120, 1800}, {130, 1800}, {140, 1800},
                                              {150, 260},  {160, 430}};
    for (const auto& [resource, ms] : lengths) {
        SCOPED_TRACE(resource);
        platform::WaveFormat f;
        ASSERT_TRUE(platform::parseWave(TestResource(resource), f));
        EXPECT_EQ(f.channels, 1);
        EXPECT_EQ(f.sampleRate, 8000);
        EXPECT_EQ(f.bitsPerSample, 8);
        EXPECT_NEAR(f.durationMs(), ms, 5);
    }
    EXPECT_TRUE(TestResource(170).isEmpty());
}

} // namespace
