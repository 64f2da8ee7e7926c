#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <string>

namespace qv::test {

// Keys in memory, addressed as "application/section/key".
class FakeSettingsStore : public SettingsStore {
public:
    std::map<std::string, std::string> values;

    std::string get(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& defaultValue) override {
        const auto it = values.find(application + "/" + section + "/" + key);
        return it == values.end() ? defaultValue : it->second;
    }
    void save(const std::string& application, const std::string& section, const std::string& key,
              const std::string& value) override {
        values[application + "/" + section + "/" + key] = value;
    }
};

} // namespace qv::test
