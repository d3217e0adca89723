#pragma once
// The two CW identifier messages as the editor shows them: a whole message as text. Free of widgets; the layout and the writes are in image/CwIdentifier.
#include "quillonedit/image/CwIdentifier.h"

#include <QString>

namespace quillon {

constexpr int kCwEditHelpContext = 402;

// What the editor shows for message 1 or 2: "(Empty)" for count 0, otherwise the texts of its
// codes. A count beyond the message's area reads only the codes inside the area.
QString CwMessageText(int which);

} // namespace quillon
