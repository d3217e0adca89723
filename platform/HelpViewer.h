#pragma once
#include <QString>

namespace platform {

// The programs' help: an HTML document of our own with one anchor per topic.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Each returns false (and the caller reports it) when the file cannot be read.
    virtual bool showContents(const QString& helpFile) = 0;
    virtual bool showSearch(const QString& helpFile) = 0;
    virtual bool showTopic(const QString& helpFile, int context) = 0;
};

} // namespace platform
