#include "quillonedit/editors/frmZones1.h"
#include "tests/support/ImageFixture.h"

#include "platform/testing/ScriptedServices.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSet>
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

TEST(ZoneCaptions, ExactWording)
{
    struct Row { int zone; int function; const char* caption; };
    const Row rows[] = {
        {1, 1, "1.  Transmitter Enable"},
        {1, 3, "3.  DTMF Access Enabled"},
        {1, 8, "8.  Control Operator CTCSS Enabled"},
        {2, 5, "5.  LITZ Emergency Alert Enable"},
        {3, 1, "1.  Repeater ID #1 (At Rest) Enable"},
        {4, 8, "8.  Autopatch Pre-Dial Enable"},
        {5, 4, "4.  Autopatch Force Off Hook (Activate Off Air Only)"},
        {5, 5, "5.  Telephone Ring Announcer"},
        {6, 4, "4.  Transceiver CTCSS"},
        {7, 3, "3.  User Function Input #3 Enable"},
        {8, 8, "8.  User Function Output #8 Enable"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ZoneFunctionCaption(r.zone, r.function), r.caption);
    QSet<QString> all;
    for (int z = 1; z <= 8; ++z)
        for (int k = 1; k <= 8; ++k)
            all.insert(ZoneFunctionCaption(z, k));
    EXPECT_EQ(all.size(), 64);
    EXPECT_EQ(ZoneFunctionCaption(9, 1), "");
}

TEST(ZoneBits, IDBitAndZoneOffsets)
{
    EXPECT_EQ(IDBit(165, 0), 1);
    EXPECT_EQ(IDBit(165, 1), 0);
    EXPECT_EQ(IDBit(165, 7), 1);
    EXPECT_EQ(IDBit(255, 8), 0);
    EXPECT_EQ(IDBit(255, -1), 0);
    for (int offset : {13602, 5234, 6280, 7326, 8372, 9418, 10464, 11510, 12556})
        EXPECT_TRUE(IsZoneOffset(offset)) << offset;
    for (int offset : {0, 13603, 5242, 12557})
        EXPECT_FALSE(IsZoneOffset(offset)) << offset;
}

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
