#include "core/LogFile.h"

#include "core/LogFileFormat.h"

namespace qv {
namespace {
const char* kUnwritable = "a field holds a double quote or a character log.txt cannot hold";
}

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
    ParsedLog parsed = parseLog(contents.bytes, capacity);
    if (!parsed.ok) {
        loaded.problem = "line " + std::to_string(parsed.errorLine) + ": " + parsed.problem;
        return loaded;
    }
    endsWithLineBreak_ =
        contents.bytes.empty() || contents.bytes.back() == '\n' || contents.bytes.back() == '\r';
    loaded.outcome = Loaded::Outcome::Ok;
    loaded.records = std::move(parsed.records);
    return loaded;
}

Status LogFile::append(const ContactRecord& record) {
    auto line = formatLogLine(record);
    if (!line) {
        return Status::failure(kUnwritable);
    }
    if (!endsWithLineBreak_) {
        line->insert(0, "\r\n");
    }
    Status status = files_.append(kName, *line);
    if (status) {
        endsWithLineBreak_ = true;
    }
    return status;
}

Status LogFile::rewrite(const std::vector<ContactRecord>& records) {
    const auto text = formatLog(records);
    if (!text) {
        return Status::failure(kUnwritable);
    }
    Status status = files_.replace(kName, *text);
    if (status) {
        endsWithLineBreak_ = true;
    }
    return status;
}

} // namespace qv
