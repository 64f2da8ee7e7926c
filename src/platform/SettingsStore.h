#pragma once

// The per-user key/value store, addressed by application name, section and key.
// Texts are Windows-1252.

#include <string>

namespace qv {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or defaultValue when the key is absent.
    virtual std::string get(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& defaultValue) = 0;
    // Creates or overwrites the key.
    virtual void save(const std::string& application, const std::string& section,
                      const std::string& key, const std::string& value) = 0;
};

// The application name and section every key of this program lives under.
inline constexpr const char* kSettingsApplication = "Velmark_Software";
inline constexpr const char* kSettingsSection = "Settings";

} // namespace qv
