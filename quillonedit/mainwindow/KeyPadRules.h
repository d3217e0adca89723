#pragma once
// What the keypad shows for each mode and what OK accepts for each check kind. Free of widgets so
// every row of both tables is tested directly.
#include "quillonedit/editors/KeyPadService.h"

#include <QString>

#include <optional>

namespace quillon {

// The keys shown besides the digits (and OK, Cancel and Clear, which are always shown).
struct KeyPadKeySet {
    bool a = false, b = false, c = false, d = false;
    bool star = false, pound = false, delay = false;
    bool operator==(const KeyPadKeySet&) const = default;
};

// nullopt for a mode the keypad does not know (0, 7 and above, negative): the keys stay as the
// previous request left them.
std::optional<KeyPadKeySet> KeyPadKeysForMode(KeyPadKeys mode);

// The verdict of OK on a non-empty entry. A refusal with an empty message is a silent one (check
// kinds the keypad does not know): OK simply does nothing.
struct KeyPadVerdict {
    bool pass = true;
    QString message;
    QString title;
};
KeyPadVerdict KeyPadCheckEntry(KeyPadCheck check, const QString& entry);

} // namespace quillon
