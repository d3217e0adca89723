#pragma once
// What the serial transfer, the port test and the history commands need of the main window.
// The main window implements it; tests use a recording implementation. Keeping the link code
// behind this small interface means it never touches a widget of the main window directly.
#include <QString>

namespace merrow {

// The text colour of an event name: warnings red, watches blue, any other black.
enum class EventColour { Black, Red, Blue };

// One row of the 20-row history grid, as shown.
struct HistoryGridRow {
    QString num;      // lblNum caption
    QString date;     // lblDate
    QString time;     // lblTime
    QString length;   // lblLength
    QString org;      // lblOrg
    QString event;    // lblEvent
    EventColour eventColor = EventColour::Black;   // text colour of lblEvent
};

class TransferHost {
public:
    virtual ~TransferHost() = default;

    // Status bar: panel 1 (key "Left") and panel 2 (key "Right").
    virtual void setStatusLeft(const QString& text) = 0;
    virtual void setStatusRight(const QString& text) = 0;

    // Progress bar prgXfer.
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressValue(int value) = 0;

    // Empties the captions of lblDate, lblTime, lblOrg, lblEvent and lblLength of grid row
    // 0..19 and gives its lblEvent a white background; lblNum keeps its caption.
    virtual void clearHistoryRow(int row) = 0;
    // Writes all six captions of grid row 0..19 and the text colour of its lblEvent.
    virtual void showHistoryRow(int row, const HistoryGridRow& texts) = 0;
    // Caption of lblDate of grid row 0..19 (empty when the row shows no history).
    virtual QString historyDate(int row) const = 0;

    // Enables or disables the menus mnuView and mnuSaveAs.
    virtual void setHistoryMenusEnabled(bool enabled) = 0;
    // Check mark on mnuHistory_1 (group 0) or mnuHistory_2 (group 1), none on the other.
    virtual void setHistoryGroupChecked(int group) = 0;

    // Busy (hourglass) pointer over the main window while a transfer runs.
    virtual void setBusyPointer(bool busy) = 0;
    // While locked, every command that would start another transfer, port test, data dump or
    // test message, open a setting window, or exit the program is refused (the waits of the
    // transfer keep the event loop running, so these would otherwise be live).
    virtual void setCommandsLocked(bool locked) = 0;
};

} // namespace merrow
