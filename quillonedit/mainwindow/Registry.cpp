#include "quillonedit/mainwindow/Registry.h"

#include "platform/Printer.h"
#include "platform/Services.h"
#include "quillonedit/printing/ReportComposer.h"

#include <QApplication>
#include <QFontDialog>
#include <QIntValidator>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QStringListModel>

#include <algorithm>
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

std::optional<FontChoice> realFontDialog(const FontChoice& current)
{
    QFont font(current.name);
    font.setPointSizeF(std::min(current.size, double(largestSize(current.name))));
    // Qt's own dialog, whose size box and size list can be held to the sizes a report page can
    // print in the font shown; a desktop's native dialog offers any size.
    QFontDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(font);
    QString boundFamily;
    const auto holdSizes = [&dialog, &boundFamily](const QFont& shown) {
        // The list of sizes is rebuilt for every family; trim it each time.
        const int largest = largestSize(shown.family());
        for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
            if (const auto* v = qobject_cast<const QIntValidator*>(edit->validator()); v && v->top() != largest)
                edit->setValidator(new QIntValidator(int(kMinPrintFontSize), largest, edit));
        for (QListView* list : dialog.findChildren<QListView*>()) {
            auto* sizes = qobject_cast<QStringListModel*>(list->model());
            if (!sizes || sizes->rowCount() == 0)
                continue;
            QStringList kept;
            bool allSizes = true;
            for (const QString& entry : sizes->stringList()) {
                bool ok = false;
                const int size = entry.toInt(&ok);
                allSizes = allSizes && ok;
                if (ok && size <= largest)
                    kept << entry;
            }
            if (allSizes && kept.size() < sizes->rowCount())
                sizes->setStringList(kept);
        }
        if (shown.pointSizeF() > largest && boundFamily != shown.family()) {
            boundFamily = shown.family();
            QFont held = shown;
            held.setPointSize(largest);
            dialog.setCurrentFont(held);
        }
    };
    QObject::connect(&dialog, &QFontDialog::currentFontChanged, &dialog, holdSizes);
    holdSizes(dialog.currentFont());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    return FontChoice{chosen.family(), chosen.pointSizeF()};
}

FontChooser& chooserSlot()
{
    static FontChooser chooser;
    return chooser;
}

} // namespace

void GetRegistry()
{
    platform::SettingsStore& store = *platform::services().settings;
    PrinterFontName = store.get(kSettingsApp, kPrinter, QStringLiteral("FontName"), QString());
    if (PrinterFontName.isEmpty())
        PrinterFontName = QStringLiteral("Arial");
    PrinterFontSize = store.get(kSettingsApp, kPrinter, QStringLiteral("FontSize"), QString());
    if (PrinterFontSize.isEmpty())
        PrinterFontSize = QStringLiteral("10");
    for (int i = 0; i < 4; ++i)
        RecentFiles[i] = store.get(kSettingsApp, kProjects, projectKey(i), QString());
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
