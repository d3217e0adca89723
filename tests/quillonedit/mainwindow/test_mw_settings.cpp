// Settings of the editor: defaults, what is written where, the recent-file list and the printer
// font size, with the scripted settings store (the user's real settings are never touched).
#include "platform/testing/ScriptedServices.h"
#include "quillonedit/mainwindow/Registry.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace quillon;

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetRegistry();
        setFontChooser({});
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        setFontChooser({});
        QLocale::setDefault(QLocale::c());
    }
    platform::doubles::ScriptedServices s;
};

// The parts of the printer font dialog a test drives.
struct FontDialog {
    QDialog* dialog = nullptr;
    QComboBox* family = nullptr;
    QLineEdit* size = nullptr;
    QLabel* range = nullptr;
    QListWidget* sizes = nullptr;
    QLabel* sample = nullptr;
    QPushButton* ok = nullptr;
};

// File > Printer Font with the real dialog, `drive` acting as the user once it is open. A dialog a
// failed step leaves open is cancelled, so the test never waits for it.
void SelectPrintFontDrivenBy(const std::function<void(const FontDialog&)>& drive)
{
    QTimer::singleShot(0, [&] {
        [&] {
            FontDialog d;
            d.dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d.dialog, nullptr);
            d.family = d.dialog->findChild<QComboBox*>("family");
            d.size = d.dialog->findChild<QLineEdit*>("size");
            d.range = d.dialog->findChild<QLabel*>("range");
            d.sizes = d.dialog->findChild<QListWidget*>("sizes");
            d.sample = d.dialog->findChild<QLabel*>("sample");
            auto* buttons = d.dialog->findChild<QDialogButtonBox*>();
            ASSERT_TRUE(d.family && d.size && d.range && d.sizes && d.sample && buttons);
            d.ok = buttons->button(QDialogButtonBox::Ok);
            drive(d);
        }();
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()); dialog && dialog->isVisible())
            dialog->reject();
    });
    SelectPrintFont();
}

TEST_F(Settings, FirstRunTakesTheDefaultFontAndNoRecentFiles)
{
    GetRegistry();
    EXPECT_EQ(PrinterFontName, "Arial");
    EXPECT_EQ(PrinterFontSize, "10");
    for (const QString& entry : RecentFiles)
        EXPECT_TRUE(entry.isEmpty());
}

TEST_F(Settings, StoredValuesAreReadAsTheyAreAndEmptyOnesTakeTheDefault)
{
    s.settings.values["Quillon/Printer/FontName"] = "";
    s.settings.values["Quillon/Printer/FontSize"] = " 11 ";
    s.settings.values["Quillon/Projects/File2"] = "/p/two.001";
    GetRegistry();
    EXPECT_EQ(s.settings.loadCount, 1);   // all six from one read of the store
    EXPECT_EQ(PrinterFontName, "Arial");
    EXPECT_EQ(PrinterFontSize, " 11 ");   // nothing trimmed
    EXPECT_EQ(RecentFiles[0], "");
    EXPECT_EQ(RecentFiles[1], "/p/two.001");
}

TEST_F(Settings, SaveWritesAllSixValuesUnderQuillon)
{
    PrinterFontName = "Courier New";
    PrinterFontSize = "10.5";
    RecentFiles = {"/a.001", "", "/c.001", ""};
    EXPECT_TRUE(SaveRegistry());
    const QMap<QString, QString> expected{
        {"Quillon/Printer/FontName", "Courier New"}, {"Quillon/Printer/FontSize", "10.5"},
        {"Quillon/Projects/File1", "/a.001"},        {"Quillon/Projects/File2", ""},
        {"Quillon/Projects/File3", "/c.001"},        {"Quillon/Projects/File4", ""},
    };
    EXPECT_EQ(s.settings.values, expected);
}

TEST_F(Settings, AFailedSaveIsReported)
{
    s.settings.failSaves = true;
    GetRegistry();
    EXPECT_FALSE(SaveRegistry());
}

TEST_F(Settings, FiveOpensKeepTheLastFourNewestFirst)
{
    for (const char* name : {"/p/1.001", "/p/2.001", "/p/3.001", "/p/4.001", "/p/5.001"})
        EXPECT_TRUE(AddRecentFile(name));
    EXPECT_EQ(RecentFiles, (std::array<QString, 4>{"/p/5.001", "/p/4.001", "/p/3.001", "/p/2.001"}));
}

TEST_F(Settings, ReopeningAListedProjectKeepsTheOrder)
{
    RecentFiles = {"/p/a.001", "/p/b.001", "/p/c.001", "/p/d.001"};
    EXPECT_FALSE(AddRecentFile("/p/c.001"));
    EXPECT_EQ(RecentFiles, (std::array<QString, 4>{"/p/a.001", "/p/b.001", "/p/c.001", "/p/d.001"}));
}

TEST_F(Settings, NamesDifferingInCaseAreDifferentEntries)
{
    RecentFiles = {"/p/a.001", "", "", ""};
    EXPECT_TRUE(AddRecentFile("/p/A.001"));
    EXPECT_EQ(RecentFiles[0], "/p/A.001");
    EXPECT_EQ(RecentFiles[1], "/p/a.001");
}

TEST_F(Settings, RecentCaptionsShowAtMost26CharactersOfTheName)
{
    const QString name26 = "/home/op/site/repeater.001";   // 26 characters
    const QString name27 = "/home/op/sites/repeater.001";  // 27 characters
    ASSERT_EQ(name26.size(), 26);
    ASSERT_EQ(name27.size(), 27);
    struct Row { int number; QString name; QString caption; };
    const std::vector<Row> rows = {
        {1, name26, "&1 /home/op/site/repeater.001"},
        {1, name27, "&1 ..home/op/sites/repeater.001"},
        {2, "C:/Rpt/site.001", "&2 C:/Rpt/site.001"},
        {4, name27, "&4 ..home/op/sites/repeater.001"},
        {3, "/x/R&D.001", "&3 /x/R&&D.001"},   // an ampersand in a path is shown, not taken as access key
    };
    for (const Row& r : rows)
        EXPECT_EQ(RecentFileCaption(r.number, r.name), r.caption) << r.name.toStdString();
}

TEST_F(Settings, ChosenFontSizesAreStoredWithoutTrailingZeros)
{
    EXPECT_EQ(PrintFontSizeText(12.0), "12");
    EXPECT_EQ(PrintFontSizeText(10.5), "10.5");
    EXPECT_EQ(PrintFontSizeText(8.25), "8.25");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(PrintFontSizeText(10.5), "10,5");
}

TEST_F(Settings, StoredSizesReadUnderEitherSeparatorAndNonsenseFallsBackTo10)
{
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("12"), 12.0);
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("10.5"), 10.5);
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("ten"), 10.0);
    EXPECT_DOUBLE_EQ(PrintFontSizeValue(""), 10.0);
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("-3"), 10.0);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("10,5"), 10.5);
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("10.5"), 10.5);   // written under a point locale
}

TEST_F(Settings, PrinterFontDialogStartsFromTheCurrentFontAndKeepsTheChoice)
{
    GetRegistry();
    std::optional<FontChoice> seen;
    setFontChooser([&](const FontChoice& current) {
        seen = current;
        return FontChoice{"Courier New", 10.5};
    });
    SelectPrintFont();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->name, "Arial");
    EXPECT_DOUBLE_EQ(seen->size, 10.0);
    EXPECT_EQ(PrinterFontName, "Courier New");
    EXPECT_EQ(PrinterFontSize, "10.5");
    EXPECT_EQ(s.settings.saveCount, 0);   // stored only when the editor closes
}

TEST_F(Settings, CancellingThePrinterFontDialogChangesNothing)
{
    PrinterFontName = "Times";
    PrinterFontSize = "9";
    setFontChooser([](const FontChoice&) { return std::optional<FontChoice>(); });
    SelectPrintFont();
    EXPECT_EQ(PrinterFontName, "Times");
    EXPECT_EQ(PrinterFontSize, "9");
}

TEST_F(Settings, AStoredSizeThatIsNotANumberStillOpensTheDialog)
{
    s.settings.values["Quillon/Printer/FontSize"] = "zwölf";
    GetRegistry();
    int calls = 0;
    setFontChooser([&](const FontChoice& current) {
        ++calls;
        EXPECT_DOUBLE_EQ(current.size, 10.0);
        return FontChoice{"Arial", 12};
    });
    SelectPrintFont();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(PrinterFontSize, "12");
}

// The real dialog, driven as a user would: it offers and takes only the sizes from 4 up to the
// largest the report fits the paper with (12 on the recording printer), shows the family's regular
// face, and OK hands back what its size box and sample show.
TEST_F(Settings, ThePrinterFontDialogShowsOnlyWhatItStores)
{
    PrinterFontName = "DejaVu Sans";
    PrinterFontSize = "20";   // more than the paper takes: the dialog opens on the largest it does
    bool ran = false;
    SelectPrintFontDrivenBy([&](const FontDialog& d) {
        [[maybe_unused]] const auto& [dialog, family, size, range, sizes, sample, ok] = d;
        const auto shownSizes = [sizes] {
            QStringList out;
            for (int i = 0; i < sizes->count(); ++i)
                out << sizes->item(i)->text();
            return out;
        };
        EXPECT_EQ(family->currentText(), "DejaVu Sans");
        QStringList listed;
        for (int i = 0; i < family->count(); ++i)
            listed << family->itemText(i);
        EXPECT_EQ(listed, ReportFontFamilies());
        EXPECT_EQ(shownSizes(), (QStringList{"4", "5", "6", "7", "8", "9", "10", "11", "12"}));
        EXPECT_EQ(size->text(), "12");
        EXPECT_EQ(sample->font().pointSize(), 12);
        EXPECT_EQ(sample->font().style(), QFont::StyleNormal);
        EXPECT_EQ(sample->font().weight(), QFont::Normal);
        EXPECT_EQ(sample->font().stretch(), int(QFont::Unstretched));

        // OK waits for a size the box accepts.
        size->selectAll();
        QTest::keyClicks(size, "2");
        EXPECT_FALSE(ok->isEnabled());
        QTest::keyClicks(size, "\b5");
        EXPECT_EQ(size->text(), "5");
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_EQ(sample->font().pointSize(), 5);
        EXPECT_EQ(shownSizes().size(), 9);   // typing leaves the list as it was
        EXPECT_EQ(sizes->currentItem()->text(), "5");

        // A size picked from the list goes into the box and the sample.
        sizes->setCurrentRow(shownSizes().indexOf("11"));
        EXPECT_EQ(size->text(), "11");
        EXPECT_EQ(sample->font().pointSize(), 11);
        ran = true;
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(PrinterFontName, "DejaVu Sans");
    EXPECT_EQ(PrinterFontSize, "11");
}

// The size box shows what is typed: a size out of the range written beside it keeps OK greyed and
// Enter does nothing, and the list shows no size; only a size in range is stored.
TEST_F(Settings, ThePrinterFontDialogRefusesASizeOutOfRangeAsTyped)
{
    PrinterFontName = "DejaVu Sans";
    PrinterFontSize = "8";
    bool ran = false;
    SelectPrintFontDrivenBy([&](const FontDialog& d) {
        [[maybe_unused]] const auto& [dialog, family, size, range, sizes, sample, ok] = d;
        EXPECT_EQ(range->text(), "4 to 12");   // the recording printer's paper
        EXPECT_TRUE(range->isVisibleTo(dialog));
        for (const char* typed : {"100", "72", "14", "13"}) {
            size->selectAll();
            QTest::keyClicks(size, typed);
            EXPECT_EQ(size->text(), typed);
            EXPECT_FALSE(ok->isEnabled()) << typed;
            EXPECT_EQ(sizes->currentRow(), -1) << typed;
            QTest::keyClick(size, Qt::Key_Return);
            ASSERT_TRUE(dialog->isVisible()) << typed;
        }
        size->selectAll();
        QTest::keyClicks(size, "12");
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_EQ(sizes->currentItem()->text(), "12");
        EXPECT_EQ(sample->font().pointSize(), 12);
        ran = true;
        QTest::keyClick(size, Qt::Key_Return);
    });
    ASSERT_TRUE(ran);
    EXPECT_EQ(PrinterFontSize, "12");
}

TEST_F(Settings, F1InThePrinterFontDialogOpensItsOwnTopic)
{
    QString opened;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog)) {
            QTest::keyClick(dialog->findChild<QLineEdit*>("size"), Qt::Key_F1);
            opened = s.help.calls.value(0);
        }
        dialog->reject();
    });
    SelectPrintFont();
    EXPECT_TRUE(opened.startsWith("topic 105 ")) << opened.toStdString();
    EXPECT_TRUE(opened.endsWith("/Help/Quillon.hlp"));
}

// Reports print a family's upright regular face: a family without one (only italic faces, say) is
// not offered, whatever else it has.
TEST(PrinterFontFamilies, OnlyFamiliesWithAnUprightRegularFaceAreOffered)
{
    using F = FontFace;
    struct Row {
        const char* what;
        std::vector<FontFace> faces;
        bool offered;
    };
    const Row rows[] = {
        {"regular", {F{QFont::StyleNormal, QFont::Normal}}, true},
        {"fontconfig's book weight", {F{QFont::StyleNormal, 383}}, true},
        {"italic faces and a regular one", {F{QFont::StyleItalic, QFont::Normal}, F{QFont::StyleItalic, QFont::Bold}, F{QFont::StyleNormal, QFont::Normal}}, true},
        {"italic faces only", {F{QFont::StyleItalic, QFont::Normal}, F{QFont::StyleItalic, QFont::Bold}}, false},
        {"oblique only", {F{QFont::StyleOblique, QFont::Normal}}, false},
        {"upright bold only", {F{QFont::StyleNormal, QFont::Bold}}, false},
        {"upright light and medium", {F{QFont::StyleNormal, QFont::Light}, F{QFont::StyleNormal, QFont::Medium}}, false},
        {"no faces", {}, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(HasReportFace(r.faces), r.offered) << r.what;

    EXPECT_EQ(FamilyWithoutMaker("Nimbus Sans Narrow [urw]"), "Nimbus Sans Narrow");
    EXPECT_EQ(FamilyWithoutMaker("Nimbus Sans [URW ]"), "Nimbus Sans");
    EXPECT_EQ(FamilyWithoutMaker("DejaVu Sans"), "DejaVu Sans");

    // A name several makers give stands once, offered when any maker has the face: a font asked
    // for by that name is matched among all their faces.
    const F regular{QFont::StyleNormal, QFont::Normal}, italic{QFont::StyleItalic, QFont::Normal};
    const F medium{QFont::StyleNormal, QFont::Medium}, bold{QFont::StyleNormal, QFont::Bold};
    const std::map<QString, std::vector<FontFace>> database = {
        {"P052 [urw]", {italic, medium, bold}},   {"P052 [UKWN]", {italic, regular}},
        {"Nimbus Sans [URW ]", {italic}},         {"Nimbus Sans [urw]", {regular, italic}},
        {"Z003 [urw]", {italic}},                 {"Z003 [UKWN]", {italic}},
        {"DejaVu Sans", {regular, bold}},         {"URW Bookman [urw]", {F{QFont::StyleNormal, QFont::Light}, bold}},
    };
    QStringList listed;
    for (const auto& [family, faces] : database)
        listed << family;
    const auto facesOf = [&database](const QString& family) { return database.at(family); };
    EXPECT_EQ(ReportFontFamilies(listed, facesOf), (QStringList{"DejaVu Sans", "Nimbus Sans", "P052"}));

    QStringList families = ReportFontFamilies();
    EXPECT_TRUE(families.contains("DejaVu Sans"));
    EXPECT_EQ(families.removeDuplicates(), 0);
    for (const QString& family : families)
        EXPECT_FALSE(family.contains(" [")) << family.toStdString();
}

// A stored size no report page can hold opens the dialog as a size that is no number does, and
// what the dialog hands back stays within the sizes at which the report fits the printer's paper.
TEST_F(Settings, AStoredSizeOutsideThePrintableRangeOpensTheDialogAt10)
{
    for (const QString stored : {"200", "32767", "inf", "nan", "3", "72.5"}) {
        s.settings.values["Quillon/Printer/FontSize"] = stored;
        GetRegistry();
        EXPECT_EQ(PrinterFontSize, stored);   // kept as stored until a size is chosen
        std::optional<FontChoice> seen;
        setFontChooser([&](const FontChoice& current) {
            seen = current;
            return FontChoice{"Arial", 200};
        });
        SelectPrintFont();
        ASSERT_TRUE(seen) << stored.toStdString();
        EXPECT_DOUBLE_EQ(seen->size, 10.0) << stored.toStdString();
        EXPECT_EQ(PrinterFontSize, "12") << stored.toStdString();   // the recording printer's paper
    }
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("4"), 4.0);
    EXPECT_DOUBLE_EQ(PrintFontSizeValue("72"), 72.0);
}

} // namespace
