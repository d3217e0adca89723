#include "platform/qt/QtHelpViewer.h"

#include "platform/ReadFile.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QUrl>
#include <QVBoxLayout>

namespace platform {
namespace {

// The help files are a few dozen kilobytes; a file far larger is none of ours.
constexpr qint64 kMaxHelpFileBytes = 4 << 20;

// The help text, which opens a topic with its heading at the top of the window, the file's last
// topic too: below the document's end it keeps room as high as the window. The topic stays at the
// top while the window gets (or changes) its size, until the user scrolls, searches or follows a
// link.
class TopicBrowser final : public QTextBrowser {
public:
    explicit TopicBrowser(QWidget* parent) : QTextBrowser(parent)
    {
        connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { topic_.clear(); });
        connect(this, &QTextBrowser::anchorClicked, this, [this] { topic_.clear(); });
        connect(this, &QTextEdit::cursorPositionChanged, this, [this] { topic_.clear(); });   // a search
    }

    void showTopic(const QString& anchor)
    {
        topic_ = anchor;
        scrollToTopic();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QTextBrowser::resizeEvent(event);
        scrollToTopic();
    }

private:
    void scrollToTopic()
    {
        QTextFrame* root = document()->rootFrame();
        QTextFrameFormat format = root->frameFormat();
        if (format.bottomMargin() != viewport()->height()) {
            format.setBottomMargin(viewport()->height());
            root->setFrameFormat(format);
        }
        if (topic_.isEmpty())
            return;
        const QRectF place = document()->documentLayout()->blockBoundingRect(anchorBlock(topic_));
        if (place.isValid())
            verticalScrollBar()->setValue(qRound(place.top()));
    }

    QTextBlock anchorBlock(const QString& anchor) const
    {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (block.charFormat().anchorNames().contains(anchor))
                return block;
            for (auto it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().anchorNames().contains(anchor))
                    return block;
        }
        return {};
    }

    QString topic_;
};

} // namespace

bool QtHelpViewer::showContents(const QString& helpFile) { return open(helpFile, QStringLiteral("contents"), false); }

bool QtHelpViewer::showSearch(const QString& helpFile) { return open(helpFile, QStringLiteral("contents"), true); }

bool QtHelpViewer::showTopic(const QString& helpFile, int context)
{
    return open(helpFile, QStringLiteral("context-%1").arg(context), false);
}

bool QtHelpViewer::open(const QString& helpFile, const QString& anchor, bool search)
{
    const ReadResult read = ReadWholeFile(helpFile, kMaxHelpFileBytes);
    if (!read.ok())
        return false;
    const QString html = QString::fromUtf8(read.bytes);

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
        browser_ = new TopicBrowser(window_);
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
    search_->setVisible(true);
    if (search)
        search_->setFocus();
    window_->show();
    static_cast<TopicBrowser*>(browser_)->showTopic(anchor);
    window_->raise();
    window_->activateWindow();
    return true;
}

} // namespace platform
