#include "quillonedit/editors/CwMessages.h"

#include "quillonedit/tables/CwCharacters.h"

namespace quillon {

QString GetCwChar(int offset)
{
    return CwCharacterText(CwCodeAt(offset));   // an offset outside the image reads as no character
}

QString CwMessageText(int which)
{
    if (CwMessageOffset(which) < 0)
        return {};
    if (CwMessageCount(which) == 0)
        return QStringLiteral("(Empty)");
    QString text;
    for (std::uint8_t code : CwMessageCodes(which))
        text += CwCharacterText(code);
    return text;
}

} // namespace quillon
