#pragma once
#include "platform/WholeFile.h"

#include <QString>

#include <vector>

namespace platform {

struct Setting {
    QString section;
    QString key;
    QString value;
};

// Per-user store of strings by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    // Stores all the values in one step: either every one of them is kept, or none is and the
    // result says why.
    virtual WriteResult saveAll(const QString& app, const std::vector<Setting>& values) = 0;
    // Where the application's settings are kept, for a message that names it.
    virtual QString location(const QString& app) = 0;

    // One value; false when it could not be stored.
    bool save(const QString& app, const QString& section, const QString& key, const QString& value)
    {
        return saveAll(app, {{section, key, value}}).ok;
    }
};

} // namespace platform
