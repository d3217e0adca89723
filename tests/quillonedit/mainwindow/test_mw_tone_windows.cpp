// The paging, courtesy tone and hardware options items of the main window; the hardware options
// window left open while another project is opened.
#include "MainWindowFixture.h"

#include "quillonedit/editors/frmQuillConfig.h"

#include <QAction>
#include <QRadioButton>

using namespace quillon;
using quillon::testing::MainWindowTest;
using quillon::testing::ModalSpy;

namespace {

class ToneWindows : public MainWindowTest {
protected:
    // Writes a project whose bytes are all `fill` but the four option bytes.
    QString project(const QString& base, std::uint8_t fill, std::array<int, 4> options)
    {
        image().bytes().fill(fill);
        image().bytes()[kImageBytes] = 0;
        const std::array<int, 4> at = {633, 634, 635, 645};
        for (std::size_t i = 0; i < 4; ++i)
            image().set(at[i], static_cast<std::uint8_t>(options[i]));
        images[base] = image().bytes();
        EXPECT_TRUE(SaveAllFiles(dir.filePath(base)));
        resetImage();
        return dir.filePath(base + ".001");
    }
    std::map<QString, ControllerImage::Bytes> images;
};

TEST_F(ToneWindows, PagingAndCourtesyItemsOpenTheirWindows)
{
    MDIForm1& win = load();
    win.enableProjectMenus();
    ModalSpy spy;
    win.findChild<QAction*>("mnuPage")->trigger();
    win.findChild<QAction*>("mnuCourtesy")->trigger();
    EXPECT_EQ(spy.seen, (QStringList{"frmPage|Paging Tones", "frmCTones|Courtesy Tones"}));
}

TEST_F(ToneWindows, OptionsWindowShowsTheProjectOpenedUnderIt)
{
    const QString a = project("a", 0, {1, 0, 0, 0});
    const QString b = project("b", 0x44, {7, 1, 0, 9});
    MDIForm1& win = load();
    ASSERT_TRUE(ProcessOpen(a, win));
    win.findChild<QAction*>("mnuRptConfig")->trigger();
    auto* options = win.findChild<frmQuillConfig*>();
    ASSERT_NE(options, nullptr);
    EXPECT_FALSE(win.lastOpening().modal);
    EXPECT_TRUE(options->optHf[1]->isChecked());
    options->optHf[2]->click();   // chosen for a, never confirmed

    ASSERT_TRUE(ProcessOpen(b, win));
    ASSERT_EQ(win.findChild<frmQuillConfig*>(), options) << "the window stays, showing b";
    for (QRadioButton* hf : options->optHf)
        EXPECT_FALSE(hf->isChecked()) << "b's HF type 7 checks none";
    EXPECT_TRUE(options->optPPS[1]->isChecked());
    EXPECT_TRUE(options->optDvr[1]->isChecked());
    options->cmdOK_Click();
    ControllerImage::Bytes expected = images["b"];
    expected[634] = 255;   // b's own choices rewritten, 633 kept
    expected[645] = 1;
    EXPECT_TRUE(image().bytes() == expected);
    EXPECT_TRUE(s.messageBox.shown.empty());
}

TEST(HelpFile, HasTopicsForPagingCourtesyAndHardwareOptions)
{
    QFile file(qEnvironmentVariable("QM_SOURCE_DIR") + "/data/Help/Quillon.hlp");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (int context : {907, 908, 909})
        EXPECT_TRUE(html.contains(QStringLiteral(R"(name="context-%1")").arg(context))) << context;
}

} // namespace
