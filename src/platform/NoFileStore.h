#pragma once

#include "platform/FileStore.h"

namespace qv {

// A folder that holds nothing and takes nothing, for a device the program was
// built without.
class NoFileStore : public FileStore {
public:
    FileContents read(std::string_view) override { return {{}, FileContents::Error::NotFound, {}}; }
    bool exists(std::string_view) override { return false; }
    std::optional<FileIdentity> identify(std::string_view) override { return std::nullopt; }
    AppendResult append(std::string_view, std::string_view) override {
        return {AppendResult::Left::Nothing, "There is no folder to write to."};
    }
    Status replace(std::string_view, std::string_view) override {
        return Status::failure("There is no folder to write to.");
    }
    Status makeDirectory(std::string_view) override {
        return Status::failure("There is no folder to write to.");
    }
    std::optional<std::string> findEntryIgnoringCase(std::string_view) override {
        return std::nullopt;
    }
    std::string directory() const override { return {}; }
};

} // namespace qv
