#pragma once
#include "platform/HelpViewer.h"

#include <QPointer>

class QDialog;
class QLineEdit;
class QTextBrowser;

namespace platform {

// Help window over our HTML help files. Topics are anchors named "context-<number>"; the
// contents is the anchor "contents".
class QtHelpViewer final : public HelpViewer {
public:
    bool showContents(const QString& helpFile) override;
    bool showSearch(const QString& helpFile) override;
    bool showTopic(const QString& helpFile, int context) override;

private:
    bool open(const QString& helpFile, const QString& anchor, bool search);

    QPointer<QDialog> window_;
    QTextBrowser* browser_ = nullptr;
    QLineEdit* search_ = nullptr;
};

} // namespace platform
