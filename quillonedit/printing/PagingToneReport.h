#pragma once
// The paging tone report: the 20 pairs as tone names.
#include <QString>

#include <utility>

namespace quillon {

// The tone names of the pair at offset (each tone stored low byte first); a tone whose bytes match
// no table row, an erased one included, gives the empty text.
std::pair<QString, QString> PagingPairTexts(int offset);

} // namespace quillon
