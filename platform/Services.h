#pragma once
// One place that hands out the platform services. The programs install the Qt implementations at
// start-up; tests install the scripted doubles (platform/testing/) instead.
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/EventLoop.h"
#include "platform/FileDialogs.h"
#include "platform/HelpViewer.h"
#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"

namespace platform {

class Printer;
class SerialPort;
class Sound;

struct Services {
    MessageBox* messageBox = nullptr;
    FileDialogs* fileDialogs = nullptr;
    SettingsStore* settings = nullptr;
    Clock* clock = nullptr;
    EventLoop* eventLoop = nullptr;
    Desktop* desktop = nullptr;
    InstanceLock* instanceLock = nullptr;
    HelpViewer* help = nullptr;
    Printer* printer = nullptr;
    SerialPort* serialPort = nullptr;
    Sound* sound = nullptr;
};

Services& services();

// Shorthands for the calls made everywhere.
MsgResult msgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                 MsgDefault defaultButton = MsgDefault::First);
void setWaitCursor(bool on);
void beep();

// "program folder": the folder of the running executable (help and data files lie beneath it).
QString programFolder();

// Starts the first system information tool found on this machine (hardinfo, the desktop's
// system monitor, ...); false when none is installed or it would not start.
bool startSystemInformation();

} // namespace platform
