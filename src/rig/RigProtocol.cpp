#include "rig/RigProtocol.h"

#include "base/ItemSyntax.h"
#include "rig/HexText.h"
#include "rig/RadioTable.h"
#include "rig/RigDecoders.h"
#include "rig/RigctldProtocol.h"

#include <cmath>
#include <limits>
#include <vector>

namespace qv {
namespace {

// The first `length` characters of a typed hex query as bytes, when it has at
// least `minimum` characters.
void appendHexQuery(std::string& bytes, std::string_view query, std::size_t minimum,
                    std::size_t length) {
    if (query.size() >= minimum) {
        bytes += HexTextToBytes(query.substr(0, length));
    }
}

void appendText(std::string& bytes, std::string_view query, std::size_t minimum = 1) {
    if (query.size() >= minimum) {
        bytes += query;
    }
}

void appendWithReturn(std::string& bytes, std::string_view query) {
    if (!query.empty()) {
        bytes += query;
        bytes.push_back('\r');
    }
}

} // namespace

SendTick queriesFor(const RigQueries& queries, std::uint8_t queryPhase) {
    const std::string_view type = queries.rigType;
    const std::string_view frequency = queries.frequencyQuery;
    const std::string_view mode = queries.modeQuery;
    // Radios that answer one question at a time are asked for the frequency and
    // the mode on alternate ticks; the phase flips even when a query is missing.
    const bool askFrequency = queryPhase == 0;
    const std::uint8_t nextPhase = askFrequency ? 1 : 0;
    SendTick tick;
    tick.queryPhase = queryPhase;
    if (isKenwoodText(type)) {
        appendText(tick.bytes, frequency);
        appendText(tick.bytes, mode);
    } else if (isIcomFamily(type)) {
        appendHexQuery(tick.bytes, askFrequency ? frequency : mode, 17, 17);
        tick.queryPhase = nextPhase;
    } else if (isYaesuFiveByte(type) && findRadio(type) != nullptr) {
        // Only the listed Yaesus: a stored type the list does not know asks nothing.
        appendHexQuery(tick.bytes, frequency, 14, 14);
    } else if (type == "Yaesu FTdx9000") {
        appendText(tick.bytes, askFrequency ? frequency : mode, 2);
        tick.queryPhase = nextPhase;
    } else if (type == "Ten Tec Fnt Pnl") {
        appendHexQuery(tick.bytes, askFrequency ? frequency : mode, 7, 8);
        tick.queryPhase = nextPhase;
    } else if (type == "Ten Tec Orion") {
        appendWithReturn(tick.bytes, frequency);
        appendWithReturn(tick.bytes, mode);
    } else if (type == kRigctldRigType) {
        tick.bytes = kRigctldQueries;
    } else if (type == "Other") {
        for (const std::string_view query : {frequency, mode}) {
            if (!query.empty()) {
                tick.bytes += queries.convertToHex ? HexTextToBytes(query) : std::string(query);
            }
        }
    }
    return tick;
}

void decodeReply(const RigQueries& queries, std::uint8_t queryPhase, std::string_view rxBuffer,
                 RigReading& reading) {
    const std::string_view type = queries.rigType;
    const bool frequencyPhase = queryPhase == 1;
    if (type == "Kenwood" || type == "Elecraft") {
        decoders::kenwoodFrequency(queries.frequencyQuery, rxBuffer, reading);
        decoders::kenwoodMode(rxBuffer, reading);
    } else if (type == "Kenwood 2") {
        decoders::kenwoodIf(rxBuffer, reading);
    } else if (isIcomFamily(type)) {
        decoders::icom(rxBuffer, frequencyPhase, type == "Icom 735", reading);
    } else if (type == "Yaesu") {
        decoders::yaesuBcd(rxBuffer, reading);
    } else if (type == "Yaesu 757 GX II") {
        decoders::yaesu757(rxBuffer, reading);
    } else if (decoders::yaesuStatus(type, rxBuffer, reading)) {
        return;
    } else if (type == "Yaesu FTdx9000") {
        decoders::ftdx9000(queries.frequencyQuery, queries.modeQuery, rxBuffer, reading);
    } else if (type == "Ten Tec Fnt Pnl") {
        decoders::frontPanel(rxBuffer, frequencyPhase, reading);
    } else if (type == "Ten Tec Orion") {
        decoders::orion(rxBuffer, reading);
    }
}

void decodePegasusFile(std::string_view text, RigReading& reading) {
    // The first two values of the file, whether a comma or a line break parts them;
    // a blank line is an empty mode.
    ItemReader reader(text, ItemReader::BlankLines::EmptyItem);
    std::vector<Item> values;
    std::vector<Item> line;
    while (values.size() < 2 && reader.nextLine(line) == ItemReader::Result::Line) {
        values.insert(values.end(), line.begin(), line.end());
    }
    if (values.size() < 2) {
        return;
    }
    const auto frequency = itemNumber(values[0]);
    if (!frequency || std::fabs(*frequency) > std::numeric_limits<float>::max()) {
        return;
    }
    reading.frequencyMHz = static_cast<float>(*frequency);
    const std::string& mode = values[1].text;
    reading.modeText = mode.empty() || mode == "CW" ? mode : std::string("PH");
}

} // namespace qv
