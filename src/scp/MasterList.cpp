#include "scp/MasterList.h"

#include "base/Cp1252.h"

#include <unordered_set>

namespace qv {
namespace {

bool callCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
}

std::string_view trimmed(std::string_view line) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!line.empty() && blank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && blank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

} // namespace

MasterListText parseMasterList(std::string_view bytes) {
    MasterListText out;
    if (bytes.size() > kMaxMasterListBytes) {
        out.problem = "the file is too large for a list of calls";
        return out;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        out.problem = "the file is not text";
        return out;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3); // a byte-order mark left by an editor
    }
    std::unordered_set<std::string> seen;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        const std::string_view line =
            trimmed(bytes.substr(0, end == std::string_view::npos ? bytes.size() : end));
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::string call(line);
        bool valid = call.size() <= kMaxListedCall;
        for (char& c : call) {
            c = toUpper(c);
            valid = valid && callCharacter(c);
        }
        if (!valid) {
            ++out.skipped;
        } else if (seen.insert(call).second) {
            out.calls.push_back(std::move(call));
        }
    }
    if (out.calls.empty()) {
        out.problem = "the file holds no calls";
    } else if (out.skipped * 10 > out.calls.size() + out.skipped) {
        out.problem = "the file does not read as a list of calls (" + std::to_string(out.skipped) +
                      " lines hold no call)";
    }
    if (!out.ok()) {
        out.calls.clear();
    }
    return out;
}

} // namespace qv
