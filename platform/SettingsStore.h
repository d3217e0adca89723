#pragma once
#include "platform/WholeFile.h"

#include <QString>

#include <memory>
#include <vector>

namespace platform {

struct Setting {
    QString section;
    QString key;
    QString value;
};

// The values of one application's settings as one read found them: every value of a start comes
// from the same version of the store, however often it is asked.
class StoredSettings {
public:
    virtual ~StoredSettings() = default;
    virtual QString get(const QString& section, const QString& key, const QString& defaultValue) const = 0;
};

// Per-user store of strings by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Reads the application's settings once. A store that cannot be read gives every default; the
    // next save says why.
    virtual std::unique_ptr<const StoredSettings> load(const QString& app) = 0;
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
