#pragma once
// The editor's help file (Help/Quillon.hlp beside the program) and the F1 key of its windows.
#include <QString>

class QWidget;

namespace quillon {

// Help context numbers of the windows the main window opens, and of the keypad the editors share.
enum HelpContext : int {
    kHelpBaseCodes = 200,
    kHelpMemoryCodes = 201,
    kHelpBaseTimers = 300,
    kHelpMemoryTimers = 301,
    kHelpBaseZones = 700,
    kHelpMemoryZones = 701,
    kHelpSwitch1 = 902,
    kHelpSwitch2 = 903,
    kHelpPrint = 106,
    kHelpPrinterFont = 105,
    kHelpKeyPad = 107,
};

// Each shows the help window; a file that cannot be read is reported in a message box and the
// call returns false.
bool ShowHelpContents();
bool ShowHelpSearch();
bool ShowWindowHelp(int context);   // context 0 shows the contents

// F1 anywhere in `window` shows its help topic. The number is kept on the window, so calling this
// again (an opener setting the context before it shows the window) just changes it.
void AttachHelpKey(QWidget* window, int context);
int HelpContextOf(const QWidget* window);

} // namespace quillon
