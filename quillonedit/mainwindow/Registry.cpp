#include "quillonedit/mainwindow/Registry.h"

#include "platform/Printer.h"
#include "platform/Services.h"
#include "platform/widgets/Windows.h"
#include "quillonedit/mainwindow/Help.h"
#include "quillonedit/printing/ReportComposer.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QShowEvent>
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

// The faces of a family as the font database lists it (with its maker when several give the name).
std::vector<FontFace> FacesOf(const QString& family)
{
    std::vector<FontFace> faces;
    for (const QString& style : QFontDatabase::styles(family)) {
        const QFont face = QFontDatabase::font(family, style, 12);
        faces.push_back({face.style(), face.weight()});
    }
    return faces;
}

// The printer font dialog: a family, and a size from the smallest to the largest the report fits
// the paper with in that family. Reports print the family's regular face, so it lists only families
// that have one, and that is the only face it shows. The size box shows what is typed; a size
// outside the range written beside it keeps OK greyed, so what OK hands back is what the box and
// the sample show.
class PrintFontDialog final : public QDialog {
    Q_OBJECT
public:
    PrintFontDialog(const FontChoice& current, QWidget* parent) : QDialog(parent)
    {
        setWindowTitle(QStringLiteral("Font"));
        platform::widgets::KeepTitleVisible(*this);
        setWindowFlag(Qt::WindowContextHelpButtonHint, false);
        family_ = new QComboBox(this);
        family_->setObjectName(QStringLiteral("family"));
        family_->addItems(ReportFontFamilies());
        family_->setCurrentIndex(listedFamily(current.name));
        size_ = new QLineEdit(this);
        size_->setObjectName(QStringLiteral("size"));
        // Digits only; whether the number is a size the report can print is judged beside it.
        size_->setValidator(new QIntValidator(0, 999, size_));
        range_ = new QLabel(this);
        range_->setObjectName(QStringLiteral("range"));
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
        ok_->setDefault(true);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

        auto* grid = new QGridLayout(this);
        auto* familyCaption = new QLabel(QStringLiteral("&Font:"), this);
        familyCaption->setBuddy(family_);
        grid->addWidget(familyCaption, 0, 0);
        grid->addWidget(family_, 0, 1, 1, 2);
        auto* sizeCaption = new QLabel(QStringLiteral("&Size:"), this);
        sizeCaption->setBuddy(size_);
        grid->addWidget(sizeCaption, 1, 0);
        grid->addWidget(size_, 1, 1);
        grid->addWidget(range_, 1, 2);
        grid->addWidget(sizes_, 2, 1);
        grid->addWidget(sampleFrame, 3, 0, 1, 3);
        grid->addWidget(buttons, 4, 0, 1, 3);
        grid->setSizeConstraint(QLayout::SetFixedSize);
        AttachHelpKey(this, kHelpPrinterFont);

        // The report prints whole sizes, rounding as the report does.
        size_->setText(QString::number(static_cast<int>(std::nearbyint(current.size))));
        familyChosen();
        connect(family_, &QComboBox::currentIndexChanged, this, [this] { familyChosen(); });
        connect(size_, &QLineEdit::textChanged, this, [this] { sizeChanged(); });
        connect(sizes_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
            if (!text.isEmpty() && text != size_->text())
                size_->setText(text);
        });
    }

    FontChoice choice() const { return {family_->currentText(), double(size_->text().toInt())}; }

    void accept() override
    {
        // Enter reaches here only through OK, but a size out of range is never handed back.
        if (usable())
            QDialog::accept();
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        if (!event->spontaneous())
            platform::widgets::CentreWindow(*this);
    }

private:
    // The row of the listed family a stored name stands for: the name itself, else the family a
    // font of that name resolves to, else the first.
    int listedFamily(const QString& name) const
    {
        int row = family_->findText(name, Qt::MatchFixedString);
        if (row < 0)
            row = family_->findText(FamilyWithoutMaker(QFontInfo(QFont(name)).family()), Qt::MatchFixedString);
        return std::max(row, 0);
    }

    int typedSize(bool* whole) const { return size_->text().toInt(whole); }

    bool usable() const
    {
        bool whole = false;
        const int typed = typedSize(&whole);
        return whole && typed >= int(kMinPrintFontSize) && typed <= largest_ && !family_->currentText().isEmpty();
    }

    void familyChosen()
    {
        const int largest = std::max(int(kMinPrintFontSize), largestSize(family_->currentText()));
        if (largest != largest_ || sizes_->count() == 0) {
            largest_ = largest;
            range_->setText(QStringLiteral("%1 to %2").arg(int(kMinPrintFontSize)).arg(largest));
            const QSignalBlocker quiet(sizes_);
            sizes_->clear();
            for (int size = int(kMinPrintFontSize); size <= largest; ++size)
                sizes_->addItem(QString::number(size));
        }
        // A size this family cannot print becomes the largest it can, in the box for all to see.
        bool whole = false;
        const int typed = typedSize(&whole);
        if (whole && typed > largest)
            size_->setText(QString::number(largest));
        sizeChanged();
    }

    void sizeChanged()
    {
        const bool fits = usable();
        ok_->setEnabled(fits);
        const QSignalBlocker quiet(sizes_);
        const QList<QListWidgetItem*> found = sizes_->findItems(size_->text(), Qt::MatchExactly);
        if (fits && !found.isEmpty())
            sizes_->setCurrentItem(found.front());
        else
            sizes_->setCurrentRow(-1);
        if (fits) {
            QFont regular(family_->currentText());
            regular.setStyle(QFont::StyleNormal);
            regular.setWeight(QFont::Normal);
            regular.setStretch(QFont::Unstretched);
            regular.setPointSize(size_->text().toInt());
            sample_->setFont(regular);
        }
    }

    QComboBox* family_ = nullptr;
    QLineEdit* size_ = nullptr;
    QLabel* range_ = nullptr;
    int largest_ = 0;
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

bool HasReportFace(const std::vector<FontFace>& faces)
{
    // Nearer to normal than to light or medium: fontconfig's "Book" weight counts as normal.
    return std::any_of(faces.begin(), faces.end(), [](const FontFace& face) {
        return face.style == QFont::StyleNormal && std::abs(face.weight - int(QFont::Normal)) < 50;
    });
}

QString FamilyWithoutMaker(const QString& family)
{
    static const QRegularExpression maker(QStringLiteral(R"( \[[^\]]*\]$)"));
    return QString(family).remove(maker);
}

QStringList ReportFontFamilies(const QStringList& listed, const std::function<std::vector<FontFace>(const QString&)>& facesOf)
{
    // A font asked for by a bare name is matched among the faces of every maker of that name, so
    // those are the faces the name is judged by. (The database's own styles of a bare name keep
    // one face for each style name, whichever maker's comes first.)
    QStringList names;
    QHash<QString, std::vector<FontFace>> faces;
    for (const QString& family : listed) {
        const QString name = FamilyWithoutMaker(family);
        if (!names.contains(name))
            names << name;
        const std::vector<FontFace> own = facesOf(family);
        faces[name].insert(faces[name].end(), own.begin(), own.end());
    }
    QStringList families;
    for (const QString& name : names)
        if (HasReportFace(faces.value(name)))
            families << name;
    return families;
}

QStringList ReportFontFamilies()
{
    QStringList scalable;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family) && QFontDatabase::isSmoothlyScalable(family))
            scalable << family;
    return ReportFontFamilies(scalable, FacesOf);
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

#include "Registry.moc"
