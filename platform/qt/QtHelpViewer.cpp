#include "platform/qt/QtHelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {

bool QtHelpViewer::showContents(const QString& helpFile) { return open(helpFile, QStringLiteral("contents"), false); }

bool QtHelpViewer::showSearch(const QString& helpFile) { return open(helpFile, QStringLiteral("contents"), true); }

bool QtHelpViewer::showTopic(const QString& helpFile, int context)
{
    return open(helpFile, QStringLiteral("context-%1").arg(context), false);
}

bool QtHelpViewer::open(const QString& helpFile, const QString& anchor, bool search)
{
    QFile file(helpFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(file.readAll());

    // Help asked for from a modal dialog (F1) must not be blocked by that dialog: the help window
    // then belongs to it, above it and usable, and closes with it.
    QWidget* owner = QApplication::activeModalWidget();
    if (window_ && window_->parentWidget() != owner) {
        const bool shown = window_->isVisible();
        window_->setParent(owner, Qt::Window);
        if (shown)
            window_->show();
    }
    if (!window_) {
        window_ = new QDialog(owner, Qt::Window);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->resize(640, 520);
        auto* layout = new QVBoxLayout(window_);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(QObject::tr("Search for:"), window_));
        search_ = new QLineEdit(window_);
        row->addWidget(search_);
        layout->addLayout(row);
        browser_ = new QTextBrowser(window_);
        layout->addWidget(browser_);
        QTextBrowser* browser = browser_;
        QObject::connect(search_, &QLineEdit::returnPressed, browser, [this] {
            // Search from the top each time so every match can be reached in turn.
            if (!browser_->find(search_->text())) {
                browser_->moveCursor(QTextCursor::Start);
                browser_->find(search_->text());
            }
        });
    }
    window_->setWindowTitle(QFileInfo(helpFile).completeBaseName() + QObject::tr(" Help"));
    browser_->setSearchPaths({QFileInfo(helpFile).absolutePath()});
    browser_->setHtml(html);
    browser_->scrollToAnchor(anchor);
    search_->setVisible(true);
    if (search)
        search_->setFocus();
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}

} // namespace platform
