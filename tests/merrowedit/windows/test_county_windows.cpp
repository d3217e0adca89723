#include "merrowedit/data/ParameterFile.h"
#include "merrowedit/data/Settings.h"
#include "merrowedit/data/StateFiles.h"
#include "merrowedit/windows/Mwr_Rec.h"
#include "merrowedit/windows/Startup.h"
#include "merrowedit/windows/frmEnterFIP.h"
#include "merrowedit/windows/frmFIPEdit.h"
#include "merrowedit/windows/frmFIPS.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

#include "../data/DataFolderTest.h"
#include "ModalSteps.h"
#include "tests/support/QStringPrinter.h"
#include "../data/StateFolder.h"

using namespace merrow;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

constexpr int kAlabama = 0;
constexpr int kGeorgia = 9;
const QString kColumbus = stKey("Columbus GA", "162.400");
const QString kMontgomery = stKey("Montgomery AL", "162.550");
const QString kRussell = "001113  Russell                Alabama";
const QString kChattahoochee = "013053  Chattahoochee          Georgia";
const QString kMuscogee = "013215  Muscogee               Georgia";

class CountyWindowsTest : public DataFolderTest {
protected:
    void SetUp() override
    {
        DataFolderTest::SetUp();
        ASSERT_TRUE(states.isValid());
        SetStatesFolder(states.path());
        writeStateFiles(states.path(), {{kAlabama,
                                         {stLine("001005", "Barbour", kNoCoverage, ""),
                                          stLine("001113", "Russell", "Columbus GA", "162.400"),
                                          stLine("001113", "Russell", "Montgomery AL", "162.550"),
                                          stLine("001001", "Autauga", "Montgomery AL", "162.550")}},
                                        {kGeorgia,
                                         {stLine("013053", "Chattahoochee", "Columbus GA", "162.400"),
                                          stLine("013215", "Muscogee", "Columbus GA", "162.400")}}});
        SetDefaultData();
        StateID = kAlabama;
        window = std::make_unique<frmFIPS>();
        picker = window->picker;
    }
    void TearDown() override
    {
        window.reset();
        SetStatesFolder({});
        DataFolderTest::TearDown();
    }

    QStringList entries() const { return QStringList(FipEntries.begin(), FipEntries.begin() + kFipEntriesInFile); }
    static QStringList texts(const QListWidget* list)
    {
        QStringList t;
        for (int i = 0; i < list->count(); ++i)
            t << list->item(i)->text();
        return t;
    }
    void chooseState(int index)
    {
        picker->cmbState->setCurrentIndex(index);
        emit picker->cmbState->activated(index);
    }
    void chooseTransmitter(const QString& key)
    {
        const auto found = picker->lstCounty->findItems(key, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        picker->lstCounty->setCurrentItem(found.first());
    }
    void tick(int count)
    {
        for (int i = 0; i < window->lstFips->count(); ++i)
            window->lstFips->item(i)->setCheckState(i < count ? Qt::Checked : Qt::Unchecked);
    }

    QTemporaryDir states;
    std::unique_ptr<frmFIPS> window;
    frmEnterFIP* picker = nullptr;
    ModalSteps steps;
};

TEST_F(CountyWindowsTest, StartUpShowsTheSavedChoicesWithoutRunningTheirHandlers)
{
    FrequencyListingFilter = 1;   // 162.400
    TransmitterLocation = kColumbus.trimmed();
    const QStringList before = entries();
    LoadCountyWindows(*window);

    EXPECT_EQ(picker->cmbState->count(), kStateCount);
    EXPECT_EQ(picker->cmbLimit->count(), kFrequencyCount);
    EXPECT_EQ(picker->cmbState->currentText(), "Alabama");
    EXPECT_EQ(picker->cmbLimit->currentText(), "162.400");
    EXPECT_EQ(window->lblState->text(), "Alabama");
    EXPECT_EQ(window->lblTransmitter->text(), kColumbus.trimmed());
    EXPECT_EQ(texts(picker->lstCounty), QStringList{kColumbus});
    EXPECT_EQ(window->lstFips->count(), 4);
    EXPECT_EQ(window->selectedCount(), 4);
    EXPECT_EQ(entries(), before);
    EXPECT_TRUE(services.messageBox.shown.empty());

    // The saved transmitter shows highlighted; OK takes it again and lists its counties, unticked.
    const QList<QListWidgetItem*> highlighted = picker->lstCounty->selectedItems();
    ASSERT_EQ(highlighted.size(), 1);
    EXPECT_EQ(highlighted.first()->text(), kColumbus);
    picker->cmdOK->click();
    EXPECT_TRUE(services.messageBox.shown.empty());
    EXPECT_EQ(texts(window->lstFips), (QStringList{kRussell, kChattahoochee, kMuscogee}));
    EXPECT_EQ(window->selectedCount(), 0);
    EXPECT_EQ(entries(), before);
}

TEST_F(CountyWindowsTest, PickerChoicesLeaveTheEntriesToTheCountyWindow)
{
    LoadCountyWindows(*window);
    const QStringList before = entries();
    EXPECT_EQ(texts(picker->lstCounty), (QStringList{kColumbus, kMontgomery}));

    // A state, a filter, then Cancel: the entries and the county list stay.
    chooseState(kGeorgia);
    EXPECT_EQ(StateID, kGeorgia);
    EXPECT_EQ(texts(picker->lstCounty), QStringList{kColumbus});
    picker->cmbLimit->setCurrentIndex(7);
    emit picker->cmbLimit->activated(7);
    EXPECT_EQ(FrequencyListingFilter, 7);
    EXPECT_EQ(picker->lstCounty->count(), 0);
    picker->cmdCancel->click();
    EXPECT_EQ(entries(), before);
    EXPECT_EQ(window->lstFips->count(), 4);

    // OK without a transmitter: beep and message, nothing changes.
    picker->cmdOK->click();
    EXPECT_EQ(services.desktop.beeps, 1);
    EXPECT_EQ(services.messageBox.texts(), QStringList{" Error, No Transmitter Location Selected. "});
    EXPECT_EQ(window->lstFips->count(), 4);

    // A transmitter of two states lists the counties of both, each with its own state name.
    chooseState(kAlabama);
    picker->cmbLimit->setCurrentIndex(0);
    emit picker->cmbLimit->activated(0);
    chooseTransmitter(kColumbus);
    picker->cmdOK->click();
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_EQ(texts(window->lstFips), (QStringList{kRussell, kChattahoochee, kMuscogee}));
    EXPECT_EQ(window->selectedCount(), 0);
    EXPECT_EQ(TransmitterLocation, kColumbus);
    EXPECT_EQ(window->lblTransmitter->text(), kColumbus);
    EXPECT_EQ(window->lblState->text(), "Alabama");
    EXPECT_EQ(entries(), before);   // until the county window's OK
}

// The picker stands alone: it hands back the state and transmitter, and the county window (here
// none) decides what to show.
TEST_F(CountyWindowsTest, PickerHandsBackItsChoice)
{
    frmEnterFIP alone;
    QSignalSpy chosen(&alone, &frmEnterFIP::transmitterChosen);
    alone.FillStateCombo();
    alone.FillFrequencyCombo();
    alone.cmbState->setCurrentIndex(kAlabama);
    ASSERT_TRUE(alone.LoadStateTransmitters(kAlabama));
    const auto found = alone.lstCounty->findItems(kMontgomery, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    alone.lstCounty->setCurrentItem(found.first());
    alone.cmdOK->click();
    EXPECT_EQ(alone.result(), QDialog::Accepted);
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0].value(0).toString(), "Alabama");
    EXPECT_EQ(chosen[0].value(1).toString(), kMontgomery);
    EXPECT_EQ(TransmitterLocation, kMontgomery);
}

// Leaving the county window without OK (Esc, the close box) stores nothing, so the next opening
// shows the stored entries again, and a later OK stores them as they were.
TEST_F(CountyWindowsTest, OpeningShowsTheStoredEntries)
{
    LoadCountyWindows(*window);
    const QStringList before = entries();
    const std::function<void(frmFIPS&)> leaves[] = {
        [](frmFIPS& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](frmFIPS& w) { w.close(); },
    };
    for (const auto& leave : leaves) {
        window->show();
        ASSERT_EQ(window->lstFips->count(), 4);
        ASSERT_EQ(window->selectedCount(), 4);
        window->lstFips->item(0)->setCheckState(Qt::Unchecked);
        window->addItem(kMuscogee, true);
        leave(*window);
        ASSERT_FALSE(window->isVisible());
        EXPECT_EQ(entries(), before);

        window->show();
        EXPECT_EQ(window->lstFips->count(), 4);
        EXPECT_EQ(window->selectedCount(), 4);
        EXPECT_EQ(window->lstFips->item(0)->checkState(), Qt::Checked);
        window->cmdOK->click();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(entries(), before);
    }
}

// The county window and the picker are kept between openings, and each opening shows them where
// the last one left them: placed again, a re-shown window lands a title bar lower under some
// window managers.
TEST_F(CountyWindowsTest, EachOpeningShowsTheWindowsWhereTheyWere)
{
    window.reset();
    services.messageBox.answers = {MsgResult::Yes};   // the #199 question: default set
    const std::unique_ptr<Mwr_Rec> main = Main();
    main->endProgram = [] {};
    std::vector<QPoint> fipsAt, pickerAt;
    for (int opening = 0; opening < 2; ++opening) {
        steps.later([&] {
            auto* fips = qobject_cast<frmFIPS*>(QApplication::activeModalWidget());
            ASSERT_NE(fips, nullptr);
            fipsAt.push_back(fips->pos());
            steps.later([&] {
                QWidget* shown = QApplication::activeModalWidget();
                ASSERT_EQ(shown, fips->picker);
                pickerAt.push_back(shown->pos());
                // Moved by the user through the window system, as a title-bar drag does.
                shown->windowHandle()->setFramePosition(shown->pos() + QPoint(7, 9));
                QApplication::processEvents();
                fips->picker->cmdCancel->click();
            });
            fips->cmdSelect->click();
            if (HasFatalFailure())
                return;
            fips->windowHandle()->setFramePosition(fips->pos() + QPoint(5, 11));
            QApplication::processEvents();
            fips->reject();
        });
        main->toolButtonForTests("FIP Codes")->trigger();
        ASSERT_FALSE(HasFatalFailure());
    }
    ASSERT_EQ(fipsAt.size(), 2u);
    ASSERT_EQ(pickerAt.size(), 2u);
    EXPECT_EQ(fipsAt[1] - fipsAt[0], QPoint(5, 11));
    EXPECT_EQ(pickerAt[1] - pickerAt[0], QPoint(7, 9));
}

TEST_F(CountyWindowsTest, MissingStateFileIsReported)
{
    QFile::remove(states.path() + "/Al_102.st");
    LoadCountyWindows(*window);
    ASSERT_EQ(services.messageBox.shown.size(), 1u);
    EXPECT_EQ(services.messageBox.shown[0].text, "Error, State File  Al_102.st  is missing");
    EXPECT_EQ(services.messageBox.shown[0].icon, MsgIcon::None);
    EXPECT_EQ(picker->lstCounty->count(), 0);
}

TEST_F(CountyWindowsTest, OkStoresAtMost24TickedCounties)
{
    const struct {
        int ticked;
        std::deque<MsgResult> answers;
        QStringList messages;
        bool closes;
        bool stored;
    } cases[] = {
        {24, {}, {}, true, true},
        {25, {}, {" Error, More than 24 FIP codes selected. "}, false, false},
        {0, {MsgResult::No}, {" Error, No FIP Counties have been Selected\r\n Do you still want to Exit?"}, false, true},
        {0, {MsgResult::Yes}, {" Error, No FIP Counties have been Selected\r\n Do you still want to Exit?"}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ticked);
        SetDefaultData();
        window->lstFips->clear();
        for (int i = 0; i < 30; ++i)
            window->addItem(QStringLiteral("0480%1  County %1").arg(i, 2, 10, QChar('0')), false);
        tick(c.ticked);
        services.messageBox.shown.clear();
        services.messageBox.answers = c.answers;
        window->setResult(QDialog::Rejected);
        window->cmdOK->click();

        EXPECT_EQ(services.messageBox.texts(), c.messages);
        EXPECT_EQ(window->result() == QDialog::Accepted, c.closes);
        if (!c.stored) {
            EXPECT_EQ(FipEntries[0], "X 012011  Broward                Florida");
            continue;
        }
        EXPECT_EQ(FipEntries[0], (c.ticked ? "X " : "  ") + QString("048000  County 00"));
        EXPECT_EQ(FipEntries[23].left(2), c.ticked ? "X " : "  ");
        EXPECT_EQ(FipEntries[24], "  048024  County 24");
        EXPECT_EQ(FipEntries[29], "  048029  County 29");
        EXPECT_EQ(FipEntries[30], "");
    }
}

TEST_F(CountyWindowsTest, EditorBuildsTheEntryBody)
{
    // Add through the county window: FIP 012025, Dade, Florida.
    window->addItem(kRussell, true);
    steps.later([] {
        auto* editor = qobject_cast<frmFIPEdit*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->Frame1->title(), " Add new FIP code entry ");
        EXPECT_EQ(editor->lblInfo[1]->text(), "2.  Enter County Name (18 caracters max).");
        editor->txtFIP->setText("012025");
        editor->txtCounty->setText("Dade");
        editor->txtState->setText("Florida");
        editor->cmdOK->click();
    });
    window->cmdAdd->click();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_EQ(texts(window->lstFips), (QStringList{kRussell, "012025  Dade                   Florida"}));
    EXPECT_EQ(window->lstFips->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(FipEditIndex, 1);

    // Edit keeps the longest state name and county name whole; the state still starts in column 32.
    const QString dc = "011001  District of Columbia   District Of Columbia";
    const QString longest = "051001  Abcdefghijklmnopqrstuv Virginia";
    for (const QString& entry : {dc, longest}) {
        FipEditEntry = entry;
        FipEditMode = kFipEditEdit;
        frmFIPEdit editor;
        editor.Form_Activate();
        editor.cmdOK_Click();
        EXPECT_EQ(editor.result(), QDialog::Accepted);
        EXPECT_EQ(FipEditResult, entry);
        EXPECT_EQ(editor.lblInfo[3]->text(), "");
    }
}

namespace {

// The box shows its whole text when going from the text's start to its end does not scroll it.
bool showsWholeText(QLineEdit* box)
{
    box->setCursorPosition(0);
    box->grab();   // the box places its text when it paints
    const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    box->end(false);
    box->grab();
    const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    return end - start >= box->fontMetrics().horizontalAdvance(box->text()) - 1;
}

// Left edge of a caption's text and its right edge, in window coordinates.
std::pair<int, int> captionText(const QWidget* window, const QString& text)
{
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text() != text)
            continue;
        const int left = label->mapTo(window, label->contentsRect().topLeft()).x();
        return {left, left + label->fontMetrics().horizontalAdvance(text)};
    }
    ADD_FAILURE() << "no caption " << text.toStdString();
    return {};
}

} // namespace

// Whatever the fonts, the entry editor's boxes show their longest texts whole, and the county
// window's column captions stand apart.
TEST_F(CountyWindowsTest, EditorBoxesAndColumnCaptionsShowTheirWholeText)
{
    for (const QFont& font : {QApplication::font(), QFont(QApplication::font().family(), 16, QFont::Bold)}) {
        SCOPED_TRACE(font.toString().toStdString());
        const QFont before = QApplication::font();
        QApplication::setFont(font);
        FipEditEntry = "011001  District of Columbia   District Of Columbia";
        FipEditMode = kFipEditEdit;
        frmFIPEdit editor;
        editor.show();
        for (QLineEdit* box : {editor.txtFIP, editor.txtCounty, editor.txtState}) {
            EXPECT_TRUE(showsWholeText(box)) << box->text().toStdString();
            box->setText(QString(box->maxLength(), u'W'));
            EXPECT_TRUE(showsWholeText(box)) << box->text().toStdString();
        }

        frmFIPS counties;
        counties.show();
        counties.grab();
        const int fipRight = captionText(&counties, "FIP Code").second;
        const int countyLeft = captionText(&counties, "County").first;
        const int space = QFontMetrics(font).horizontalAdvance(u' ');
        EXPECT_GE(countyLeft - fipRight, space);
        QApplication::setFont(before);
    }
}

TEST_F(CountyWindowsTest, EditorAcceptsSixDigitsAndNoComma)
{
    const QString lengthError = " Error.. FIP Code Entry Incorrect Digit Length. \r\n Valid FIP Codes Are Six (6) Digits. \r\n";
    const QString commaError = " Error.. County and State Names Can Not Hold a Comma. \r\n";
    const struct {
        QString fip, county, state, message;
    } cases[] = {
        {"012025", "Dade", "Florida", ""},
        {"012025", " Dade ", " Florida", ""},
        {" 12345", "Dade", "Florida", lengthError},
        {"12345", "Dade", "Florida", lengthError},
        {"01202a", "Dade", "Florida", lengthError},
        {"", "", "", lengthError},
        {"012025", "Dade, Miami", "Florida", commaError},
        {"012025", "Dade", "Florida,", commaError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fip.toStdString() + "|" + c.county.toStdString());
        services.messageBox.shown.clear();
        FipEditMode = kFipEditAdd;
        frmFIPEdit editor;
        editor.Form_Activate();
        editor.txtFIP->setText(c.fip);
        editor.txtCounty->setText(c.county);
        editor.txtState->setText(c.state);
        editor.cmdOK_Click();
        EXPECT_EQ(editor.result() == QDialog::Accepted, c.message.isEmpty());
        EXPECT_EQ(services.messageBox.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        if (c.message.isEmpty()) {
            EXPECT_EQ(FipEditResult, "012025  Dade                   Florida");
        }
    }
}

// The parameter file keeps Latin-1 only: anything beyond it would come back as "?".
TEST_F(CountyWindowsTest, EditorRefusesWhatTheParameterFileCannotKeep)
{
    const char* const refused = " Error.. County and State Names Can Not Hold the Character \"%1\". \r\n";
    const struct {
        QString county, state, message;
    } cases[] = {
        {"Prince George\u2019s", "Maryland", QString(refused).arg("\u2019")},
        {"Dade", "Florida \U0001F600", QString(refused).arg("\U0001F600")},
        {"Prince George's", "Maryland", ""},
        {"Do\u00F1a Ana", "New Mexico", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.county.toStdString());
        services.messageBox.shown.clear();
        FipEditMode = kFipEditAdd;
        frmFIPEdit editor;
        editor.Form_Activate();
        editor.txtFIP->setText("024033");
        editor.txtCounty->setText(c.county);
        editor.txtState->setText(c.state);
        editor.cmdOK_Click();
        EXPECT_EQ(editor.result() == QDialog::Accepted, c.message.isEmpty());
        EXPECT_EQ(services.messageBox.texts(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
    }
}

TEST_F(CountyWindowsTest, ListEditsAndTheNinetyNineLimit)
{
    for (int i = 0; i < kCountyListLimit; ++i)
        window->addItem(QStringLiteral("048%1  County With A Long Name %1").arg(i, 3, 10, QChar('0')), false);
    window->lstFips->setCurrentRow(5);
    // Should an editor open anyway, close it so the test ends.
    steps.later([] {
        if (auto* editor = qobject_cast<frmFIPEdit*>(QApplication::activeModalWidget()))
            editor->reject();
    });
    window->cmdCopy->click();
    window->cmdAdd->click();
    EXPECT_EQ(window->lstFips->count(), kCountyListLimit);
    ASSERT_EQ(services.messageBox.shown.size(), 2u);
    EXPECT_EQ(services.messageBox.shown[0].text, " Error, The FIP list is full: it holds at most 99 counties. ");

    services.messageBox.shown.clear();
    services.messageBox.answers = {MsgResult::No, MsgResult::Yes};
    window->cmdRemove->click();
    window->cmdRemove->click();
    EXPECT_EQ(services.messageBox.texts().value(0),
              "Are you sure you want to remove FIP county:\r\n048005  County With A Long N");
    EXPECT_EQ(services.messageBox.shown[0].title, "Merrow FIP Edit");
    EXPECT_EQ(window->lstFips->count(), kCountyListLimit - 1);

    window->cmdCopy->click();
    EXPECT_EQ(window->lstFips->count(), kCountyListLimit);
    EXPECT_EQ(window->lstFips->item(kCountyListLimit - 1)->text(), window->lstFips->currentItem()->text());
}

TEST_F(CountyWindowsTest, MarkerBlinksOnlyWhileTheListIsEmpty)
{
    std::vector<bool> shown;
    for (int tickCount = 0; tickCount < 3; ++tickCount) {
        window->tmrBlink_Timer();
        shown.push_back(!window->shpMarker->isHidden());
    }
    window->addItem(kRussell, false);
    window->tmrBlink_Timer();
    shown.push_back(!window->shpMarker->isHidden());
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false}));
}

// As a user would: the toolbar button, a state and transmitter, two counties ticked, a saving exit.
TEST_F(CountyWindowsTest, ChosenCountiesReachTheParameterFile)
{
    window.reset();
    services.messageBox.answers = {MsgResult::Yes};   // the #199 question: default set
    const std::unique_ptr<Mwr_Rec> main = Main();
    main->endProgram = [] {};

    steps.later([this] {
        auto* fips = qobject_cast<frmFIPS*>(QApplication::activeModalWidget());
        ASSERT_NE(fips, nullptr);
        EXPECT_EQ(fips->lstFips->count(), 4);
        picker = fips->picker;
        steps.later([this] {
            ASSERT_EQ(QApplication::activeModalWidget(), picker);
            chooseState(kAlabama);
            chooseTransmitter(kColumbus);
            picker->cmdOK->click();
        });
        fips->cmdSelect->click();
        if (HasFatalFailure())
            return;
        fips->lstFips->item(0)->setCheckState(Qt::Checked);
        fips->lstFips->item(2)->setCheckState(Qt::Checked);
        fips->cmdOK->click();
    });
    main->toolButtonForTests("FIP Codes")->trigger();
    ASSERT_FALSE(HasFatalFailure());
    main->SaveAndExit();

    QFile file(DataFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    EXPECT_EQ(lines.mid(2, 4), (QStringList{"X " + kRussell, "  " + kChattahoochee, "X " + kMuscogee, ""}));
    EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/StateID"), "0");
    EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/TransmitterLocation"), kColumbus);
}

// The picker's state, filter and transmitter belong with the counties it lists: the county
// window's OK keeps them, any other way out puts back what they were when it opened, so a saving
// exit never names a transmitter whose counties were not kept.
TEST_F(CountyWindowsTest, OnlyTheCountyWindowsOkKeepsThePickersChoice)
{
    window.reset();
    const QString montgomery = kMontgomery.trimmed();
    const struct {
        const char* how;
        std::function<void(frmFIPS&)> leave;
        bool kept;
    } cases[] = {
        {"Esc", [](frmFIPS& w) { QTest::keyClick(&w, Qt::Key_Escape); }, false},
        {"close box", [](frmFIPS& w) { w.close(); }, false},
        {"OK", [](frmFIPS& w) { w.cmdOK->click(); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        services.settings.values.clear();
        services.settings.values["Merrow/EDITOR/StateID"] = "0";
        services.settings.values["Merrow/EDITOR/TransmitterLocation"] = montgomery;
        services.settings.values["Merrow/EDITOR/FrequencyListingFilter"] = "0";
        QFile::remove(DataFilePath());
        // The #199 question, then (OK only) the one about leaving with no county ticked.
        services.messageBox.answers = {MsgResult::Yes, MsgResult::Yes};
        const std::unique_ptr<Mwr_Rec> main = Main();
        main->endProgram = [] {};
        frmFIPS* fips = nullptr;
        steps.later([&] {
            fips = qobject_cast<frmFIPS*>(QApplication::activeModalWidget());
            ASSERT_NE(fips, nullptr);
            picker = fips->picker;
            steps.later([this] {
                ASSERT_EQ(QApplication::activeModalWidget(), picker);
                chooseState(kGeorgia);
                picker->cmbLimit->setCurrentIndex(1);   // 162.400
                emit picker->cmbLimit->activated(1);
                chooseTransmitter(kColumbus);
                picker->cmdOK->click();
            });
            fips->cmdSelect->click();
            if (HasFatalFailure())
                return;
            ASSERT_EQ(TransmitterLocation, kColumbus);
            c.leave(*fips);
            EXPECT_FALSE(fips->isVisible());
        });
        main->toolButtonForTests("FIP Codes")->trigger();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_NE(fips, nullptr);

        EXPECT_EQ(TransmitterLocation, c.kept ? kColumbus : montgomery);
        EXPECT_EQ(StateID, c.kept ? kGeorgia : kAlabama);
        EXPECT_EQ(FrequencyListingFilter, c.kept ? 1 : 0);
        EXPECT_EQ(fips->lblState->text(), c.kept ? "Georgia" : "Alabama");
        EXPECT_EQ(fips->lblTransmitter->text(), c.kept ? kColumbus : montgomery);
        // The picker shows the same choice again, its transmitter highlighted.
        EXPECT_EQ(picker->cmbState->currentText(), c.kept ? "Georgia" : "Alabama");
        EXPECT_EQ(picker->cmbLimit->currentText(), c.kept ? "162.400" : "All");
        EXPECT_EQ(texts(picker->lstCounty), c.kept ? QStringList{kColumbus} : (QStringList{kColumbus, kMontgomery}));
        const QList<QListWidgetItem*> highlighted = picker->lstCounty->selectedItems();
        ASSERT_EQ(highlighted.size(), 1);
        EXPECT_EQ(highlighted.first()->text(), c.kept ? kColumbus : kMontgomery);

        main->SaveAndExit();
        EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/TransmitterLocation"),
                  c.kept ? kColumbus : montgomery);
        EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/StateID"), c.kept ? "9" : "0");
        EXPECT_EQ(services.settings.values.value("Merrow/EDITOR/FrequencyListingFilter"), c.kept ? "1" : "0");
    }
}

} // namespace
