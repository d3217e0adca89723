#pragma once
// The one way editors ask the user for digits. The program installs the real keypad dialog
// (frmKeyPad); tests install a ScriptedKeyPad. Unlike the bare keypad result, the answer also says
// whether OK was pressed, so an editor never writes after Cancel.
#include <QString>

#include <deque>
#include <optional>
#include <vector>

namespace quillon {

struct KeyPadRequest {
    int mode = 1;        // KeyPadMode: which keys besides the digits are shown
    int maxLen = 7;      // KeyPadMaxLen
    QString heading;     // KeyPadHeading
    QString initial;     // KeyPadInitial
    int check = 0;       // KeyPadCheck
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
