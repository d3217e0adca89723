#include "quillonedit/tables/CwCharacters.h"

#include "quillonedit/tables/TableState.h"

#include <iterator>

namespace quillon {

namespace {

struct CwSymbol {
    const char* label;
    const char* text;
};

// Codes 36..46. Code 37's list label really does open with a bracket; the
// message shows the prosign as "(AR)".
constexpr CwSymbol kSymbols[] = {
    {"/", "/"}, {"[AR)", "(AR)"}, {" ", " "}, {".", "."}, {";", ";"}, {",", ","},
    {":", ":"}, {"?", "?"},       {"-", "-"}, {"(", "("}, {"(SK)", "(SK)"},
};

static_assert(36 + std::size(kSymbols) == kCwCharacterCount);

QString alphanumeric(int code)
{
    // 0..9 the digits, 10..35 the capital letters.
    return code < 10 ? QString(QChar('0' + code)) : QString(QChar('A' + code - 10));
}

} // namespace

QString CwCharacterLabel(int code)
{
    if (code < 0 || code >= kCwCharacterCount)
        return QString();
    return code < 36 ? alphanumeric(code) : QString::fromLatin1(kSymbols[code - 36].label);
}

QString CwCharacterText(int code)
{
    if (code < 0 || code >= kCwCharacterCount)
        return QString();
    return code < 36 ? alphanumeric(code) : QString::fromLatin1(kSymbols[code - 36].text);
}

void LoadCwCharacterList()
{
    auto& list = detail::tableState().cwList;
    for (int code = 0; code < kCwCharacterCount; ++code)
        list.push_back(PickListRow{CwCharacterLabel(code), code});
}

const std::vector<PickListRow>& CwCharacterListRows()
{
    return detail::tableState().cwList;
}

} // namespace quillon
