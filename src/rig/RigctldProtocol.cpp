#include "rig/RigctldProtocol.h"

#include "base/Cp1252.h"

#include <array>
#include <charconv>
#include <utility>

namespace qv {
namespace {

// An unfinished line longer than this is not an answer being cut by the network
// but noise; it is dropped so that nothing piles up.
constexpr std::size_t kLongestLine = 256;
// Hz of at most 12 digits: below 1 THz, well inside a float's range in MHz.
constexpr std::size_t kMostHzDigits = 12;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
        line.remove_prefix(1);
    }
    return line;
}

// A number as rigctld prints a frequency or a passband: digits, and perhaps a
// decimal part, which is dropped (a frequency is read to 10 Hz).
std::optional<std::uint64_t> wholeNumber(std::string_view line) {
    const std::size_t point = line.find('.');
    const std::string_view whole = line.substr(0, point);
    if (whole.empty() || whole.size() > kMostHzDigits) {
        return std::nullopt;
    }
    for (const char c : whole) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
    }
    if (point != std::string_view::npos) {
        for (const char c : line.substr(point + 1)) {
            if (!isDigit(c)) {
                return std::nullopt;
            }
        }
    }
    std::uint64_t value = 0;
    std::from_chars(whole.data(), whole.data() + whole.size(), value);
    return value;
}

// Hz in MHz to 5 decimals, halves to the even neighbour, as the serial radios'
// answers are read.
float mhzFromHz(std::uint64_t hz) {
    std::uint64_t tens = hz / 10;
    const std::uint64_t rest = hz % 10;
    if (rest > 5 || (rest == 5 && tens % 2 == 1)) {
        ++tens;
    }
    char text[40];
    char* end = std::to_chars(text, text + 30, tens).ptr;
    for (const char c : {'e', '-', '5'}) {
        *end++ = c;
    }
    float mhz = 0;
    std::from_chars(text, end, mhz);
    return mhz;
}

// "RPRT n": n, or nothing for another line.
std::optional<int> reportCode(std::string_view line) {
    constexpr std::string_view kReport = "RPRT";
    if (!line.starts_with(kReport)) {
        return std::nullopt;
    }
    const std::string_view rest = trimmed(line.substr(kReport.size()));
    int code = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), code);
    if (ec != std::errc{} || end != rest.data() + rest.size()) {
        return std::nullopt;
    }
    return code;
}

// A mode name as hamlib prints one: capitals and digits, a letter first.
bool isModeName(std::string_view line) {
    if (line.empty() || line.size() > 16 || line.front() < 'A' || line.front() > 'Z') {
        return false;
    }
    for (const char c : line) {
        if (!(c >= 'A' && c <= 'Z') && !isDigit(c)) {
            return false;
        }
    }
    return true;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kLogModes = {{
    {"CW", "CW"},
    {"CWR", "CW"},
    {"USB", "PH"},
    {"LSB", "PH"},
    {"PKTUSB", "PH"},
    {"PKTLSB", "PH"},
    {"AM", "AM"},
    {"FM", "FM"},
    {"WFM", "FM"},
}};

// The mode texts of the tuning window and the band plan, in hamlib's names.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kHamlibModes = {{
    {"LSB", "LSB"},
    {"USB", "USB"},
    {"CW", "CW"},
    {"FM", "FM"},
    {"AM", "AM"},
    {"RTTY", "RTTY"},
    {"FSK", "RTTY"},
    {"CW-R", "CWR"},
    {"RTTY-R", "RTTYR"},
    {"DIG", "PKTUSB"},
    {"PKT", "PKTUSB"},
}};

} // namespace

std::optional<std::string_view> logModeOfHamlibMode(std::string_view hamlibMode) {
    for (const auto& [hamlib, log] : kLogModes) {
        if (hamlib == hamlibMode) {
            return log;
        }
    }
    return std::nullopt;
}

RigctldReply decodeRigctldReply(std::string_view text) {
    RigctldReply reply;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t lineEnd = text.find('\n', at);
        if (lineEnd == std::string_view::npos) {
            if (text.size() - at > kLongestLine) {
                at = text.size();
            }
            break;
        }
        const std::string_view line = trimmed(text.substr(at, lineEnd - at));
        std::size_t next = lineEnd + 1;
        if (const auto code = reportCode(line)) {
            if (*code < 0) {
                reply.error = std::string(line);
            }
        } else if (const auto hz = wholeNumber(line)) {
            reply.frequencyMHz = mhzFromHz(*hz);
        } else if (isModeName(line)) {
            // The mode's answer goes on with its passband; wait for it if it has not
            // arrived yet.
            const std::size_t passbandEnd = text.find('\n', next);
            if (passbandEnd == std::string_view::npos) {
                break;
            }
            if (wholeNumber(trimmed(text.substr(next, passbandEnd - next)))) {
                next = passbandEnd + 1;
            }
            if (const auto mode = logModeOfHamlibMode(line)) {
                reply.modeText = std::string(*mode);
            }
        }
        at = next;
    }
    reply.consumed = at;
    return reply;
}

std::optional<std::string> rigctldModeCommand(std::string_view mode) {
    for (const auto& [text, hamlib] : kHamlibModes) {
        if (text == mode) {
            return "M " + std::string(hamlib) + " 0\n";
        }
    }
    return std::nullopt;
}

std::string rigctldFrequencyCommand(std::int64_t hz) {
    return "F " + std::to_string(hz) + "\n";
}

std::string HamlibModel::caption() const {
    return std::to_string(number) + "  " + maker + " " + model;
}

std::vector<HamlibModel> parseHamlibModels(std::string_view listing) {
    std::vector<HamlibModel> models;
    // The columns start where the header's names do.
    std::size_t makerAt = std::string_view::npos;
    std::size_t modelAt = std::string_view::npos;
    std::size_t versionAt = std::string_view::npos;
    std::size_t at = 0;
    while (at < listing.size()) {
        std::size_t end = listing.find('\n', at);
        if (end == std::string_view::npos) {
            end = listing.size();
        }
        std::string_view line = listing.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (makerAt == std::string_view::npos) {
            if (line.find("Rig #") != std::string_view::npos) {
                makerAt = line.find("Mfg");
                modelAt = line.find("Model");
                versionAt = line.find("Version");
                if (makerAt == std::string_view::npos || modelAt == std::string_view::npos ||
                    versionAt == std::string_view::npos || !(makerAt < modelAt) ||
                    !(modelAt < versionAt)) {
                    makerAt = std::string_view::npos;
                }
            }
            continue;
        }
        if (line.size() <= modelAt) {
            continue;
        }
        HamlibModel model;
        const std::string_view number = trimmed(line.substr(0, makerAt));
        const auto [end_, ec] =
            std::from_chars(number.data(), number.data() + number.size(), model.number);
        if (ec != std::errc{} || end_ != number.data() + number.size() || model.number <= 0) {
            continue;
        }
        model.maker = std::string(trimmed(line.substr(makerAt, modelAt - makerAt)));
        model.model = std::string(trimmed(line.substr(modelAt, versionAt - modelAt)));
        if (model.model.empty()) {
            continue;
        }
        models.push_back(std::move(model));
    }
    return models;
}

std::optional<std::size_t> findHamlibModel(const std::vector<HamlibModel>& models,
                                           std::string_view typed, std::size_t from) {
    if (models.empty() || typed.empty()) {
        return std::nullopt;
    }
    const std::string wanted = toUpper(typed);
    for (std::size_t k = 0; k < models.size(); ++k) {
        const std::size_t i = (from + k) % models.size();
        if (toUpper(models[i].caption()).find(wanted) != std::string::npos) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace qv
