#include "quillonedit/editors/EditorCommon.h"
#include "tests/support/ScriptedKeyPad.h"

#include "platform/testing/ScriptedServices.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {

class ProbeDialog final : public EditorDialog {
public:
    explicit ProbeDialog(CloseBox policy, QWidget* parent = nullptr) : EditorDialog(parent, policy) {}
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

} // namespace

TEST(ClickLabel, EmitsClickedOnlyForALeftClickThatEndsInsideIt)
{
    ClickLabel label("12");
    label.resize(60, 20);
    QSignalSpy spy(&label, &ClickLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(spy.count(), 1);
    // Pressed inside, released outside: no click.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(200, 10));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(label.cursor().shape(), Qt::BitmapCursor);
}

TEST(EditorDialog, F1OpensTheDialogsHelpTopicAndReportsAMissingFile)
{
    platform::doubles::ScriptedServices s;
    ProbeDialog dialog(CloseBox::AsOK);
    dialog.setHelpContextID(902);
    QTest::keyClick(&dialog, Qt::Key_F1);
    ASSERT_EQ(s.help.calls.size(), 1);
    EXPECT_EQ(s.help.calls[0], "topic 902 " + HelpFilePath());
    EXPECT_TRUE(HelpFilePath().endsWith("/Help/Quillon.hlp"));
    EXPECT_TRUE(s.messageBox.shown.empty());

    s.help.result = false;
    QTest::keyClick(&dialog, Qt::Key_F1);
    ASSERT_EQ(s.messageBox.shown.size(), 1u);
    EXPECT_TRUE(s.messageBox.shown[0].text.contains(HelpFilePath()));
    EXPECT_EQ(s.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
}

TEST(EditorDialog, ActivatesOnShowAndAfterEachKeypadRequestAndResetsTheHourglass)
{
    platform::doubles::ScriptedServices s;
    ScriptedKeyPad keys;
    keys.accept("5");
    ProbeDialog dialog(CloseBox::AsOK);
    s.desktop.setWaitCursor(true);
    dialog.show();
    EXPECT_EQ(dialog.activations, 1);
    EXPECT_FALSE(s.desktop.waitCursor());

    const KeyPadResult r = dialog.GetKeyPadEntry({.mode = KeyPadKeys::Digits, .maxLen = 2, .heading = "Heading", .initial = "3"});
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(r.text, "5");
    EXPECT_EQ(dialog.activations, 2);
    dialog.GetKeyPadEntry({.mode = KeyPadKeys::Digits, .maxLen = 2, .heading = "Heading", .initial = "3"});   // cancelled: still reactivates
    EXPECT_EQ(dialog.activations, 3);

    // Showing again after hiding activates again.
    dialog.hide();
    dialog.show();
    EXPECT_EQ(dialog.activations, 4);
}

TEST(EditorDialog, CloseBoxPolicies)
{
    platform::doubles::ScriptedServices s;
    {
        ProbeDialog dialog(CloseBox::AsOK);
        QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
        EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    }
    {
        ProbeDialog dialog(CloseBox::AsCancel);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    }
    {
        ProbeDialog dialog(CloseBox::Refused);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.close());
        EXPECT_TRUE(dialog.isVisible());
        dialog.closeFromOK();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST(EditorDialog, KeptDialogIsCreatedOnceAndSurvivesClosing)
{
    platform::doubles::ScriptedServices s;
    QWidget owner;
    QPointer<ProbeDialog> slot;
    ProbeDialog& first = KeptDialog(slot, owner, CloseBox::AsOK);
    first.show();
    first.close();
    ProbeDialog& second = KeptDialog(slot, owner, CloseBox::AsOK);
    EXPECT_EQ(&first, &second);
    second.show();
    EXPECT_EQ(second.activations, 2);
}

TEST(EditorDialog, DestroyingCloseBoxEndsAKeptDialogButOKKeepsIt)
{
    platform::doubles::ScriptedServices s;
    QWidget owner;
    QPointer<ProbeDialog> slot;
    ProbeDialog& first = KeptDialog(slot, owner, CloseBox::Destroys);
    QTimer::singleShot(0, &first, [&] { first.closeFromOK(); });
    EXPECT_EQ(first.exec(), QDialog::Accepted);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(slot);
    QTimer::singleShot(0, &first, [&] { first.close(); });
    EXPECT_EQ(first.exec(), QDialog::Rejected);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(slot);
    ProbeDialog& second = KeptDialog(slot, owner, CloseBox::Destroys);
    second.show();
    EXPECT_EQ(second.activations, 1);
}

TEST(SwitchPictures, OnIsBlackAboveWhiteAndOffIsTheReverse)
{
    const QImage on = SwitchOnPicture().toImage();
    const QImage off = SwitchOffPicture().toImage();
    ASSERT_EQ(on.size(), QSize(8, 16));
    ASSERT_EQ(off.size(), QSize(8, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x) {
            const QRgb upperBlack = y < 8 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            const QRgb upperWhite = y < 8 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            EXPECT_EQ(on.pixel(x, y) & 0xFFFFFF, upperBlack & 0xFFFFFF);
            EXPECT_EQ(off.pixel(x, y) & 0xFFFFFF, upperWhite & 0xFFFFFF);
        }
}
