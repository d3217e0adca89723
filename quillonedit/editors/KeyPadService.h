#pragma once
// The one way editors ask the user for digits. The program installs the real keypad dialog
// (frmKeyPad); tests install a ScriptedKeyPad. Unlike the bare keypad result, the answer also says
// whether OK was pressed, so an editor never writes after Cancel.
#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace quillon {

// The keys the keypad shows besides the digits (OK, Cancel and Clear are always there). The
// numbers are the controller program's keypad modes; any other value leaves the keys as the
// previous request showed them.
enum class KeyPadKeys : int {
    Digits = 1,            // digits only
    DigitsStarPound = 2,   // * and #
    DigitsAbcStarPound = 3, // A, B, C, * and #
    AllDtmf = 4,           // A, B, C, D, * and # (asked for by no editor)
    DigitsAndStar = 5,     // *
    Telephone = 6,         // *, # and Delay (the pause ",")
};

// What OK demands of a non-empty entry. Any other value refuses every non-empty entry silently.
enum class KeyPadCheck : int {
    None = 0,
    FourDigits = 1,        // exactly 4 characters
    OneTo1800 = 2,         // a number 1..1800
    AtMost15 = 4,          // at most 15 characters
    TwoDigits = 5,         // exactly 2 characters
    ToneFrequency = 6,     // one character (a tone 1..8; "0" and "9" have meanings too)
    OneCharacter = 7,      // exactly 1 character
    ThreeDigits = 8,       // exactly 3 characters
    AtMost16 = 9,          // at most 16 characters
    SevenDigits = 10,      // exactly 7 characters
};

// Built with designated initialisers: {.mode = KeyPadKeys::Digits, .maxLen = 3, ...}.
struct KeyPadRequest {
    KeyPadKeys mode = KeyPadKeys::Digits;   // KeyPadMode
    int maxLen = 7;                         // KeyPadMaxLen
    QString heading{};                      // KeyPadHeading
    QString initial{};                      // KeyPadInitial
    KeyPadCheck check = KeyPadCheck::None;  // KeyPadCheck
};

struct KeyPadResult {
    QString text;        // the display text: the entry after OK, the initial text after Cancel
    bool accepted = false;
};

class KeyPadService {
public:
    virtual ~KeyPadService() = default;
    virtual KeyPadResult GetKeyPadEntry(const KeyPadRequest& request) = 0;
};

namespace detail {
// Until a keypad is installed every request counts as cancelled.
class NoKeyPad final : public KeyPadService {
public:
    KeyPadResult GetKeyPadEntry(const KeyPadRequest& request) override { return {request.initial, false}; }
};
inline KeyPadService*& keyPadSlot()
{
    static NoKeyPad none;
    static KeyPadService* current = &none;
    return current;
}
} // namespace detail

inline KeyPadService& keyPad() { return *detail::keyPadSlot(); }
inline void setKeyPadService(KeyPadService* service) { detail::keyPadSlot() = service; }

} // namespace quillon
