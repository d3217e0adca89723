// The serial port service over a pseudo-terminal, the port-to-device mapping, and the line
// printer's position rules (recorded) and real PDF output.
#include "platform/SerialPort.h"
#include "platform/WholeFile.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSerialPort.h"
#include "platform/testing/RecordingPrinter.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/PdfText.h"
#include "tests/support/QStringPrinter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(SerialDevices, UsbAdaptersFirstThenBuiltInPortsNumbersInNumberOrder)
{
    EXPECT_EQ(orderSerialDevices({"ttyS10", "ttyS2", "tty0", "ttyUSB1", "ttyACM0", "ttyS0", "ttyUSB0", "ttyprintk",
                                  "ttyUSB10", "ttyUSB2", "console"}),
              (QStringList{"ttyACM0", "ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyUSB10", "ttyS0", "ttyS2", "ttyS10"}));
}

TEST(SerialDevices, EnvironmentVariableOverridesAPort)
{
    qputenv("MERROW_PORT3", "/dev/pts/77");
    EXPECT_EQ(serialDeviceForPort(3), "/dev/pts/77");
    qunsetenv("MERROW_PORT3");
    EXPECT_NE(serialDeviceForPort(3), "/dev/pts/77");
    EXPECT_EQ(serialDeviceForPort(0), "");
}

// The far end of a pseudo-terminal, raw, for talking to the port under test.
class Pty {
public:
    Pty()
    {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        device = QString::fromLocal8Bit(ptsname(master));
        termios tio{};
        tcgetattr(master, &tio);
        cfmakeraw(&tio);
        tcsetattr(master, TCSANOW, &tio);
    }
    ~Pty() { ::close(master); }
    QByteArray readSome(int want)
    {
        QByteArray out;
        for (int tries = 0; tries < 200 && out.size() < want; ++tries) {
            char buffer[256];
            const int flags = fcntl(master, F_GETFL);
            fcntl(master, F_SETFL, flags | O_NONBLOCK);
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            fcntl(master, F_SETFL, flags);
            if (n > 0)
                out.append(buffer, int(n));
            else
                QThread::msleep(5);
        }
        return out;
    }
    int master = -1;
    QString device;
};

int readWithin(SerialPort& port, int ms)
{
    for (int i = 0; i < ms; ++i) {
        const int b = port.readByte();
        if (b >= 0)
            return b;
        QThread::msleep(1);
    }
    return -1;
}

TEST(QtSerialPortOnPty, SendsReadsCountsAndDiscards)
{
    Pty pty;
    qputenv("MERROW_PORT2", pty.device.toLocal8Bit());
    QtSerialPort port;
    port.setPortNumber(2);
    port.setBaudRate(4800);
    ASSERT_TRUE(port.open()) << port.errorText().toStdString();
    EXPECT_EQ(port.devicePath(), pty.device);

    ASSERT_TRUE(port.send(QByteArray("Z\x00\xff", 3)));
    ASSERT_TRUE(port.sendByte(0x0A));   // no line-end translation on the way out
    EXPECT_EQ(pty.readSome(4), QByteArray("Z\x00\xff\x0a", 4));

    EXPECT_EQ(port.readByte(), -1);
    ASSERT_EQ(::write(pty.master, "\x06\r\x15", 3), 3);
    EXPECT_EQ(readWithin(port, 1000), 0x06);
    EXPECT_EQ(readWithin(port, 1000), 0x0D);   // no CR-to-LF translation on the way in
    EXPECT_EQ(port.bytesWaiting(), 1);
    EXPECT_EQ(port.readByte(), 0x15);

    ASSERT_EQ(::write(pty.master, "old", 3), 3);
    QThread::msleep(50);
    port.discardInput();
    EXPECT_EQ(port.bytesWaiting(), 0);
    EXPECT_EQ(port.readByte(), -1);

    port.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.readByte(), -1);
    EXPECT_FALSE(port.send("x"));
    qunsetenv("MERROW_PORT2");
}

TEST(QtSerialPortOnPty, AMissingDeviceDoesNotOpen)
{
    qputenv("MERROW_PORT4", "/dev/merrow-no-such-port");
    QtSerialPort port;
    port.setPortNumber(4);
    EXPECT_FALSE(port.open());
    EXPECT_EQ(port.lastOpenError(), SerialOpenError::NoDevice);
    EXPECT_FALSE(port.errorText().isEmpty());
    qunsetenv("MERROW_PORT4");
}

TEST(LinePrinter, TabsLineEndsAndBlankLines)
{
    doubles::RecordingPrinter p;
    ASSERT_TRUE(p.setFont({"Arial", 10, false, false}));
    // A blank-line print at the start of a line leaves two empty lines.
    p.printText("\r\n");
    p.lineEnd();
    p.tab(5);
    p.printText("abc");
    p.tab(3);   // already past column 3: column 3 of the next line
    p.printText("d\te");
    p.printText("fg");
    p.printText("\r\n");   // after text without a line end: ends that line, one empty line
    p.lineEnd();
    p.printText("h");
    ASSERT_TRUE(p.endDoc());
    EXPECT_EQ(p.pageLines(0, 0), (QStringList{"", "", "    abc", "  d     efg", "", "h"}));
}

TEST(LinePrinter, FullPagesBreakAndABreakBeforeTheEndAddsNoPage)
{
    doubles::RecordingPrinter p;
    for (int i = 0; i < 61; ++i) {
        p.printText(QString::number(i));
        p.lineEnd();
    }
    p.newPage();
    p.endDoc();
    ASSERT_EQ(p.documents.size(), 1u);
    ASSERT_EQ(p.documents[0].pages.size(), 2u);   // 60 lines of 12 points on a 720-point page
    EXPECT_EQ(p.pageLines(0, 1), QStringList{"60"});

    p.printText("next");
    p.newPage();
    p.printText("page");
    p.endDoc();
    ASSERT_EQ(p.documents.size(), 2u);
    EXPECT_EQ(p.documents[1].pages.size(), 2u);
}

TEST(LinePrinter, BadSettingsAndFailuresAreReported)
{
    doubles::RecordingPrinter p;
    EXPECT_FALSE(p.setFont({"Arial", 0, false, false}));
    EXPECT_FALSE(p.lastError().isEmpty());
    EXPECT_FALSE(p.setOrientation(3));
    EXPECT_TRUE(p.setOrientation(2));
    EXPECT_EQ(p.printableWidth(), 720);
    p.failAfterDraws = 1;
    EXPECT_TRUE(p.printText("one"));
    EXPECT_FALSE(p.printText("two"));
    EXPECT_EQ(p.lastError(), "Printer out of paper");
}

TEST(LinePrinter, ARunSendsItsDocumentsTogetherAndAnAbortedRunLeavesTheNextOneClean)
{
    doubles::RecordingPrinter p;
    ASSERT_TRUE(p.beginRun());
    EXPECT_FALSE(p.beginRun());   // one run at a time
    p.printText("one");
    p.endDoc();
    p.setOrientation(2);
    p.printText("two");
    p.newPage();
    p.printText("three");
    ASSERT_TRUE(p.endRun());      // ends the open document too
    ASSERT_EQ(p.documents.size(), 2u);
    EXPECT_EQ(p.documents[1].run, 1);
    EXPECT_EQ(p.documents[1].pageOrientations, (std::vector<int>{2, 2}));
    EXPECT_EQ(p.printableHeight(), 540);
    EXPECT_EQ(p.lineSpacing(), 12);

    // A failure half-way through the second run: the run is thrown away, nothing stays open.
    ASSERT_TRUE(p.beginRun());
    p.printText("kept out");
    p.endDoc();
    p.failAfterDraws = 4;   // the four texts so far
    EXPECT_FALSE(p.printText("lost"));
    p.abortRun();
    EXPECT_FALSE(p.inRun());
    EXPECT_EQ(p.documents.size(), 2u);
    p.failAfterDraws = -1;
    ASSERT_TRUE(p.beginRun());
    p.printText("clean");
    ASSERT_TRUE(p.endRun());
    ASSERT_EQ(p.documents.size(), 3u);
    EXPECT_EQ(p.pageLines(2, 0), QStringList{"clean"});
    EXPECT_EQ(p.sentRuns, 2);
}

// A printer writing to a PDF in a scratch folder, read back with pdftotext. The variable is cleared
// however the test ends.
class QtPrinterPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    void TearDown() override { qunsetenv("QM_PRINT_TO_PDF"); }
    // The file `name` in the scratch folder, where the next printer prints.
    QString printTo(const QString& name)
    {
        const QString pdf = dir.filePath(name);
        qputenv("QM_PRINT_TO_PDF", pdf.toLocal8Bit());
        return pdf;
    }
    QTemporaryDir dir;
};

TEST_F(QtPrinterPdf, ARunWritesOneFileOnlyWhenCompleteAndStartsCleanAfterAFailure)
{
    const QString pdf = printTo("run.pdf");
    QtPrinter printer;
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.setFont({"DejaVu Sans", 10, false, false}));
    ASSERT_TRUE(printer.beginRun());
    for (const char* doc : {"Document A", "Document B"}) {
        ASSERT_TRUE(printer.printText(doc));
        ASSERT_TRUE(printer.newPage());
        ASSERT_TRUE(printer.printText(QString(doc) + " page 2"));
        ASSERT_TRUE(printer.endDoc());
        EXPECT_FALSE(QFile::exists(pdf));   // nothing under the name before the run ends
    }
    ASSERT_TRUE(printer.endRun()) << printer.lastError().toStdString();
    const QStringList pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 4);
    EXPECT_TRUE(pages[0].contains("Document A"));
    EXPECT_TRUE(pages[1].contains("Document A page 2"));
    EXPECT_TRUE(pages[2].contains("Document B"));
    EXPECT_TRUE(pages[3].contains("Document B page 2"));

    // An aborted run keeps the last complete file and leaves no partial one behind.
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.beginRun());
    ASSERT_TRUE(printer.printText("Half a run"));
    EXPECT_FALSE(printer.selectPrinter());   // busy
    printer.abortRun();
    EXPECT_EQ(PdfPages(pdf).size(), 4);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"run.pdf"});
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.beginRun());
    ASSERT_TRUE(printer.printText("Second run"));
    ASSERT_TRUE(printer.endRun()) << printer.lastError().toStdString();
    EXPECT_EQ(PdfPages(pdf), QStringList{"Second run\n"});
}

// DejaVu Sans, the font the README installs, has "fi" and "fl" ligatures: the PDF still holds the
// letters, as a reader searching it or copying from it sees them.
TEST_F(QtPrinterPdf, TextKeepsItsLettersForSearchAndCopy)
{
    const QString pdf = printTo("letters.pdf");
    QtPrinter printer;
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.setFont({"DejaVu Sans", 10, false, false}));
    ASSERT_TRUE(printer.printText("Control Operator Prefix"));
    ASSERT_TRUE(printer.lineEnd());
    ASSERT_TRUE(printer.setEmphasis(true));
    ASSERT_TRUE(printer.printText("Reflex Office"));
    ASSERT_TRUE(printer.endDoc()) << printer.lastError().toStdString();
    const QString text = PdfTextAsWritten(pdf);
    EXPECT_TRUE(text.contains("Control Operator Prefix")) << text.toStdString();
    EXPECT_TRUE(text.contains("Reflex Office")) << text.toStdString();
}

TEST_F(QtPrinterPdf, WritesTheTextAndReportsAnUnwritableFile)
{
    const QString pdf = printTo("out.pdf");
    QtPrinter printer;
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.setFont({"DejaVu Sans", 10, false, false}));
    EXPECT_GT(printer.printableWidth(), 300);
    EXPECT_GT(printer.textWidth("WWWW"), printer.textWidth("iiii"));
    ASSERT_TRUE(printer.tab(5));
    ASSERT_TRUE(printer.printText("First page"));
    // An emphasised row keeps the plain row's tab columns.
    ASSERT_TRUE(printer.lineEnd());
    ASSERT_TRUE(printer.tab(40));
    const double plainColumn = printer.currentX();
    ASSERT_TRUE(printer.lineEnd());
    ASSERT_TRUE(printer.setEmphasis(true));
    ASSERT_TRUE(printer.tab(40));
    EXPECT_DOUBLE_EQ(printer.currentX(), plainColumn);
    ASSERT_TRUE(printer.setEmphasis(false));
    ASSERT_TRUE(printer.newPage());
    ASSERT_TRUE(printer.setOrientation(2));
    ASSERT_TRUE(printer.printText("Second page"));
    ASSERT_TRUE(printer.endDoc()) << printer.lastError().toStdString();
    const QString text = PdfText(pdf, {});
    EXPECT_TRUE(text.contains("First page"));
    EXPECT_TRUE(text.contains("Second page"));
    EXPECT_EQ(text.count(QChar(u'\f')), 2);   // two pages

    printTo("missing/folder/out.pdf");
    QtPrinter broken;
    ASSERT_TRUE(broken.selectPrinter());
    EXPECT_FALSE(broken.printText("x"));
    EXPECT_FALSE(broken.lastError().isEmpty());
}

// Someone who can write into the folder plants links where a scratch file might go: at the
// name the printer once used and at names one might guess. The PDF still reaches only its own
// name, as a file of its own. A write that fails keeps the older PDF and names the file.
TEST_F(QtPrinterPdf, PlantedLinksCannotRedirectThePdfAndAFailedWriteKeepsTheOldOne)
{
    const QString pdf = printTo("report.pdf");
    const QString victim = dir.filePath("victim.txt");
    {
        QFile f(victim);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("precious");
    }
    const QStringList planted = {QStringLiteral("report.pdf.part%1").arg(QCoreApplication::applicationPid()),
                                 "report.pdf.part", "report.pdf.tmp", "report.pdf.XXXXXX", "report.pdf~"};
    for (const QString& name : planted)
        ASSERT_TRUE(QFile::link(victim, dir.filePath(name))) << name.toStdString();
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    };
    const auto print = [](const QString& text) {
        QtPrinter printer;
        if (!printer.selectPrinter() || !printer.setFont({"DejaVu Sans", 10, false, false}) ||
            !printer.printText(text) || !printer.endDoc())
            return printer.lastError();
        return QString();
    };

    EXPECT_EQ(print("Not redirected"), "");
    EXPECT_EQ(bytes(victim), "precious");
    EXPECT_FALSE(QFileInfo(pdf).isSymLink());
    EXPECT_TRUE(PdfText(pdf, {}).contains("Not redirected"));
    for (const QString& name : planted)
        EXPECT_EQ(QFileInfo(dir.filePath(name)).symLinkTarget(), victim) << name.toStdString();

    const QByteArray first = bytes(pdf);
    setWriteFaultForTests([&pdf](const QString& target) { return target == pdf ? ENOSPC : 0; });
    const QString failed = print("Never written");
    setWriteFaultForTests({});
    EXPECT_TRUE(failed.contains(pdf + ": " + std::strerror(ENOSPC))) << failed.toStdString();
    EXPECT_EQ(bytes(pdf), first);
    EXPECT_EQ(bytes(victim), "precious");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), planted.size() + 2);
}

// Under a file-size limit the print engine's writes fail unseen and its memory file holds only
// the start of the PDF: the run fails, naming the file and the reason, and the older PDF stays
// byte for byte.
TEST_F(QtPrinterPdf, APdfCutShortIsNeverKept)
{
    const QString pdf = printTo("limit.pdf");
    const auto bytes = [&pdf] {
        QFile f(pdf);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    };
    const auto printRun = [](const QString& text) {
        QtPrinter printer;
        if (!printer.selectPrinter() || !printer.setFont({"DejaVu Sans", 10, false, false}) || !printer.beginRun()
            || !printer.printText(text) || !printer.newPage() || !printer.printText(text + " page 2")
            || !printer.endRun())
            return printer.lastError();
        return QString();
    };
    ASSERT_EQ(printRun("Older report"), "");
    const QByteArray older = bytes();
    ASSERT_GT(older.size(), 2000);
    for (const rlim_t limit : {rlim_t(0), rlim_t(2000)}) {
        SCOPED_TRACE(limit);
        QString error;
        {
            FileSizeLimit full(limit);
            error = printRun("Newer report");
        }
        EXPECT_TRUE(error.contains(pdf + ": " + std::strerror(EFBIG))) << error.toStdString();
        EXPECT_EQ(bytes(), older);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), QStringList{"limit.pdf"});
    }
    EXPECT_TRUE(PdfText(pdf, {}).contains("Older report"));
}

// A run long enough to meet the file-size limit between its pages stops at the page that could
// not be started, with the system's words for it, and keeps nothing.
TEST_F(QtPrinterPdf, ALongRunCutShortByTheFileSizeLimitSaysFileTooLarge)
{
    const QString pdf = printTo("long.pdf");
    QtPrinter printer;
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.setFont({"DejaVu Sans", 10, false, false}));
    QString error;
    int pages = 0;
    {
        const FileSizeLimit full(64 * 1024);
        ASSERT_TRUE(printer.beginRun());
        for (; pages < 2000 && error.isEmpty(); ++pages) {
            for (int line = 0; line < 40 && error.isEmpty(); ++line)
                if (!printer.printText(QStringLiteral("Page %1 line %2 of a long report").arg(pages).arg(line))
                    || !printer.lineEnd())
                    error = printer.lastError();
            if (error.isEmpty() && !printer.newPage())
                error = printer.lastError();
        }
        if (error.isEmpty() && !printer.endRun())
            error = printer.lastError();
        printer.abortRun();
    }
    EXPECT_LT(pages, 2000);
    EXPECT_EQ(error, "The file could not be written: " + pdf + ": " + std::strerror(EFBIG));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::System).isEmpty());
}

// The PDF is written beside its name under a marked temporary name, and a print that completes
// clears what one cut off left there before, of either form.
TEST_F(QtPrinterPdf, ThePdfsTemporaryIsMarkedAndClearedAtTheNextPrint)
{
    const QString pdf = printTo("out.pdf");
    const QStringList leftovers = {"out.pdf.AbC123.qm-saving", "out.pdf.Ab12Cd"};
    for (const QString& name : leftovers) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("cut off");
    }
    QtPrinter printer;
    ASSERT_TRUE(printer.selectPrinter());
    ASSERT_TRUE(printer.setFont({"DejaVu Sans", 10, false, false}));
    ASSERT_TRUE(printer.printText("Under way"));
    const QStringList underWay = QDir(dir.path()).entryList(QDir::Files);
    const QStringList temporaries =
        underWay.filter(QRegularExpression("^out\\.pdf\\.[A-Za-z0-9]{6}\\.qm-saving$"));
    // The marked one left and the print's own.
    EXPECT_EQ(temporaries.size(), 2) << underWay.join(' ').toStdString();
    EXPECT_EQ(underWay.size(), 3) << underWay.join(' ').toStdString();
    ASSERT_TRUE(printer.endDoc()) << printer.lastError().toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System), QStringList{"out.pdf"});
    EXPECT_TRUE(PdfText(pdf, {}).contains("Under way"));
}

} // namespace
