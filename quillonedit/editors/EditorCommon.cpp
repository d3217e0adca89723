#include "quillonedit/editors/EditorCommon.h"

#include "platform/Services.h"
#include "platform/widgets/HelpDisplay.h"
#include "platform/widgets/Windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

namespace quillon {

QString HelpFilePath()
{
    return platform::programFolder() + QStringLiteral("/Help/Quillon.hlp");
}

bool ShowHelpTopic(int context)
{
    using platform::widgets::HelpPage;
    return platform::widgets::ShowHelp(HelpFilePath(), kHelpTitle,
                                       context > 0 ? HelpPage::Topic : HelpPage::Contents, context);
}

namespace {
QPixmap SwitchPicture(bool on)
{
    QImage picture(8, 16, QImage::Format_RGB32);
    const QRgb top = on ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    const QRgb bottom = on ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 8; ++x)
            picture.setPixel(x, y, y < 8 ? top : bottom);
    return QPixmap::fromImage(picture);
}
} // namespace

QPixmap SwitchOnPicture() { return SwitchPicture(true); }
QPixmap SwitchOffPicture() { return SwitchPicture(false); }

void AddFieldRow(QWidget* owner, QGridLayout* grid, int row, int column, const QString& captionText, int fieldWidth,
                 QLabel*& caption, ClickLabel*& field, const std::function<void()>& onClick)
{
    caption = new QLabel(captionText, owner);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field = new ClickLabel(owner);
    StyleFieldLabel(field, platform::widgets::FieldLook::Editable, fieldWidth);
    QObject::connect(field, &ClickLabel::clicked, owner, onClick);
    grid->addWidget(caption, row, column);
    grid->addWidget(field, row, column + 1);
}

QLabel* ValueLabel(QWidget* owner, int minimumWidth)
{
    auto* label = new QLabel(owner);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(minimumWidth);
    return label;
}

QHBoxLayout* OKButtonRow(QWidget* owner, QPushButton*& button, const std::function<void()>& onClick)
{
    button = new QPushButton(QStringLiteral("OK"), owner);
    button->setDefault(true);
    QObject::connect(button, &QPushButton::clicked, owner, onClick);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

QGroupBox* OptionFrame(QWidget* owner, const QString& title, const QStringList& captions,
                       std::span<QRadioButton*> options, int rowsPerColumn)
{
    auto* frame = new QGroupBox(title, owner);
    QVBoxLayout* column = rowsPerColumn > 0 ? nullptr : new QVBoxLayout(frame);
    QGridLayout* columns = rowsPerColumn > 0 ? new QGridLayout(frame) : nullptr;
    for (int k = 0; k < captions.size() && k < static_cast<int>(options.size()); ++k) {
        auto* option = new QRadioButton(captions[k], frame);
        options[static_cast<std::size_t>(k)] = option;
        if (column)
            column->addWidget(option);
        else
            columns->addWidget(option, k % rowsPerColumn, k / rowsPerColumn);
    }
    // A frame made taller than its options by its neighbours keeps them at the top; aligned rather
    // than stretched, the frame itself never asks for more height than its options take.
    if (column)
        column->setAlignment(Qt::AlignTop);
    return frame;
}

QGroupBox* GroupOptionFrame(QWidget* owner, const QString& title, const QStringList& captions,
                            std::span<QRadioButton*> options, const std::function<void(int)>& onClick)
{
    QGroupBox* frame = OptionFrame(owner, title, captions, options);
    for (int g = 0; g < captions.size() && g < static_cast<int>(options.size()); ++g)
        QObject::connect(options[static_cast<std::size_t>(g)], &QRadioButton::clicked, owner, [onClick, g] { onClick(g); });
    if (!options.empty() && options.front())
        options.front()->setChecked(true);
    return frame;
}

int CheckedOption(std::span<QRadioButton* const> options)
{
    for (std::size_t k = 0; k < options.size(); ++k)
        if (options[k]->isChecked())
            return static_cast<int>(k);
    return -1;
}

void LayOutListDialog(QWidget* owner, QLayout* rows, QGroupBox* groups, QPushButton*& ok,
                      const std::function<void()>& onOK)
{
    ok = new QPushButton(QStringLiteral("OK"), owner);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, owner, onOK);

    auto* side = new QVBoxLayout;
    side->addWidget(groups);
    side->addStretch();
    side->addWidget(ok);

    auto* layout = new QHBoxLayout(owner);
    layout->addLayout(rows);
    layout->addSpacing(12);
    layout->addLayout(side);
}

EditorDialog::EditorDialog(QWidget* parent, CloseBox closeBox) : QDialog(parent), closeBox_(closeBox)
{
    platform::widgets::KeepTitleVisible(*this);
    if (closeBox_ == CloseBox::Refused) {
        // Offer no close box at all, and no help/context buttons in its place.
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    } else {
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    }
}

KeyPadResult EditorDialog::GetKeyPadEntry(const KeyPadRequest& request)
{
    return runChild([&] { return keyPad().GetKeyPadEntry(request); });
}

void EditorDialog::reject()
{
    // Esc and the close box both arrive here; the dialog's own buttons call closeFromOK/Cancel.
    switch (closeBox_) {
    case CloseBox::AsOK: QDialog::accept(); break;
    case CloseBox::AsCancel: QDialog::reject(); break;
    case CloseBox::Refused: break;
    case CloseBox::Destroys:
        QDialog::reject();
        deleteLater();   // once the modal loop that showed it has ended
        break;
    }
}

void EditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // A spontaneous show comes from the window system (restored, another application left);
    // that is no activation of ours.
    if (event->spontaneous())
        return;
    activate();
    if (!centred_) {
        // Placed once it shows what it opens with, at the size that takes: its whole contents
        // (adjustSize would keep the window within two thirds of the screen). CentreWindow keeps it
        // inside the screen's free part. The layout holds the window at the size its contents take,
        // so no dialog can be dragged smaller (cutting captions, laying frames over fields) or larger.
        if (layout()) {
            layout()->setSizeConstraint(QLayout::SetFixedSize);
            layout()->activate();
        }
        resize(sizeHint().expandedTo(minimumSize()));
        platform::widgets::CentreWindow(*this);
        centred_ = true;
    }
}

void EditorDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelpTopic(helpContextID_);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EditorDialog::activate()
{
    // Openers that showed the hourglass leave it to the dialog to put the pointer back.
    if (platform::services().desktop)
        platform::setWaitCursor(false);
    Form_Activate();
}

} // namespace quillon
