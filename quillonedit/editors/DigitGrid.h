#pragma once
// A grid of "caption + clickable digit field" over image records, declared as a table.
//
// A dialog describes its fields (one DigitField each, offsets from image/ functions), says how the
// records are stored (a DigitFieldFormat of two image/ functions) and owns one DigitGrid, which lays
// the rows out, shows the fields, and asks the keypad when a field is clicked:
//
//     DigitGridOptions options{.format = {.read = AreaCodeText, .write = SaveAreaCode},
//                              .rowsPerColumn = 5, .fieldWidth = 60};
//     grid = new DigitGrid(*this, [](int) { return AreaCodeFields(); }, options);
//
// Writes: after each accepted keypad entry the grid calls onEntry(row). By default that writes the
// row's field at once (dialogs without Cancel); a dialog that writes on OK sets onEntry to nothing
// and calls Save() from its OK; one that rewrites a whole group sets it to call Save().
//
// Groups: with more than one group caption the grid shows an option-button frame and one group of
// rows at a time; fields(group) gives that group's rows (same count for every group). Display()
// reads the shown group from the image; Group_Click(g) switches (and ignores the group shown).
//
// A second clickable label per row (extraColumn, e.g. a speed dial's spoken identification) is
// shown by Display() through format.readExtra, if given; storing it is the dialog's: a click on it
// runs onExtraClick(row). Column headings stand above the fields and the second labels of every
// column of rows.
//
// A field with an offset below 0 has no record: it shows empty and is never written.
#include "quillonedit/editors/EditorCommon.h"

#include <QStringList>

#include <functional>
#include <vector>

class QGridLayout;
class QGroupBox;
class QRadioButton;

namespace quillon {

struct DigitField {
    QString caption{};                      // beside the field: its number or its role
    int offset = -1;                        // image offset of the field's record; -1 = none
    int capacity = 0;                       // digits the record holds; the keypad's maximum length
    KeyPadKeys keys = KeyPadKeys::Digits;
    KeyPadCheck check = KeyPadCheck::None;
    QString heading{};                      // the keypad's heading
};

// How a grid's records are stored. Both functions live in image/.
struct DigitFieldFormat {
    QString (*read)(int offset, int capacity) = nullptr;                      // the text shown
    void (*write)(int offset, int capacity, const QString& text) = nullptr;   // stores a text
    QString (*readExtra)(int offset) = nullptr;   // the second label's text, if the grid shows it
    // What a cancelled keypad writes back (writeOnCancel), when that must differ from an accepted
    // entry of the same text; `write` when null.
    void (*writeBack)(int offset, int capacity, const QString& text) = nullptr;
};

struct DigitGridOptions {
    DigitFieldFormat format{};
    int rowsPerColumn = 10;                 // rows run down a column, then the next column starts
    int fieldWidth = 80;                    // least width of a field
    int columnGap = 16;                     // space between two columns of rows
    QString groupTitle{};                   // the frame around the group options
    QStringList groupCaptions{};            // one option per group; fewer than two = no selector
    bool writeOnCancel = false;             // a cancelled keypad also reaches onEntry (the shown text)
    QStringList headings{};                 // above the fields (and the second labels), if any
    bool extraColumn = false;               // a second clickable label beside each field
    int extraWidth = 200;                   // least width of a second label
};

class DigitGrid : public QWidget {
    Q_OBJECT
public:
    using Fields = std::function<std::vector<DigitField>(int group)>;

    DigitGrid(EditorDialog& owner, Fields fields, DigitGridOptions options);

    // Shows every field of the shown group from the image (rows, captions and texts).
    void Display();
    // Writes every field of the shown group from its text.
    void Save();
    // Writes one row from its text (with format.writeBack while a cancelled entry is handled).
    void SaveRow(int row);
    // The keypad request of a row; on OK (or Cancel with writeOnCancel) the row takes the text
    // and onEntry runs.
    void Field_Click(int row);
    // Shows group g (0-based) unless it is the one shown.
    void Group_Click(int group);
    // Shows group g and redisplays even when it is already shown (another selector changed).
    void ShowGroup(int group);

    int group() const { return group_; }
    int rowCount() const { return static_cast<int>(fieldLabels.size()); }
    const DigitField& field(int row) const;

    std::function<void(int row)> onEntry;
    std::function<void(int row)> onExtraClick;
    // A click on a field or a group option goes through the dialog's own handler when it sets
    // one (which then calls Field_Click or Group_Click); else straight to them.
    std::function<void(int row)> onFieldClick;
    std::function<void(int group)> onGroupClick;

    std::vector<QLabel*> captionLabels;     // one per row
    std::vector<ClickLabel*> fieldLabels;   // one per row
    std::vector<ClickLabel*> extraLabels;   // one per row with extraColumn, else none
    std::vector<QLabel*> headingLabels;     // the column headings, per column of rows
    QGroupBox* groupFrame = nullptr;        // null without groups
    std::vector<QRadioButton*> groupOptions;

private:
    EditorDialog& owner_;
    Fields fields_;
    DigitGridOptions options_;
    std::vector<DigitField> shown_;
    int group_ = 0;
    bool cancelled_ = false;   // onEntry runs for a cancelled keypad
};

} // namespace quillon
