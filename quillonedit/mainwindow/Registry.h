#pragma once
// The settings the editor keeps between runs: the printer font of the reports and the four most
// recently used projects. The values are variables here; the print dialog reads the font through a
// function the main window gives it. Reading and writing them is in Registry.cpp.
#include "platform/WholeFile.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace quillon {

inline const QString kSettingsApp = QStringLiteral("Quillon");

inline QString PrinterFontName;   // "Printer" / "FontName"
inline QString PrinterFontSize;   // "Printer" / "FontSize", kept as text exactly as stored
// RecentFiles[0] is the newest entry ("Projects" / "File1"), RecentFiles[3] the oldest ("File4").
inline std::array<QString, 4> RecentFiles;

// Back to the empty start-up values (tests).
inline void resetRegistry()
{
    PrinterFontName.clear();
    PrinterFontSize.clear();
    RecentFiles = {};
}

// Reads the six settings, with "Arial" and "10" for an empty font name or size.
void GetRegistry();
// Writes the six settings in one step: all of them are stored, or none is and the result says why.
platform::WriteResult SaveRegistry();
// Where the store keeps them, to name it when a save fails.
QString RegistryLocation();

// Puts a project name at the top of the recent list unless it is already in it (exact,
// case-sensitive match); true when the list changed and the menu must be rebuilt.
bool AddRecentFile(const QString& name);
// The menu caption of the recent entry `number` (1..4): "&1 name", or "&1 .." and the last 26
// characters when the name is longer than 26.
QString RecentFileCaption(int number, const QString& name);

// The stored size as a number for the font dialog. A size that does not read as a number (edited
// by hand, or written under another locale) or that no report page can hold falls back to 10
// instead of blocking the dialog.
double PrintFontSizeValue(const QString& text);
// A chosen size as the text to store: locale digits, no trailing zeros (10, 10.5).
QString PrintFontSizeText(double size);

// The font dialog. Replaceable so a test can answer for the user: gets the current name and size,
// returns the chosen ones or nothing when cancelled.
struct FontChoice {
    QString name;
    double size = 10;
};
using FontChooser = std::function<std::optional<FontChoice>(const FontChoice& current)>;
void setFontChooser(FontChooser chooser);   // an empty chooser restores the real dialog

// One face of a font family: its slant and weight.
struct FontFace {
    QFont::Style style = QFont::StyleNormal;
    int weight = QFont::Normal;
};
// Whether a family's faces hold the one the reports print: upright, normal weight.
bool HasReportFace(const std::vector<FontFace>& faces);
// A family as the font database names it, without the " [maker]" it adds when two makers give
// one name: the name a font is asked for by, and the one stored.
QString FamilyWithoutMaker(const QString& family);
// The families the printer font dialog offers: scalable ones with the face the reports print,
// each named once, without its maker.
QStringList ReportFontFamilies();
// The same over a list of families as the font database names them and their faces: a name
// several makers give is offered when any of them has the face.
QStringList ReportFontFamilies(const QStringList& listed, const std::function<std::vector<FontFace>(const QString&)>& facesOf);

// File > Printer Font: shows the font dialog with the current printer font and keeps the choice,
// its size held within the sizes a report page can print.
void SelectPrintFont();

} // namespace quillon
