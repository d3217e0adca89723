#pragma once
// Steps a test runs inside the event loop of a modal window it is about to open.
//
// Each step is queued on an object the test owns, so a step still waiting when the test ends (its
// window never opened) is dropped with that object and never runs inside a later test. A step that
// fails an assertion closes the open modal windows, so the loop waiting for them returns; the test
// then ends on ASSERT_FALSE(HasFatalFailure()) right after the call that opened the window.
#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

class ModalSteps {
public:
    void later(std::function<void()> step)
    {
        QTimer::singleShot(0, &context_, [step = std::move(step)] {
            step();
            if (::testing::Test::HasFatalFailure())
                CloseModalWindows();
        });
    }

    static void CloseModalWindows()
    {
        // Bounded: a window that refuses to close must not hang the test.
        for (int i = 0; i < 8; ++i) {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    }

private:
    QObject context_;
};
