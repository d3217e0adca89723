#include "quillonedit/editors/frmQuillConfig.h"

#include "quillonedit/image/HardwareOptions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <optional>
#include <span>

namespace quillon {

namespace {

// Checks button `choice`, or none: the buttons of a frame exclude each other, so clearing one
// needs that rule lifted for the moment.
void showChoice(std::span<QRadioButton* const> buttons, std::optional<int> choice)
{
    if (choice && *choice >= 0 && *choice < int(buttons.size())) {
        buttons[static_cast<std::size_t>(*choice)]->setChecked(true);
        return;
    }
    for (QRadioButton* b : buttons) {
        b->setAutoExclusive(false);
        b->setChecked(false);
        b->setAutoExclusive(true);
    }
}

std::optional<int> chosen(std::span<QRadioButton* const> buttons)
{
    const int i = CheckedOption(buttons);
    return i >= 0 ? std::optional<int>(i) : std::nullopt;
}

} // namespace

frmQuillConfig::frmQuillConfig(QWidget* parent) : ModelessEditor(parent)
{
    setWindowTitle(QStringLiteral("Quillon Configuration"));
    setHelpContextID(kHardwareOptionsHelpContext);

    fraHf = OptionFrame(this, QStringLiteral("HF  Type"), {"No HF", "K-44", "O-76"}, optHf);
    fraPPS = OptionFrame(this, QStringLiteral("Pulse Dialing PPS"), {"10 PPS", "20 PPS"}, optPPS);
    fraHfSquelch = OptionFrame(this, QStringLiteral("HF Squelch"), {"No", "Yes"}, optHfSquelch);
    fraDvr = OptionFrame(this, QStringLiteral("DVR Type"), {"Brindle", "Sorrel"}, optDvr);

    auto* frames = new QGridLayout;
    frames->addWidget(fraHf, 0, 0);
    frames->addWidget(fraPPS, 0, 1);
    frames->addWidget(fraHfSquelch, 1, 0);
    frames->addWidget(fraDvr, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(OKButtonRow(this, cmdOK, [this] { cmdOK_Click(); }));
}

void frmQuillConfig::Form_Activate() { DisplayConfig(); }

// The window shows the open project, so OK can never write the last project's options into it.
void frmQuillConfig::ProjectOpened() { DisplayConfig(); }

void frmQuillConfig::DisplayConfig()
{
    const HardwareChoices c = ReadHardwareOptions();
    showChoice(optHf, c.hf);
    showChoice(optHfSquelch, c.squelch);
    showChoice(optDvr, c.dvr);
    showChoice(optPPS, c.pps);
}

void frmQuillConfig::SaveConfig()
{
    WriteHardwareOptions({.hf = chosen(optHf), .pps = chosen(optPPS), .squelch = chosen(optHfSquelch), .dvr = chosen(optDvr)});
}

void frmQuillConfig::cmdOK_Click()
{
    SaveConfig();
    Unload();
}

} // namespace quillon
