#include "quillonedit/mainwindow/Registry.h"

#include "platform/Services.h"
#include "quillonedit/printing/ReportComposer.h"

#include <QApplication>
#include <QFontDialog>
#include <QIntValidator>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace quillon {
namespace {

const QString kPrinter = QStringLiteral("Printer");
const QString kProjects = QStringLiteral("Projects");
constexpr int kShownNameChars = 26;

QString projectKey(int i) { return QStringLiteral("File%1").arg(i + 1); }

std::optional<FontChoice> realFontDialog(const FontChoice& current)
{
    QFont font(current.name);
    font.setPointSizeF(current.size);
    // Qt's own dialog, whose size box can be held to the sizes a report page can print (its list
    // of sizes ends at 72 already); a desktop's native dialog offers any size.
    QFontDialog dialog(QApplication::activeWindow());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setCurrentFont(font);
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (qobject_cast<const QIntValidator*>(edit->validator()))
            edit->setValidator(new QIntValidator(int(kMinPrintFontSize), int(kMaxPrintFontSize), edit));
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
    bool ok = false;
    float size = QLocale().toFloat(text, &ok);
    if (!ok)
        size = QLocale::c().toFloat(text, &ok);
    // A size no report page can hold opens the dialog as one that is no number does.
    if (!ok || !(size >= kMinPrintFontSize && size <= kMaxPrintFontSize))
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
    PrinterFontSize = PrintFontSizeText(std::clamp(chosen->size, kMinPrintFontSize, kMaxPrintFontSize));
}

} // namespace quillon
