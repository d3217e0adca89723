#include "quillonedit/editors/CwMessages.h"

namespace quillon {

QString CwMessageText(int which)
{
    if (CwMessageOffset(which) < 0)
        return {};
    if (CwMessageCount(which) == 0)
        return QStringLiteral("(Empty)");
    return CwMessageCharacters(which);
}

} // namespace quillon
