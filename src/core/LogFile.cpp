#include "core/LogFile.h"

#include "core/LogFileFormat.h"

namespace qv {
namespace {

const char* kUnwritable = "a field holds a double quote or a character log.txt cannot hold";

// An editor may put a UTF-8 byte-order mark at the start of a file it saves;
// the log never holds one, so it is read as absent.
std::string_view withoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    return bytes.substr(0, kMark.size()) == kMark ? bytes.substr(kMark.size()) : bytes;
}

// What must precede the next line appended to text that ends like this.
std::string lineStartAfter(std::string_view text) {
    if (text.empty() || text.back() == '\n') {
        return {};
    }
    return text.back() == '\r' ? "\n" : "\r\n";
}

} // namespace

LogFile::Loaded LogFile::load(std::size_t capacity) {
    Loaded loaded;
    FileContents contents = files_.read(kName);
    if (contents.error == FileContents::Error::NotFound) {
        loaded.outcome = Loaded::Outcome::Missing;
        return loaded;
    }
    if (contents.error != FileContents::Error::None) {
        loaded.problem = contents.reason;
        return loaded;
    }
    const std::string_view text = withoutByteOrderMark(contents.bytes);
    ParsedLog parsed = parseLog(text, capacity);
    if (!parsed.ok) {
        loaded.problem = "line " + std::to_string(parsed.errorLine) + ": " + parsed.problem;
        // A last line without its line break that does not read as a record is an
        // append that was cut short: the program was ended while writing it.
        const std::size_t lastBreak = text.find_last_of('\n');
        const std::size_t tailStart = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
        if (tailStart < text.size()) {
            ParsedLog head = parseLog(text.substr(0, tailStart), capacity);
            if (head.ok) {
                loaded.outcome = Loaded::Outcome::Torn;
                loaded.records = std::move(head.records);
                loaded.tail = std::string(text.substr(tailStart));
                loaded.bytes = std::move(contents.bytes);
            }
        }
        return loaded;
    }
    lineStart_ = lineStartAfter(text);
    loaded.outcome = Loaded::Outcome::Ok;
    loaded.records = std::move(parsed.records);
    remember();
    return loaded;
}

Status LogFile::cutTornTail(const Loaded& torn, const std::string& copyName) {
    if (Status kept = files_.replace(copyName, torn.bytes); !kept) {
        return kept;
    }
    // The whole lines stay exactly as they were.
    const std::string_view head =
        std::string_view(torn.bytes).substr(0, torn.bytes.size() - torn.tail.size());
    Status cut = files_.replace(kName, head);
    if (cut) {
        lineStart_.clear();
        remember();
    }
    return cut;
}

bool LogFile::changedOutside() {
    return files_.identify(kName) != known_;
}

Status LogFile::writeBack(const std::vector<ContactRecord>& records, const std::string& copyName,
                          bool& keptCopy) {
    keptCopy = false;
    FileContents standing = files_.read(kName);
    if (standing.error == FileContents::Error::None && !standing.bytes.empty()) {
        if (Status kept = files_.replace(copyName, standing.bytes); !kept) {
            return kept;
        }
        keptCopy = true;
    }
    return rewrite(records);
}

AppendResult LogFile::append(const ContactRecord& record) {
    auto line = formatLogLine(record);
    if (!line) {
        return {AppendResult::Left::Nothing, kUnwritable};
    }
    line->insert(0, lineStart_);
    AppendResult result = files_.append(kName, *line);
    if (result.left == AppendResult::Left::Whole) {
        lineStart_.clear();
        remember();
    }
    return result;
}

Status LogFile::rewrite(const std::vector<ContactRecord>& records) {
    const auto text = formatLog(records);
    if (!text) {
        return Status::failure(kUnwritable);
    }
    Status status = files_.replace(kName, *text);
    if (status) {
        lineStart_.clear();
        remember();
    }
    return status;
}

} // namespace qv
