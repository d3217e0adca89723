// The unlock window beside the main window: a fresh window for every opening, another project
// opened under it, and the main window's exit.
#include "MainWindowFixture.h"

#include "quillonedit/editors/frmUnlock.h"

#include <QAction>
#include <QLineEdit>

using namespace quillon;
using quillon::testing::MainWindowTest;

namespace {

void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

class ModelessUnlock : public MainWindowTest {
protected:
    // Writes a project whose unlock number and password are given, every other byte `fill`.
    QString project(const QString& base, std::uint8_t fill, std::initializer_list<int> unlock,
                    const QByteArray& password)
    {
        image().bytes().fill(fill);
        image().bytes()[kImageBytes] = 0;   // the spare byte is never saved
        int at = 512;
        for (int b : unlock)
            image().set(at++, static_cast<std::uint8_t>(b));
        for (int i = 0; i < 16; ++i)
            image().set(19496 + i, 0);
        image().set(19496, static_cast<std::uint8_t>(password.size()));
        for (int i = 0; i < password.size(); ++i)
            image().set(19497 + i, static_cast<std::uint8_t>(password[i]));
        images[base] = image().bytes();
        EXPECT_TRUE(SaveAllFiles(dir.filePath(base)));
        resetImage();
        return dir.filePath(base + ".001");
    }
    frmUnlock* openUnlock()
    {
        w->findChild<QAction*>("mnuUnlock")->trigger();
        return w->findChild<frmUnlock*>();
    }
    std::map<QString, ControllerImage::Bytes> images;
};

TEST_F(ModelessUnlock, AnotherProjectOpenedShowsItsValuesAndWritesNothingOfTheOldOne)
{
    const QString a = project("a", 0, {7, 1, 2, 3, 4, 5, 6, 7}, "aaa");
    const QString b = project("b", 0x33, {7, 9, 9, 9, 9, 9, 9, 9}, "bbb");
    MDIForm1& win = load();
    ASSERT_TRUE(ProcessOpen(a, win));
    frmUnlock* unlock = openUnlock();
    ASSERT_NE(unlock, nullptr);
    EXPECT_FALSE(win.lastOpening().modal);
    EXPECT_TRUE(unlock->isVisible());
    EXPECT_EQ(unlock->lblNum->text(), "1234567");
    EXPECT_EQ(unlock->txtPassword->text(), "aaa");
    unlock->txtPassword->setText("typed for a");

    ASSERT_TRUE(ProcessOpen(b, win));
    DeleteClosedWindows();
    ASSERT_EQ(win.findChild<frmUnlock*>(), unlock) << "the window stays, showing b";
    EXPECT_TRUE(unlock->isVisible());
    EXPECT_EQ(unlock->lblNum->text(), "9999999");
    EXPECT_EQ(unlock->txtPassword->text(), "bbb");
    EXPECT_TRUE(image().bytes() == images["b"]) << "nothing of a reaches b";
    EXPECT_TRUE(s.messageBox.shown.empty());

    unlock->cmdOK_Click();
    EXPECT_TRUE(image().bytes() == images["b"]);
}

TEST_F(ModelessUnlock, EveryOpeningShowsTheImageNotADiscardedText)
{
    const QString a = project("a", 0, {7, 1, 2, 3, 4, 5, 6, 7}, "aaa");
    MDIForm1& win = load();
    ASSERT_TRUE(ProcessOpen(a, win));
    frmUnlock* first = openUnlock();
    EXPECT_EQ(openUnlock(), first) << "a second menu click brings the open window forward";
    first->txtPassword->setText("discarded");
    first->close();   // the close box writes no password
    DeleteClosedWindows();
    EXPECT_EQ(win.findChild<frmUnlock*>(), nullptr);

    frmUnlock* second = openUnlock();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->txtPassword->text(), "aaa");
    second->cmdOK_Click();
    EXPECT_TRUE(image().bytes() == images["a"]);
}

TEST_F(ModelessUnlock, ExitWithTheWindowOpenAndEmptyFieldsAsksNothing)
{
    const QString a = project("a", 0, {0}, "");
    MDIForm1& win = load();
    ASSERT_TRUE(ProcessOpen(a, win));
    frmUnlock* unlock = openUnlock();
    ASSERT_NE(unlock, nullptr);
    EXPECT_EQ(unlock->lblNum->text(), "");
    EXPECT_EQ(unlock->txtPassword->text(), "");
    EXPECT_TRUE(win.close());
    EXPECT_TRUE(s.messageBox.shown.empty()) << s.messageBox.texts().join("|").toStdString();
    EXPECT_TRUE(image().bytes() == images["a"]);
}

TEST(HelpFile, HasTopicsForStatisticsFlushMemoryAndUnlock)
{
    QFile file(qEnvironmentVariable("QM_SOURCE_DIR") + "/data/Help/Quillon.hlp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (int context : {103, 104, 202, 906})
        EXPECT_TRUE(html.contains(QStringLiteral(R"(name="context-%1")").arg(context))) << context;
}

} // namespace
