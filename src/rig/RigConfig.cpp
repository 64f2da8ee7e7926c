#include "rig/RigConfig.h"

#include "base/ItemSyntax.h"
#include "base/Numbers.h"

#include <cmath>
#include <vector>

namespace qv {

std::string paddedBaud(std::string_view baud) {
    std::string padded(baud.substr(0, 5));
    padded.resize(5, ' ');
    return padded;
}

std::string settingsTextOf(const RigConfig& config) {
    std::string baud = config.baud;
    while (!baud.empty() && baud.back() == ' ') {
        baud.pop_back();
    }
    return baud + ',' + config.parity + ',' + config.dataBits + ',' + config.stopBits;
}

std::optional<std::uint32_t> pollIntervalMs(char pollRate) {
    switch (pollRate) {
    case 'F':
        return 50;
    case 'M':
        return 250;
    case 'S':
        return 1000;
    case 'R':
        return 5000;
    default:
        return std::nullopt;
    }
}

Status formatRigConfig(const RigConfig& c, std::string& text) {
    ItemWriter w;
    const auto one = [](char ch) { return std::string(1, ch); };
    w.text(paddedBaud(c.baud)).endLine();
    w.text(one(c.parity)).endLine();
    w.text(one(c.dataBits)).endLine();
    w.text(one(c.stopBits)).endLine();
    w.text(c.modeQuery).endLine();
    w.text(c.frequencyQuery).endLine();
    w.text(c.settingsText).endLine();
    w.number(static_cast<int>(c.portNumber)).endLine();
    w.text(one(c.powerLine)).endLine();
    w.text(one(c.pollRate)).endLine();
    w.text(c.rigType).endLine();
    w.number(c.convertToHex ? 1 : 0).endLine();
    w.number(c.useFrequency ? 1 : 0).endLine();
    w.number(c.modeSource).endLine();
    if (!w.ok()) {
        return Status::failure(std::string(RigConfig::kFileName) +
                               " cannot hold a double quote or a line break.");
    }
    text = w.take();
    return Status::success();
}

namespace {

char firstChar(const std::string& text, char otherwise) {
    return text.empty() ? otherwise : text.front();
}

std::optional<long long> wholeNumber(const Item& item) {
    const auto n = itemNumber(item);
    if (!n || std::floor(*n) != *n) {
        return std::nullopt;
    }
    return static_cast<long long>(*n);
}

} // namespace

std::optional<RigConfig> parseRigConfig(std::string_view text) {
    // The fourteen values in order, whatever lines they stand on.
    const std::optional<std::vector<Item>> read = readAllItems(text);
    if (!read || read->size() < 14) {
        return std::nullopt;
    }
    const std::vector<Item>& values = *read;
    RigConfig c;
    c.baud = paddedBaud(values[0].text);
    c.parity = firstChar(values[1].text, c.parity);
    c.dataBits = firstChar(values[2].text, c.dataBits);
    c.stopBits = firstChar(values[3].text, c.stopBits);
    c.modeQuery = values[4].text;
    c.frequencyQuery = values[5].text;
    c.settingsText = values[6].text;
    const auto port = wholeNumber(values[7]);
    const auto hex = wholeNumber(values[11]);
    const auto use = wholeNumber(values[12]);
    const auto source = wholeNumber(values[13]);
    if (!port || *port < 0 || *port > 255 || !hex || !use || !source) {
        return std::nullopt;
    }
    c.portNumber = static_cast<std::uint8_t>(*port);
    c.powerLine = firstChar(values[8].text, c.powerLine);
    c.pollRate = firstChar(values[9].text, c.pollRate);
    c.rigType = values[10].text;
    c.convertToHex = *hex != 0;
    c.useFrequency = *use != 0;
    c.modeSource = *source == 2 || *source == 3 ? static_cast<int>(*source) : 1;
    return c;
}

} // namespace qv
