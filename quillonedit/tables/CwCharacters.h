#pragma once
// CW character codes 0..46: the label offered by the CW identifier editor's
// character list and the text a stored code reads as.

#include "quillonedit/tables/PickLists.h"

#include <QString>

#include <vector>

namespace quillon {

inline constexpr int kCwCharacterCount = 47;

// Label of a code in the editor's list; the empty text for codes outside 0..46.
QString CwCharacterLabel(int code);
// Text of a stored code in a shown or printed message; the empty text for
// codes outside 0..46 (stored bytes 47..255 are not characters).
QString CwCharacterText(int code);

// Appends the 47 rows (label, code as item data) for List1 of frmCwEdit.
void LoadCwCharacterList();
const std::vector<PickListRow>& CwCharacterListRows();

} // namespace quillon
