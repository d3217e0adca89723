#include "platform/widgets/FieldStyle.h"

#include <QLabel>

namespace platform::widgets {

void StyleFieldLabel(QLabel* label, FieldLook look, int minimumWidth)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    if (look == FieldLook::Shown) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumHeight(18);
        return;
    }
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(minimumWidth);
    label->setMinimumHeight(label->fontMetrics().height() + 6);
}

} // namespace platform::widgets
