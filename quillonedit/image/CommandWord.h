#pragma once
// What a stored command word does, in words: the bridge from the image to the command decoder.
#include <QString>

namespace quillon {

// DecodeCommand of the command word at offset (command byte at offset + 1, argument at offset).
QString DecodeCommandWord(int offset);

} // namespace quillon
