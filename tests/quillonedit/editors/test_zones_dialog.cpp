#include "quillonedit/editors/frmZones1.h"
#include "tests/support/ImageFixture.h"

#include "platform/testing/ScriptedServices.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::testing;

namespace {
// A check box reacts to clicks on its indicator and text only, so click near its left edge.
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}
} // namespace

TEST(ZonesDialog, ShowsTheBitsOfEachZone)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    PutImage(9418, {165, 0, 255, 1, 2, 4, 8, 128});
    frmZones1 dialog(9418);
    dialog.show();
    const int bytes[8] = {165, 0, 255, 1, 2, 4, 8, 128};
    for (int z = 1; z <= 8; ++z)
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ(dialog.chkZ[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(k)]->isChecked(),
                      ((bytes[z - 1] >> k) & 1) == 1)
                << "zone " << z << " bit " << k;
    EXPECT_EQ(dialog.chkZ[0][0]->text(), "1.  Transmitter Enable");
    EXPECT_EQ(dialog.SSTab1->tabText(7), "Zone 8");
    EXPECT_EQ(dialog.SSTab1->currentIndex(), 0);
}

TEST(ZonesDialog, AllEightTabsShowAtOnceWithTheirWholeCaptions)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    frmZones1 dialog(13602);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTabBar* bar = dialog.SSTab1->tabBar();
    const QRect visible = bar->visibleRegion().boundingRect();
    ASSERT_EQ(bar->count(), 8);
    for (int i = 0; i < bar->count(); ++i) {
        EXPECT_TRUE(visible.contains(bar->tabRect(i))) << "tab " << i << " lies outside the tab bar's shown part";
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << "tab " << i;
    }
}

TEST(ZonesDialog, OKWritesTheEightBytesOfItsSetOnly)
{
    platform::doubles::ScriptedServices s;
    for (int offset : {13602, 12556}) {
        FillImagePattern(60);
        Bytes expected = Snapshot();
        frmZones1 dialog(offset);
        dialog.show();
        // OK without a change leaves the image as it was.
        {
            frmZones1 untouched(offset);
            untouched.show();
            untouched.cmdOK_Click();
            EXPECT_TRUE(ImageEquals(expected));
        }
        clickBox(dialog.chkZ[2][5]);
        clickBox(dialog.chkZ[7][0]);
        QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
        expected[static_cast<std::size_t>(offset + 2)] ^= 0x20;
        expected[static_cast<std::size_t>(offset + 7)] ^= 0x01;
        EXPECT_TRUE(ImageEquals(expected)) << "zone set " << offset;
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(ZonesDialog, TabChangesWriteFromTheSecondChangeOn)
{
    platform::doubles::ScriptedServices s;
    FillImagePattern(61);
    PutImage(13602, {0});
    Bytes expected = Snapshot();

    frmZones1 dialog(13602);
    dialog.show();
    clickBox(dialog.chkZ[0][0]);   // "Zone 1": transmitter on
    dialog.SSTab1->setCurrentIndex(1);                      // to "Zone 2": nothing yet
    EXPECT_TRUE(ImageEquals(expected));
    clickBox(dialog.chkZ[1][1]);   // a change on "Zone 2"
    dialog.SSTab1->setCurrentIndex(2);                      // to "Zone 3": all eight bytes
    Put(expected, 13602, {0x01});
    expected[13603] ^= 0x02;
    EXPECT_TRUE(ImageEquals(expected));
    EXPECT_EQ(dialog.LastTab, 1);

    // Back to the tab the last write came from: no write; and onwards again: a write.
    clickBox(dialog.chkZ[2][0]);
    dialog.SSTab1->setCurrentIndex(1);   // shown before: 2, differs from LastTab 1 -> write
    expected[13604] ^= 0x01;
    EXPECT_TRUE(ImageEquals(expected));
    clickBox(dialog.chkZ[1][7]);
    dialog.SSTab1->setCurrentIndex(0);   // shown before: 1, differs from LastTab 2 -> write
    expected[13603] ^= 0x80;
    EXPECT_TRUE(ImageEquals(expected));
}

TEST(ZonesDialog, OnlyOKCloses)
{
    platform::doubles::ScriptedServices s;
    FillImagePattern(62);
    const Bytes before = Snapshot();
    frmZones1 dialog(5234);
    EXPECT_FALSE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    dialog.show();
    clickBox(dialog.chkZ[4][4]);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(ImageEquals(before));
    dialog.cmdOK_Click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(ZonesDialog, ActivationPutsThePointerBack)
{
    platform::doubles::ScriptedServices s;
    resetImage();
    s.desktop.setWaitCursor(true);   // the opener's hourglass
    frmZones1 dialog(13602);
    dialog.show();
    EXPECT_FALSE(s.desktop.waitCursor());
}

TEST(ZonesDialog, AnOffsetThatIsNoZoneSetWritesNothing)
{
    platform::doubles::ScriptedServices s;
    FillImagePattern(63);
    const Bytes before = Snapshot();
    frmZones1 dialog(13603);
    dialog.show();
    clickBox(dialog.chkZ[0][0]);
    dialog.SSTab1->setCurrentIndex(1);
    dialog.SSTab1->setCurrentIndex(2);
    dialog.cmdOK_Click();
    EXPECT_TRUE(ImageEquals(before));
}
