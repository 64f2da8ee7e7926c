#pragma once

#include "platform/FileStore.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The installed share folder of the data files, seen from the folder the program
// lies in (bin/../share/quorvane-log), so an installed copy works under any prefix.
inline std::string installedDataFolder(std::string_view programFolder) {
    return std::string(programFolder) + "/../share/quorvane-log";
}

// The data files shipped with the program: the working directory's copy first, so
// an operator can replace a file, then the installed copies in order.
class ShippedFiles {
public:
    ShippedFiles(FileStore& working, std::initializer_list<FileStore*> installed)
        : working_(working), installed_(installed) {}

    FileContents read(std::string_view name) {
        FileContents found = working_.read(name);
        for (FileStore* store : installed_) {
            if (found.error != FileContents::Error::NotFound) {
                break;
            }
            found = store->read(name);
        }
        return found;
    }

private:
    FileStore& working_;
    std::vector<FileStore*> installed_;
};

} // namespace qv
