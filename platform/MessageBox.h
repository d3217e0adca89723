#pragma once
#include <QString>

namespace platform {

enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical /* stop */, Question, Exclamation, Information };
// Which button is the default, counted from the first one shown.
enum class MsgDefault { First, Second, Third };
enum class MsgResult { OK, Cancel, Abort, Retry, Ignore, Yes, No };

struct MessageRequest {
    QString text;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    MsgDefault defaultButton = MsgDefault::First;
    QString title;
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal; returns the button pressed. Closing the box counts as Cancel where there is one,
    // otherwise as the only/last button (OK, No).
    virtual MsgResult show(const MessageRequest& request) = 0;
};

} // namespace platform
