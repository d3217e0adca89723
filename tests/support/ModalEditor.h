#pragma once
// Driving a modal editor that a click opens: the work runs inside the editor's modal loop.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace quillon::testing {

// Clicks `target` and runs `work` on the Editor it opens modally; an editor the work leaves open
// is closed by its close box. False when no such editor opened.
template <typename Editor>
bool ClickAndEdit(QWidget* target, const std::function<void(Editor&)>& work)
{
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<Editor*>(QApplication::activeModalWidget());
        if (!editor)
            return;
        opened = true;
        work(*editor);
        if (editor->isVisible())
            editor->reject();
    });
    QTest::mouseClick(target, Qt::LeftButton);
    return opened;
}

} // namespace quillon::testing
