#pragma once
// The start-up picture, shown while settings and lists load.
#include <QWidget>

class QLabel;

namespace merrow {

class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* picture = nullptr;
    QLabel* lblProduct = nullptr;
};

} // namespace merrow
