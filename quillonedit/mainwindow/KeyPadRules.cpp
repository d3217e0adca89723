#include "quillonedit/mainwindow/KeyPadRules.h"

#include <cstdint>
#include <limits>

namespace quillon {

std::optional<KeyPadKeySet> KeyPadKeysForMode(KeyPadKeys mode)
{
    KeyPadKeySet k;
    switch (mode) {
    case KeyPadKeys::Digits:
        return k;
    case KeyPadKeys::DigitsStarPound:
        k.star = k.pound = true;
        return k;
    case KeyPadKeys::DigitsAbcStarPound:
        k.a = k.b = k.c = k.star = k.pound = true;
        return k;
    case KeyPadKeys::AllDtmf:
        // No editor asks for it; the whole DTMF pad without the pause is the natural reading.
        k.a = k.b = k.c = k.d = k.star = k.pound = true;
        return k;
    case KeyPadKeys::DigitsAndStar:
        k.star = true;
        return k;
    case KeyPadKeys::Telephone:
        k.star = k.pound = k.delay = true;
        return k;
    }
    return std::nullopt;
}

namespace {

KeyPadVerdict refuse(const char* message, const char* title)
{
    return {false, QString::fromLatin1(message), QString::fromLatin1(title)};
}

// The entry as a 16-bit signed number; nothing when it is not one.
std::optional<int> shortValue(const QString& entry)
{
    bool ok = false;
    const int v = entry.toInt(&ok);
    if (!ok || v < std::numeric_limits<std::int16_t>::min() || v > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return v;
}

} // namespace

KeyPadVerdict KeyPadCheckEntry(KeyPadCheck check, const QString& entry)
{
    const qsizetype n = entry.size();
    switch (check) {
    case KeyPadCheck::None:
        return {};
    case KeyPadCheck::FourDigits:
        return n == 4 ? KeyPadVerdict{} : refuse("Error! Need 4 Digit Entry", "Macro Command");
    case KeyPadCheck::OneTo1800: {
        const std::optional<int> v = shortValue(entry);
        return v && *v >= 1 && *v <= 1800 ? KeyPadVerdict{} : refuse("Error! Entry must be between 1 and 1800", "Macro Command");
    }
    case KeyPadCheck::AtMost15:
        return n <= 15 ? KeyPadVerdict{} : refuse("Error! Maximum 15 Digit Entry", "Macro Command");
    case KeyPadCheck::TwoDigits:
        return n == 2 ? KeyPadVerdict{} : refuse("Error! Need 2 Digit Entry", "Macro Command");
    case KeyPadCheck::ToneFrequency:
        // The length only: the courtesy tones store "0" as no tone and give "9" a meaning too.
        return n == 1 ? KeyPadVerdict{} : refuse("Error! Frequency between 1 and 8", "Frequency Entry");
    case KeyPadCheck::OneCharacter:
        return n == 1 ? KeyPadVerdict{} : refuse("Error! Time Selection 1..9", "Delay Value");
    case KeyPadCheck::ThreeDigits:
        return n == 3 ? KeyPadVerdict{} : refuse("Error! Need 3 Digit Entry", "Area Code Entry");
    case KeyPadCheck::AtMost16:
        return n <= 16 ? KeyPadVerdict{} : refuse("Error! Maximum 16 Digit Entry", "Telephone Number");
    case KeyPadCheck::SevenDigits:
        return n == 7 ? KeyPadVerdict{} : refuse("Error! Requires a 7 Digit Entry", "Unlock Number");
    }
    // Kinds 3 and 11 have no name: no editor asks for them, and they accept like None.
    const int kind = static_cast<int>(check);
    if (kind == 3 || kind == 11)
        return {};
    return {false, QString(), QString()};
}

} // namespace quillon
