#include "quillonedit/editors/frmZones1.h"

#include "quillonedit/image/ImageMap.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillon {

frmZones1::frmZones1(int zoneOffset, QWidget* parent)
    : EditorDialog(parent, CloseBox::Refused), zoneOffset_(zoneOffset)
{
    SSTab1 = new QTabWidget(this);
    // All eight tabs in view at once: the dialog grows to the width of the whole tab row instead
    // of hiding the last zones behind scroll arrows, and no caption is shortened.
    SSTab1->setUsesScrollButtons(false);
    SSTab1->setElideMode(Qt::ElideNone);
    for (int z = 1; z <= kZoneCount; ++z) {
        auto* page = new QWidget(SSTab1);
        auto* column = new QVBoxLayout(page);
        for (int k = 1; k <= kZoneFunctions; ++k) {
            auto* box = new QCheckBox(ZoneFunctionCaption(z, k), page);
            chkZ[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(k - 1)] = box;
            column->addWidget(box);
        }
        column->addStretch();
        SSTab1->addTab(page, QStringLiteral("Zone %1").arg(z));
    }
    SSTab1->setCurrentIndex(0);
    // The tab widget tells us the new tab; the rule needs the one shown before the change.
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int now) {
        const int before = shownTab_;
        shownTab_ = now;
        SSTab1_Click(before);
    });

    QHBoxLayout* buttons = OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    DisplayGroup1();
}

void frmZones1::DisplayGroup1()
{
    if (!IsZoneOffset(zoneOffset_))
        return;
    for (int i = 0; i < kZoneFunctions; ++i)
        for (int z = 1; z <= kZoneCount; ++z)
            chkZ[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(i)]->setChecked(
                IDBit(ZoneByte(zoneOffset_, z), i) == 1);
}

std::uint8_t frmZones1::SetBitZ(int zone) const
{
    if (zone < 1 || zone > kZoneCount)
        return 0;
    // Built from the boxes alone: a grey (partly checked) box leaves its bit clear.
    std::array<bool, kZoneFunctions> enabled{};
    for (std::size_t i = 0; i < enabled.size(); ++i)
        enabled[i] = chkZ[static_cast<std::size_t>(zone - 1)][i]->checkState() == Qt::Checked;
    return ZoneByteOf(enabled);
}

void frmZones1::SaveGroup1()
{
    std::array<std::uint8_t, 8> bytes{};
    for (int z = 1; z <= kZoneCount; ++z)
        bytes[static_cast<std::size_t>(z - 1)] = SetBitZ(z);
    SaveZoneBytes(zoneOffset_, bytes);   // nothing for an offset that is no zone set
}

void frmZones1::SSTab1_Click(int previousTab)
{
    if (previousTab == LastTab)
        return;
    LastTab = previousTab;
    SaveGroup1();
}

void frmZones1::cmdOK_Click()
{
    SaveGroup1();
    closeFromOK();
}

} // namespace quillon
