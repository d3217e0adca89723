#include "quillonedit/mainwindow/Registry.h"

#include "platform/Printer.h"
#include "platform/Services.h"
#include "quillonedit/printing/ReportComposer.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quillon {
namespace {

const QString kPrinter = QStringLiteral("Printer");
const QString kProjects = QStringLiteral("Projects");
constexpr int kShownNameChars = 26;

QString projectKey(int i) { return QStringLiteral("File%1").arg(i + 1); }

// The largest size the report fits on the printer's paper in this font; without a printer, the
// largest the settings allow.
int largestSize(const QString& fontName)
{
    platform::Printer* printer = platform::services().printer;
    if (!printer)
        return int(kMaxPrintFontSize);
    return LargestReportFontSize(*printer, fontName).value_or(int(kMinPrintFontSize));
}

// A size box that takes whole sizes from the smallest up to `top()`: a number beyond it cannot
// even be typed, so the box never shows a size that OK would not keep.
class SizeValidator final : public QIntValidator {
public:
    using QIntValidator::QIntValidator;
    State validate(QString& input, int& pos) const override
    {
        const State state = QIntValidator::validate(input, pos);
        bool ok = false;
        const int value = input.toInt(&ok);
        return state == Intermediate && ok && value > top() ? Invalid : state;
    }
};

// The printer font dialog: a family, and a size from the smallest to the largest the report fits
// the paper with in that family. Reports print the family's regular face, so that is the only face
// it shows; what the size box and the sample show is what OK hands back, and OK waits for a size
// the box accepts.
class PrintFontDialog final : public QDialog {
public:
    PrintFontDialog(const FontChoice& current, QWidget* parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Font"));
        family_ = new QFontComboBox(this);
        family_->setObjectName(QStringLiteral("family"));
        family_->setFontFilters(QFontComboBox::ScalableFonts);
        family_->setEditable(false);
        family_->setCurrentFont(QFont(current.name));
        size_ = new QLineEdit(this);
        size_->setObjectName(QStringLiteral("size"));
        validator_ = new SizeValidator(int(kMinPrintFontSize), int(kMinPrintFontSize), size_);
        size_->setValidator(validator_);
        sizes_ = new QListWidget(this);
        sizes_->setObjectName(QStringLiteral("sizes"));
        sample_ = new QLabel(QStringLiteral("AaBbYyZz"), this);
        sample_->setObjectName(QStringLiteral("sample"));
        sample_->setAlignment(Qt::AlignCenter);
        sample_->setMinimumSize(220, 80);
        auto* sampleFrame = new QGroupBox(QStringLiteral("Sample"), this);
        (new QVBoxLayout(sampleFrame))->addWidget(sample_);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        ok_ = buttons->button(QDialogButtonBox::Ok);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* grid = new QGridLayout(this);
        auto* familyCaption = new QLabel(QStringLiteral("&Font:"), this);
        familyCaption->setBuddy(family_);
        grid->addWidget(familyCaption, 0, 0);
        grid->addWidget(family_, 0, 1);
        auto* sizeCaption = new QLabel(QStringLiteral("&Size:"), this);
        sizeCaption->setBuddy(size_);
        grid->addWidget(sizeCaption, 1, 0);
        grid->addWidget(size_, 1, 1);
        grid->addWidget(sizes_, 2, 1);
        grid->addWidget(sampleFrame, 3, 0, 1, 2);
        grid->addWidget(buttons, 4, 0, 1, 2);

        // The report prints whole sizes, rounding as the report does.
        size_->setText(QString::number(static_cast<int>(std::nearbyint(current.size))));
        familyChosen();
        connect(family_, &QFontComboBox::currentFontChanged, this, [this] { familyChosen(); });
        connect(size_, &QLineEdit::textChanged, this, [this] { sizeChanged(); });
        connect(sizes_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
            if (!text.isEmpty() && text != size_->text())
                size_->setText(text);
        });
    }

    FontChoice choice() const { return {family_->currentFont().family(), double(size_->text().toInt())}; }

private:
    void familyChosen()
    {
        const int largest = std::max(int(kMinPrintFontSize), largestSize(family_->currentFont().family()));
        if (largest != validator_->top() || sizes_->count() == 0) {
            validator_->setTop(largest);
            const QSignalBlocker quiet(sizes_);
            sizes_->clear();
            for (int size = int(kMinPrintFontSize); size <= largest; ++size)
                sizes_->addItem(QString::number(size));
        }
        // A size this family cannot print becomes the largest it can, in the box for all to see.
        bool whole = false;
        const int typed = size_->text().toInt(&whole);
        if (whole && typed > largest)
            size_->setText(QString::number(largest));
        sizeChanged();
    }

    void sizeChanged()
    {
        const bool usable = size_->hasAcceptableInput();
        ok_->setEnabled(usable);
        const QSignalBlocker quiet(sizes_);
        const QList<QListWidgetItem*> found = sizes_->findItems(size_->text(), Qt::MatchExactly);
        if (usable && !found.isEmpty())
            sizes_->setCurrentItem(found.front());
        else
            sizes_->setCurrentRow(-1);
        if (usable) {
            QFont regular(family_->currentFont().family());
            regular.setStyle(QFont::StyleNormal);
            regular.setWeight(QFont::Normal);
            regular.setStretch(QFont::Unstretched);
            regular.setPointSize(size_->text().toInt());
            sample_->setFont(regular);
        }
    }

    QFontComboBox* family_ = nullptr;
    QLineEdit* size_ = nullptr;
    SizeValidator* validator_ = nullptr;
    QListWidget* sizes_ = nullptr;
    QLabel* sample_ = nullptr;
    QPushButton* ok_ = nullptr;
};

std::optional<FontChoice> realFontDialog(const FontChoice& current)
{
    PrintFontDialog dialog(current, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

FontChooser& chooserSlot()
{
    static FontChooser chooser;
    return chooser;
}

} // namespace

void GetRegistry()
{
    const std::unique_ptr<const platform::StoredSettings> stored = platform::services().settings->load(kSettingsApp);
    PrinterFontName = stored->get(kPrinter, QStringLiteral("FontName"), QString());
    if (PrinterFontName.isEmpty())
        PrinterFontName = QStringLiteral("Arial");
    PrinterFontSize = stored->get(kPrinter, QStringLiteral("FontSize"), QString());
    if (PrinterFontSize.isEmpty())
        PrinterFontSize = QStringLiteral("10");
    for (int i = 0; i < 4; ++i)
        RecentFiles[i] = stored->get(kProjects, projectKey(i), QString());
}

platform::WriteResult SaveRegistry()
{
    std::vector<platform::Setting> values = {{kPrinter, QStringLiteral("FontName"), PrinterFontName},
                                             {kPrinter, QStringLiteral("FontSize"), PrinterFontSize}};
    for (int i = 0; i < 4; ++i)
        values.push_back({kProjects, projectKey(i), RecentFiles[i]});
    return platform::services().settings->saveAll(kSettingsApp, values);
}

QString RegistryLocation()
{
    return platform::services().settings->location(kSettingsApp);
}

bool AddRecentFile(const QString& name)
{
    for (const QString& entry : RecentFiles)
        if (entry == name)
            return false;
    for (int i = 3; i > 0; --i)
        RecentFiles[i] = RecentFiles[i - 1];
    RecentFiles[0] = name;
    return true;
}

QString RecentFileCaption(int number, const QString& name)
{
    const QString shown = name.size() <= kShownNameChars ? name : QStringLiteral("..") + name.right(kShownNameChars);
    // A "&" inside a path would otherwise turn the next letter into the access key.
    QString escaped = shown;
    escaped.replace('&', QStringLiteral("&&"));
    return QStringLiteral("&%1 ").arg(number) + escaped;
}

double PrintFontSizeValue(const QString& text)
{
    // Single precision, as the size always was read; either decimal separator.
    const std::optional<double> read = PrintFontSizeNumber(text);
    const float size = read ? static_cast<float>(*read) : 0.0f;
    // A size no report page can hold opens the dialog as one that is no number does.
    if (!read || !(size >= kMinPrintFontSize && size <= kMaxPrintFontSize))
        return 10;
    return size;
}

QString PrintFontSizeText(double size)
{
    // Through single precision, as the size always was, so 10.5 reads "10.5" and 12 reads "12".
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(static_cast<float>(size)), 'g', 7);
}

void setFontChooser(FontChooser chooser) { chooserSlot() = std::move(chooser); }

void SelectPrintFont()
{
    const FontChoice current{PrinterFontName, PrintFontSizeValue(PrinterFontSize)};
    const FontChooser& chooser = chooserSlot();
    const std::optional<FontChoice> chosen = chooser ? chooser(current) : realFontDialog(current);
    if (!chosen)
        return;
    PrinterFontName = chosen->name;
    // Held to what the report fits on the paper in the chosen font.
    const double largest = largestSize(chosen->name);
    PrinterFontSize = PrintFontSizeText(std::clamp(chosen->size, kMinPrintFontSize, std::max(kMinPrintFontSize, largest)));
}

} // namespace quillon
