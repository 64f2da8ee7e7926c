#pragma once

#include "base/Status.h"
#include "core/ContactRecord.h"
#include "platform/FileStore.h"

#include <optional>
#include <string>
#include <vector>

namespace qv {

// log.txt in the working directory: the only persistent copy of the contest log.
class LogFile {
public:
    static constexpr const char* kName = "log.txt";

    explicit LogFile(FileStore& files) : files_(files) {}

    struct [[nodiscard]] Loaded {
        enum class Outcome {
            Ok,
            Missing,
            Torn,   // the last line was never finished: records holds the lines before it
            Failed, // the file cannot be read as a log
        };
        Outcome outcome = Outcome::Failed;
        std::vector<ContactRecord> records;
        std::string problem; // for a failed load
        std::string tail;    // for a torn file: the unfinished line
        std::string bytes;   // for a torn file: the whole file as it stands
    };
    Loaded load(std::size_t capacity);

    // Keeps the whole torn file under copyName beside log.txt, then cuts the
    // unfinished line off.
    Status cutTornTail(const Loaded& torn, const std::string& copyName);

    // True when log.txt is no longer the file this program last read or wrote:
    // deleted, moved away, replaced by another file or grown or shrunk by another
    // program.
    bool changedOutside();
    // Puts the log held in memory back in place of whatever stands in log.txt now;
    // what stood there, if anything, is first kept under copyName. keptCopy tells
    // whether there was anything to keep.
    Status writeBack(const std::vector<ContactRecord>& records, const std::string& copyName,
                     bool& keptCopy);

    // Appends one record durably; the result says what the file holds afterwards.
    AppendResult append(const ContactRecord& record);
    // Replaces the whole file with these records (atomically).
    Status rewrite(const std::vector<ContactRecord>& records);
    // Empties the file.
    Status erase() { return rewrite({}); }

private:
    // Notes which file log.txt is now, after the program read or wrote it.
    void remember() { known_ = files_.identify(kName); }

    FileStore& files_;
    // A file edited by hand may lack the final line break; the next append then
    // starts a new line instead of running into the last record.
    std::string lineStart_;
    std::optional<FileIdentity> known_;
};

} // namespace qv
