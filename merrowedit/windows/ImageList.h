#pragma once
// The program's pictures, drawn in code: the toolbar images (also shown by the setting windows),
// the window icon and the receiver picture of the splash and About windows.
#include <QIcon>
#include <QPixmap>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace merrow {

inline constexpr int kToolbarImageCount = 12;
inline constexpr int kImageListCount = 16;

// Image 1..16 of the main window's image list: 1..12 in toolbar order, then the pictures the
// setting windows show besides; a null pixmap otherwise.
QPixmap ImageList1(int index);
// The main window's icon.
QIcon ProgramIcon();
// The receiver picture.
QPixmap ReceiverPicture();

// The bottom row of the county windows: a label for their picture at the left, OK and Cancel at
// the right. The widgets belong to owner.
QHBoxLayout* PictureOkCancelRow(QWidget* owner, QLabel*& picture, QPushButton*& ok, QPushButton*& cancel);

} // namespace merrow
