#pragma once
// Shared set-up of the main window tests: scripted platform, fresh image, project and settings,
// and a spy that records and dismisses every modal window a menu handler opens.
#include "platform/testing/ScriptedServices.h"
#include "quillonedit/image/ControllerImage.h"
#include "quillonedit/mainwindow/FileMenu.h"
#include "quillonedit/mainwindow/MDIForm1.h"
#include "quillonedit/mainwindow/Registry.h"
#include "quillonedit/mainwindow/SharedParameters.h"
#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace quillon::testing {

// Hides each modal window as soon as it shows (which ends its exec) and notes its class and title.
class ModalSpy {
public:
    ModalSpy()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                const QString cls = QString::fromLatin1(w->metaObject()->className()).section("::", -1);
                seen << cls + "|" + w->windowTitle();
                w->hide();
            }
        });
        timer_.start();
    }
    QStringList seen;

private:
    QTimer timer_;
};

// Writes a project of eight 4,096-byte pages whose page k holds the byte k everywhere.
inline QString writeProject(const QTemporaryDir& dir, const QString& base)
{
    for (int k = 1; k <= 8; ++k) {
        QFile f(dir.filePath(base + QStringLiteral(".%1").arg(k, 3, 10, QChar('0'))));
        if (!f.open(QIODevice::WriteOnly))
            return {};
        f.write(QByteArray(4096, static_cast<char>(k)));
    }
    return dir.filePath(base + ".001");
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetImage();
        resetProject();
        resetRegistry();
        resetSharedParameters();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    MDIForm1& load()
    {
        w = std::make_unique<MDIForm1>();
        EXPECT_TRUE(w->MDIForm_Load());
        w->show();
        return *w;
    }
    QString panel(int n) const { return w->StatusBar1[n - 1]->text(); }
    bool waitForMod() const
    {
        return QTest::qWaitFor([this] { return panel(2) == "Mod"; }, 2000);
    }

    platform::doubles::ScriptedServices s;
    QTemporaryDir dir;
    std::unique_ptr<MDIForm1> w;
};

} // namespace quillon::testing
