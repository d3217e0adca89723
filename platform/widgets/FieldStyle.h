#pragma once
// The look of a field: black text on white, in a single box (a field the user edits by clicking)
// or in a sunken panel (a cell that only shows a value).
class QLabel;

namespace platform::widgets {

enum class FieldLook {
    Editable,   // single border, centred plain text, at least minimumWidth wide
    Shown,      // sunken panel, as the cells of a grid
};

void StyleFieldLabel(QLabel* label, FieldLook look = FieldLook::Editable, int minimumWidth = 80);
// An editable field of the given least width.
inline void StyleFieldLabel(QLabel* label, int minimumWidth)
{
    StyleFieldLabel(label, FieldLook::Editable, minimumWidth);
}

} // namespace platform::widgets
