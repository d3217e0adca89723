#include "merrowedit/data/EventTable.h"
#include "merrowedit/data/Messages.h"
#include "platform/testing/ScriptedServices.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/QStringPrinter.h"

using namespace merrow;

TEST(Messages, EveryCodeShowsItsExactText)
{
    platform::doubles::ScriptedServices s;
    const std::pair<int, const char*> rows[] = {
        {1, "Error #201:  Selected Serial Port will not open"},
        {2, "Error #202:  Serial Connection Not Established\r\nNote: Insure receiver monitor switch is DOWN. "},
        {3, " Error, No Transmitter Location Selected. "},
        {5, " Error, More than 24 FIP codes selected. "},
        {10, "Error #301:  No History Data to Print. "},
        {12, "Error #303:  No History Data to Save. "},
        {50, "Error #500:  Could not load your Web Browser. "},
    };
    for (const auto& [code, text] : rows) {
        s.messageBox.shown.clear();
        ShowErrorMessage(code);
        ASSERT_EQ(s.messageBox.shown.size(), 1u) << code;
        const platform::MessageRequest& r = s.messageBox.shown[0];
        EXPECT_EQ(r.text, QString::fromLatin1(text)) << code;
        EXPECT_EQ(r.title, "Merrow Digital Weather Receiver");
        EXPECT_EQ(r.buttons, platform::MsgButtons::OK);
        EXPECT_EQ(r.icon, platform::MsgIcon::Exclamation);
    }
    s.messageBox.shown.clear();
    ShowErrorMessage(4);
    EXPECT_TRUE(s.messageBox.shown.empty());
}

TEST(Messages, DataFileErrorEndsTheProgramAfterTheBox)
{
    platform::doubles::ScriptedServices s;
    int argc = 1;
    char name[] = "merrow_data_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    std::size_t boxesWhenShown = 0;
    QTimer::singleShot(0, [&] {
        ShowDataFileError(8);
        boxesWhenShown = s.messageBox.shown.size();
    });
    QTimer guard;   // a program that never ends fails the test instead of hanging it
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    EXPECT_EQ(app.exec(), EXIT_FAILURE);
    EXPECT_EQ(boxesWhenShown, 1u);
    EXPECT_EQ(s.messageBox.texts(), QStringList{"Error #108:  Missing or Corrupted Merrow Frequency Limit Parameter"});
    EXPECT_EQ(s.messageBox.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_EQ(s.messageBox.shown[0].title, "Merrow Digital Weather Receiver");
}

TEST(EventTable, DisplayTextsAndClassesKeepTheirSpelling)
{
    const std::tuple<const char*, const char*, int> rows[] = {
        {"ADR", "Administration Message", 0},
        {"LEW", "Law Inforcement Warning", 1},
        {"RHW", "Radiological Harzard Warning", 1},
        {"HMA", "Hazards Material Watch", 2},
        {"HUW", "Hurricane / Tropical Storm Warning", 1},
        {"HWW", "High Wind Warning", 1},
        {"DMO", "System Demo / Practice", 0},
        {"SVR", "Severe Thunderstorm Warning", 1},
        {"TOA", "Tornado Watch", 2},
        {"RMT", "Required Monthly Test", 0},
        {"tor", "Unknown Event Code", 0},
        {"EAN", "Unknown Event Code", 0},
        {"", "Unknown Event Code", 0},
    };
    for (const auto& [code, text, cls] : rows) {
        EventClass = 99;
        EXPECT_EQ(EventCodeName(code), QString::fromLatin1(text)) << code;
        EXPECT_EQ(EventClass, cls) << code;
    }
}

TEST(EventTable, EveryBoxCodeHasADisplayTextAndCodesAreUnique)
{
    QSet<QString> seen;
    int withCode = 0;
    for (const EventBox& box : EventBoxes()) {
        const QString code = QString::fromLatin1(box.code);
        if (code.isEmpty())
            continue;
        ++withCode;
        EXPECT_FALSE(seen.contains(code)) << box.code;
        seen.insert(code);
        EXPECT_NE(EventCodeName(code), "Unknown Event Code") << box.code;
    }
    EXPECT_EQ(withCode, 36);
    EXPECT_STREQ(EventBoxes()[40].code, "SVR");
    EXPECT_STREQ(EventBoxes()[41].code, "TOR");
    EXPECT_STREQ(EventBoxes()[24].caption, "Administrative Message");
}
