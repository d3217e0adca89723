#include "quillonedit/image/CommandWord.h"

#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/tables/CommandDecoder.h"

namespace quillon {

QString DecodeCommandWord(int offset)
{
    return DecodeCommand(image().at(offset + 1), image().at(offset));
}

} // namespace quillon
