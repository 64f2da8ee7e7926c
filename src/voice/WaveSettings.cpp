#include "voice/WaveSettings.h"

#include "base/Cp1252.h"
#include "base/ItemSyntax.h"
#include "base/Numbers.h"

#include <cmath>
#include <optional>
#include <vector>

namespace qv {

Status formatWaveSettings(const WaveSettings& s, std::string& text) {
    ItemWriter w;
    for (const std::string& file : s.files) {
        w.text(trimSpaces(file)).endLine();
    }
    w.text(s.port).endLine();
    w.number(static_cast<int>(s.line)).endLine();
    w.text(s.loopSeconds).endLine();
    w.text(s.parallelBase).endLine();
    for (const std::string& words : s.speak) {
        w.text(words).endLine();
    }
    if (!w.ok()) {
        return Status::failure(std::string(WaveSettings::kFileName) +
                               " cannot hold a double quote or a line break.");
    }
    text = w.take();
    return Status::success();
}

WaveSettings parseWaveSettings(std::string_view text, WaveSettings defaults) {
    const std::optional<std::vector<Item>> read = readAllItems(text);
    if (!read) {
        return defaults;
    }
    const std::vector<Item>& v = *read;
    WaveSettings s = std::move(defaults);
    const std::size_t n = v.size();
    constexpr std::size_t keys = WaveSettings::kKeys;
    for (std::size_t k = 0; k < keys && k < n; ++k) {
        s.files[k] = v[k].text;
    }
    if (n > 9) {
        s.port = v[9].text;
    }
    if (n > 10) {
        // Compared as text: anything but the three choices leaves the line alone.
        const std::string& line = v[10].text;
        if (line == "0") {
            s.line = PttLine::Rts;
        } else if (line == "1") {
            s.line = PttLine::Dtr;
        } else if (line == "2") {
            s.line = PttLine::Parallel;
        }
    }
    if (n > 11) {
        s.loopSeconds = v[11].text;
    }
    if (n > 12) {
        s.parallelBase = v[12].text;
    }
    for (std::size_t k = 0; k < keys && 13 + k < n; ++k) {
        s.speak[k] = v[13 + k].text;
    }
    return s;
}

std::uint32_t repeatIntervalOf(std::string_view loopSeconds) {
    const double ms = leadingNumber(loopSeconds) * 1000.0;
    if (!(ms > 0)) {
        return 0;
    }
    if (ms >= 4294967295.0) {
        return 4294967295U;
    }
    return static_cast<std::uint32_t>(roundHalfEven(ms));
}

} // namespace qv
