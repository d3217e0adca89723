#pragma once
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace platform {

// Small desktop services: beep, the busy pointer, starting other programs.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void beep() = 0;
    // Busy (hourglass) pointer for the whole application on or off.
    virtual void setWaitCursor(bool on) = 0;
    virtual bool waitCursor() const = 0;
    // Start a program detached; false when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& args) = 0;
    // Open a web address in the default browser through the desktop's URL handler. False when the
    // handler could not be started or failed within a short wait. A handler still at work after it
    // (one that runs the browser itself) counts as success; should it fail later, failedLater runs.
    virtual bool openUrl(const QString& url, std::function<void()> failedLater) = 0;
    // Full path of a program on PATH, empty when absent.
    virtual QString findProgram(const QString& name) = 0;
    // The whole screen `window` shows on, and the part of it windows may go on (less the
    // desktop's panels).
    virtual QRect screenArea(const QWidget& window) = 0;
    virtual QRect availableArea(const QWidget& window) = 0;
};

} // namespace platform
