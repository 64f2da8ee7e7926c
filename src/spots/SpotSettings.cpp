#include "spots/SpotSettings.h"

#include "base/ItemSyntax.h"

#include <cmath>
#include <vector>

namespace qv {

std::string spotSerialSettings(const SpotSettings& s) {
    std::string baud = s.baud;
    while (!baud.empty() && baud.back() == ' ') {
        baud.pop_back();
    }
    return baud + ',' + s.parity + ',' + s.dataBits + ',' + s.stopBits;
}

Status formatSpotSettings(const SpotSettings& s, std::string& text) {
    ItemWriter w;
    const auto one = [](char ch) { return std::string(1, ch); };
    w.text(s.baud).endLine();
    w.text(one(s.parity)).endLine();
    w.text(one(s.dataBits)).endLine();
    w.text(one(s.stopBits)).endLine();
    w.number(s.port).endLine();
    w.text(one(s.powerLine)).endLine();
    w.text(s.kind).endLine();
    w.number(s.convertToHex).endLine();
    w.number(s.handshaking).endLine();
    w.number(s.dxOnly).endLine();
    w.boolean(s.listDisplay).endLine();
    w.text(s.commandModeHex).endLine();
    w.text(s.telnetPort).endLine();
    w.text(s.telnetHost).endLine();
    if (!w.ok()) {
        return Status::failure(std::string(SpotSettings::kFileName) +
                               " cannot hold a double quote or a line break.");
    }
    text = w.take();
    return Status::success();
}

namespace {

// A whole number from low to high.
std::optional<int> wholeNumber(const Item& item, int low, int high) {
    const auto n = itemNumber(item);
    if (!n || std::floor(*n) != *n || *n < low || *n > high) {
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

// A one-letter choice among the letters the window offers.
std::optional<char> letter(const Item& item, std::string_view choices) {
    if (item.text.size() != 1 || choices.find(item.text[0]) == std::string_view::npos) {
        return std::nullopt;
    }
    return item.text[0];
}

} // namespace

std::optional<SpotSettings> parseSpotSettings(std::string_view text) {
    // The fourteen values in order, whatever lines they stand on.
    const std::optional<std::vector<Item>> read = readAllItems(text);
    if (!read || read->size() < 14) {
        return std::nullopt;
    }
    const std::vector<Item>& values = *read;
    const auto parity = letter(values[1], "ONE");
    const auto dataBits = letter(values[2], "78");
    const auto stopBits = letter(values[3], "12");
    const auto port = wholeNumber(values[4], 1, 10);
    const auto powerLine = letter(values[5], "NRD");
    const auto convertToHex = wholeNumber(values[7], 0, 1);
    const auto handshaking = wholeNumber(values[8], 1, 4);
    const auto dxOnly = wholeNumber(values[9], 0, 1);
    const auto listDisplay = itemBool(values[10]);
    if (!parity || !dataBits || !stopBits || !port || !powerLine || !convertToHex || !handshaking ||
        !dxOnly || !listDisplay) {
        return std::nullopt;
    }
    SpotSettings s;
    s.baud = values[0].text;
    s.parity = *parity;
    s.dataBits = *dataBits;
    s.stopBits = *stopBits;
    s.port = *port;
    s.powerLine = *powerLine;
    s.kind = values[6].text;
    s.convertToHex = *convertToHex;
    s.handshaking = *handshaking;
    s.dxOnly = *dxOnly;
    s.listDisplay = *listDisplay;
    s.commandModeHex = values[11].text;
    s.telnetPort = values[12].text;
    s.telnetHost = values[13].text;
    return s;
}

} // namespace qv
