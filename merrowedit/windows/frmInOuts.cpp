#include "merrowedit/windows/frmInOuts.h"

#include "merrowedit/windows/ImageList.h"
#include "merrowedit/windows/OptionGroup.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cstring>

namespace merrow {
namespace {

constexpr const char* kInputCaptions[8] = {
    "Activate receiver on all alerts.",
    "Activate receiver on programmed Watches and Warning alerts only.",
    "Activate receiver on programmed Warning alerts only.",
    "Cancel any active alerts.",
    "Skip voice announcements.",
    "Force voice interval announcement.",
    "Spare",
    "Spare",
};

constexpr const char* kPulseCaptions[8] = {
    "With All Decoded Events.",
    "With Watch or Warning Decoded Events.",
    "With Watch Decoded Events. ",
    "With Warning Decoded Events. ",
    "With Non Watch or Warning Decoded Events.",
    "Spare.",
    "Spare.",
    "Spare.",
};

constexpr const char* kRaiseCaptions[5] = {
    "Upon match of FIP code and Event code.",
    "After the two second start pulse.",
    "After the relay timer has expired.",
    "At the beginning of the voice synthesizer announcement.",
    "At the beginning of the weather alert announcement.",
};

constexpr const char* kTrailCaptions[3] = {
    "Upon receiving termination packet or Line time-out timer has expired.",
    "When the active alert terminates.",
    "Spare",
};

// Option k of a group mirrors keys[k] of its section.
void addGroup(FlagControls& rows, const char* frame, const char* control, const char* section,
              const char* const* captions, std::initializer_list<const char*> keys)
{
    int k = 0;
    for (const char* key : keys) {
        rows.push_back({frame, control, k, captions[k], section, key});
        ++k;
    }
}

// The pictures of the five tabs, in tab order.
constexpr int kTabImages[5] = {14, 15, 14, 15, 16};

} // namespace

const std::array<InOutGroup, frmInOuts::kGroupCount>& frmInOuts::Groups()
{
    static const std::array<InOutGroup, kGroupCount> groups{{
        {"Input #1", "optRear1", "chkActive1", "Use rear connector Input #1"},
        {"Input #2", "optRear2", "chkActive2", "Use rear connector Input #2"},
        {"Output #1", "optTab1", "chkOut1", "Use rear connector Oitput #1"},
        {"Output #2", "optTab2", "chkOut2", "Use rear connector Oitput #2"},
        {"Output #3", "optTab3Raise", nullptr, nullptr},
        {"Output #3", "optTab3Trail", nullptr, nullptr},
    }};
    return groups;
}

const FlagControls& frmInOuts::Controls()
{
    static const FlagControls rows = [] {
        FlagControls r;
        addGroup(r, "Rear Connector Input #1  [When grounded]", "optRear1", "NV8009", kInputCaptions,
                 {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert", "SkipVoiceAnnc",
                  "ForceVocInterval", "Spare8009_1", "Spare8009_2"});
        addGroup(r, "Rear Connector Input #2  [When grounded]", "optRear2", "NV800A", kInputCaptions,
                 {"AcceptAllAlerts", "WatchAndWarningOnly", "WarningOnly", "CancelAlert", "SkipVoiceAnnc",
                  "ForceVocInterval", "Spare800A_1", "Spare800A_2"});
        addGroup(r, " One Second Output#1 Pulse After Start Pulse ", "optTab1", "NV800D", kPulseCaptions,
                 {"PulseAll", "PulseWatchWarning", "PulseWatch", "PulseWarning", "PulseNonWatchWarning",
                  "Spare800D_1", "Spare800D_2", "Spare800D_3"});
        addGroup(r, " One Second Output#2 Pulse After Start Pulse ", "optTab2", "NV800E", kPulseCaptions,
                 {"PulseAll", "PulseWatchWarning", "PulseWatch", "PulseWarning", "PulseNonWatchWarning",
                  "Spare800E_1", "Spare800E_2", "Spare800E_3"});
        addGroup(r, " Raising Edge ", "optTab3Raise", "NV800F", kRaiseCaptions,
                 {"HighTrigCodeMatch", "HighTrigAfterStart", "HighTrigAfterRelayTimer", "HighTrigBeginSynVoice",
                  "HighTrigBeginWxReport"});
        addGroup(r, " Trailing Edge ", "optTab3Trail", "NV800F", kTrailCaptions,
                 {"LowTrigEndPacket", "LowTrigAlertEnd", "Spare800F_1"});
        return r;
    }();
    return rows;
}

int frmInOuts::GroupOf(const char* optionsName)
{
    for (int g = 0; g < kGroupCount; ++g)
        if (std::strcmp(Groups()[static_cast<std::size_t>(g)].options, optionsName) == 0)
            return g;
    return -1;
}

frmInOuts::frmInOuts(QWidget* parent) : SettingDialog(parent)
{
    setWindowTitle(QStringLiteral(" Merrow Hardware Inputs and Outputs"));
    setModal(true);

    const FramedControls framed = CreateFramedControls(Controls(), this);
    for (auto& g : options)
        g = new OptionGroup(this);
    for (std::size_t i = 0; i < Controls().size(); ++i)
        options[static_cast<std::size_t>(GroupOf(Controls()[i].control))]->addButton(
            static_cast<QRadioButton*>(framed.widgets[i]));

    tabs = new QTabWidget(this);
    for (auto& p : pictures)
        p = new QLabel(this);
    QWidget* page = nullptr;
    QVBoxLayout* pageLayout = nullptr;
    int tab = -1;
    for (std::size_t g = 0; g < Groups().size(); ++g) {
        const InOutGroup& group = Groups()[g];
        // Frames are made in group order: group g's frame is frames[g].
        QGroupBox* frame = framed.frames[g];
        if (!page || tabs->tabText(tab) != QLatin1String(group.tab)) {
            if (pageLayout)
                pageLayout->addStretch(1);
            page = new QWidget(tabs);
            pageLayout = new QVBoxLayout(page);
            tab = tabs->addTab(page, QString::fromLatin1(group.tab));
            pictures[static_cast<std::size_t>(tab + 1)]->setParent(page);
            pageLayout->addWidget(pictures[static_cast<std::size_t>(tab + 1)]);
        }
        if (group.enableBox) {
            auto* box = new QCheckBox(QString::fromLatin1(group.enableCaption), frame);
            box->setObjectName(QString::fromLatin1(group.enableBox));
            static_cast<QVBoxLayout*>(frame->layout())->insertWidget(0, box);
            enableBoxes[g] = box;
            connect(box, &QCheckBox::toggled, this, &frmInOuts::InitButtons);
        }
        pageLayout->addWidget(frame);
    }
    pageLayout->addStretch(1);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdOK->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(pictures[0]);
    bottom->addStretch(1);
    bottom->addWidget(cmdOK);
    bottom->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(bottom);

    connect(cmdOK, &QPushButton::clicked, this, &frmInOuts::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    // Form_Load
    tabs->setCurrentIndex(0);
    pictures[0]->setPixmap(ImageList1(6));
    for (int t = 0; t < 5; ++t)
        pictures[static_cast<std::size_t>(t + 1)]->setPixmap(ImageList1(kTabImages[t]));
}

void frmInOuts::GetData()
{
    for (std::size_t g = 0; g < Groups().size(); ++g) {
        const int first = FirstTrueOption(Controls(), Groups()[g].options);
        options[g]->select(first);
        if (enableBoxes[g])
            enableBoxes[g]->setChecked(first >= 0);
    }
    InitButtons();
}

void frmInOuts::InitButtons()
{
    for (std::size_t g = 0; g < Groups().size(); ++g)
        if (enableBoxes[g])
            options[g]->setEnabled(enableBoxes[g]->isChecked());
}

void frmInOuts::SaveData()
{
    for (const FlagControl& row : Controls())
        FlagOf(row) = false;
    for (std::size_t g = 0; g < Groups().size(); ++g) {
        // An unticked input or output is off whatever its options show.
        if (enableBoxes[g] && !enableBoxes[g]->isChecked())
            continue;
        if (options[g]->selected() >= 0)
            SaveSelectedOption(Controls(), Groups()[g].options, options[g]->selected());
    }
}

void frmInOuts::cmdOK_Click()
{
    SaveData();
    accept();
}

void frmInOuts::Form_Activate()
{
    GetData();
}

} // namespace merrow
