#include "quillonedit/image/UnlockPassword.h"

#include "quillonedit/image/Codec.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/image/ImageMap.h"

#include <algorithm>

namespace quillon {

namespace {
bool printable(char16_t c) { return c >= 32 && c <= 126; }
} // namespace

QString DisplayUnlockText()
{
    int maxLen = kUnlockDigits;
    return DecodeDtmfString(kUnlockNumber, maxLen);
}

void SaveUnlockNumber(const QString& text)
{
    if (text.isEmpty()) {
        // Cleared by the user: an empty field. A number that already reads empty keeps its bytes.
        if (!DisplayUnlockText().isEmpty())
            WriteDtmfField(kUnlockNumber, kUnlockDigits, QString());
        return;
    }
    image().set(kUnlockNumber, kUnlockDigits);
    for (int i = 0; i < kUnlockDigits; ++i)
        image().set(kUnlockNumber + 1 + i, DtmfCharToCode(text.mid(i, 1)));
}

QString DisplayPassWordText()
{
    QString text;
    const int n = std::min<int>(image().at(kPassword), kPasswordMaxChars);
    for (int i = 1; i <= n; ++i) {
        const std::uint8_t b = image().at(kPassword + i);
        if (printable(b))
            text += QChar(b);
    }
    return text;
}

void WritePassword(const QString& text)
{
    for (int i = 0; i < kPasswordBytes; ++i)
        image().set(kPassword + i, 0);
    const int n = static_cast<int>(text.size());
    if (n > kPasswordMaxChars)
        return;
    image().set(kPassword, static_cast<std::uint8_t>(n));
    for (int i = 0; i < n; ++i)
        image().set(kPassword + 1 + i, AsciiToByte(text.mid(i, 1)));
}

std::uint8_t AsciiToByte(const QString& character)
{
    if (character.size() != 1 || !printable(character[0].unicode()))
        return 0;
    return static_cast<std::uint8_t>(character[0].unicode());
}

QString PasswordCharacters(const QString& text)
{
    QString kept;
    for (QChar c : text)
        if (printable(c.unicode()))
            kept += c;
    return kept;
}

} // namespace quillon
