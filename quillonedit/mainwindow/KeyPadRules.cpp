#include "quillonedit/mainwindow/KeyPadRules.h"

#include <cstdint>
#include <limits>

namespace quillon {

std::optional<KeyPadKeys> KeyPadKeysForMode(int mode)
{
    KeyPadKeys k;
    switch (mode) {
    case 1:
        return k;
    case 2:
        k.star = k.pound = true;
        return k;
    case 3:
        k.a = k.b = k.c = k.star = k.pound = true;
        return k;
    case 4:
        // No editor asks for it; the whole DTMF pad without the pause is the natural reading.
        k.a = k.b = k.c = k.d = k.star = k.pound = true;
        return k;
    case 5:
        k.star = true;
        return k;
    case 6:
        k.star = k.pound = k.delay = true;
        return k;
    default:
        return std::nullopt;
    }
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

KeyPadVerdict KeyPadCheckEntry(int check, const QString& entry)
{
    const qsizetype n = entry.size();
    switch (check) {
    case 0:
    case 3:    // kinds 3 and 11 are asked for by no editor; they accept like kind 0
    case 11:
        return {};
    case 1:
        return n == 4 ? KeyPadVerdict{} : refuse("Error! Need 4 Digit Entry", "Macro Command");
    case 2: {
        const std::optional<int> v = shortValue(entry);
        return v && *v >= 1 && *v <= 1800 ? KeyPadVerdict{} : refuse("Error! Entry must be between 1 and 1800", "Macro Command");
    }
    case 4:
        return n <= 15 ? KeyPadVerdict{} : refuse("Error! Maximum 15 Digit Entry", "Macro Command");
    case 5:
        return n == 2 ? KeyPadVerdict{} : refuse("Error! Need 2 Digit Entry", "Macro Command");
    case 6:
        // The length only: the courtesy tones store "0" as no tone and give "9" a meaning too.
        return n == 1 ? KeyPadVerdict{} : refuse("Error! Frequency between 1 and 8", "Frequency Entry");
    case 7:
        return n == 1 ? KeyPadVerdict{} : refuse("Error! Time Selection 1..9", "Delay Value");
    case 8:
        return n == 3 ? KeyPadVerdict{} : refuse("Error! Need 3 Digit Entry", "Area Code Entry");
    case 9:
        return n <= 16 ? KeyPadVerdict{} : refuse("Error! Maximum 16 Digit Entry", "Telephone Number");
    case 10:
        return n == 7 ? KeyPadVerdict{} : refuse("Error! Requires a 7 Digit Entry", "Unlock Number");
    default:
        return {false, QString(), QString()};
    }
}

} // namespace quillon
