#pragma once

#include "platform/SettingsStore.h"

#include <string>
#include <utility>

namespace qv {

// The settings store on QSettings: one store per application name (used as both
// organisation and application, so every program using the name shares it), one
// group per section.
class QtSettingsStore : public SettingsStore {
public:
    // The user's native settings.
    QtSettingsStore() = default;
    // INI files under this directory (a UTF-8 path) instead, one "<application>/<application>.ini"
    // per application.
    explicit QtSettingsStore(std::string directory) : directory_(std::move(directory)) {}

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override;
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override;

private:
    std::string directory_;
};

} // namespace qv
