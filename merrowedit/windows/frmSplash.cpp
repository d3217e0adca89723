#include "merrowedit/windows/frmSplash.h"

#include "merrowedit/windows/ImageList.h"

#include <QLabel>
#include <QVBoxLayout>

namespace merrow {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setWindowTitle(QString());
    setAutoFillBackground(true);
    picture = new QLabel(this);
    picture->setPixmap(ReceiverPicture());
    picture->setAlignment(Qt::AlignCenter);
    lblProduct = new QLabel(QStringLiteral("Merrow SAME Receiver"), this);
    lblProduct->setAlignment(Qt::AlignCenter);
    QFont f = lblProduct->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    lblProduct->setFont(f);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(picture);
    layout->addWidget(lblProduct);
}

} // namespace merrow
