#include "core/PostContest.h"

#include <vector>

namespace qv {
namespace {

// Splits into runs of digits separated by single separator characters.
std::optional<std::vector<std::string>> numberParts(std::string_view text, std::string_view seps) {
    std::vector<std::string> parts(1);
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            parts.back().push_back(ch);
        } else if (seps.find(ch) != std::string_view::npos && !parts.back().empty()) {
            parts.emplace_back();
        } else {
            return std::nullopt;
        }
    }
    if (parts.back().empty()) {
        return std::nullopt;
    }
    return parts;
}

} // namespace

std::optional<DateTime> parseTypedDate(std::string_view text) {
    const auto parts = numberParts(text, "/-.");
    if (!parts || parts->size() != 3) {
        return std::nullopt;
    }
    const auto& p = *parts;
    for (const auto& part : p) {
        if (part.size() > 4) {
            return std::nullopt;
        }
    }
    if (p[0].size() == 4) {
        if (p[1].size() > 2 || p[2].size() > 2) {
            return std::nullopt;
        }
        return DateTime::fromFields(std::stoi(p[0]), std::stoi(p[1]), std::stoi(p[2]));
    }
    if (p[0].size() > 2 || p[1].size() > 2 || (p[2].size() != 2 && p[2].size() != 4)) {
        return std::nullopt;
    }
    int year = std::stoi(p[2]);
    if (p[2].size() == 2) {
        year += year < 30 ? 2000 : 1900;
    }
    return DateTime::fromFields(year, std::stoi(p[0]), std::stoi(p[1]));
}

std::optional<int> parseTypedTime(std::string_view text) {
    const auto parts = numberParts(text, ":");
    if (!parts || parts->size() < 2 || parts->size() > 3) {
        return std::nullopt;
    }
    for (const auto& part : *parts) {
        if (part.size() > 2) {
            return std::nullopt;
        }
    }
    const int h = std::stoi((*parts)[0]);
    const int m = std::stoi((*parts)[1]);
    const int s = parts->size() == 3 ? std::stoi((*parts)[2]) : 0;
    if (h > 23 || m > 59 || s > 59) {
        return std::nullopt;
    }
    return h * 3600 + m * 60 + s;
}

std::string insertTimeColon(std::string_view text) {
    const bool digits = text.find_first_not_of("0123456789") == std::string_view::npos;
    if (digits && (text.size() == 3 || text.size() == 4)) {
        return std::string(text.substr(0, text.size() - 2)) + ":" +
               std::string(text.substr(text.size() - 2));
    }
    return std::string(text);
}

} // namespace qv
