#pragma once
#include <QString>

namespace platform {

// Per-user store of strings by application, section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString get(const QString& app, const QString& section, const QString& key,
                        const QString& defaultValue) = 0;
    // Returns false when the value could not be stored.
    virtual bool save(const QString& app, const QString& section, const QString& key,
                      const QString& value) = 0;
};

} // namespace platform
