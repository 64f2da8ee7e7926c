#pragma once

#include "base/Status.h"
#include "core/ContactRecord.h"
#include "platform/FileStore.h"

#include <string>
#include <vector>

namespace qv {

// log.txt in the working directory: the only persistent copy of the contest log.
class LogFile {
public:
    static constexpr const char* kName = "log.txt";

    explicit LogFile(FileStore& files) : files_(files) {}

    struct Loaded {
        enum class Outcome { Ok, Missing, Failed };
        Outcome outcome = Outcome::Failed;
        std::vector<ContactRecord> records;
        std::string problem; // for a failed load
    };
    Loaded load(std::size_t capacity);

    // Appends one record durably; on failure the file is unchanged.
    Status append(const ContactRecord& record);
    // Replaces the whole file with these records (atomically).
    Status rewrite(const std::vector<ContactRecord>& records);
    // Empties the file.
    Status erase() { return rewrite({}); }

private:
    FileStore& files_;
    // A file edited by hand may lack the final line break; the next append then
    // starts a new line instead of running into the last record.
    bool endsWithLineBreak_ = true;
};

} // namespace qv
