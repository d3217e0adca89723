#pragma once
// The program's pictures, drawn in code: the toolbar images (also shown by the setting windows),
// the window icon and the receiver picture of the splash and About windows.
#include <QIcon>
#include <QPixmap>

namespace merrow {

inline constexpr int kToolbarImageCount = 12;

// Image 1..12 of the main window's image list, in toolbar order, and 13, the loudspeaker shown
// while a test message sounds; a null pixmap otherwise.
QPixmap ImageList1(int index);
// The main window's icon.
QIcon ProgramIcon();
// The receiver picture.
QPixmap ReceiverPicture();

} // namespace merrow
