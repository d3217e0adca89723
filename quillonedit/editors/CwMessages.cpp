#include "quillonedit/editors/CwMessages.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/tables/CwCharacters.h"

namespace quillon {

QString GetCwChar(int offset)
{
    if (offset < 0 || offset >= kImageBytes)
        return {};
    return CwCharacterText(image().at(offset));
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
