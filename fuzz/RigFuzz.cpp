// Feeds arbitrary bytes to every radio's reply decoder in both query phases, to the
// Pegasus file reader, and, as typed query strings, to the hex conversions, the
// send tick and the commands. Nothing may crash, hang or read out of bounds, a
// decoded frequency is always finite, and hex text always reads back as its bytes.

#include "rig/HexText.h"
#include "rig/RadioTable.h"
#include "rig/RigCommands.h"
#include "rig/RigProtocol.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void decodeAsEveryRadio(std::string_view rx, std::string_view frequencyQuery,
                        std::string_view modeQuery, bool typedQueries) {
    for (const qv::Radio& radio : qv::kRadios) {
        const qv::RigQueries queries{
            radio.rigType, typedQueries ? frequencyQuery : radio.frequencyQuery,
            typedQueries ? modeQuery : radio.modeQuery, radio.convertToHex};
        for (const std::uint8_t phase : {0, 1}) {
            qv::RigReading reading;
            qv::decodeReply(queries, phase, rx, reading);
            check(std::isfinite(reading.frequencyMHz));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    decodeAsEveryRadio(input, {}, {}, false);

    qv::RigReading fromFile;
    qv::decodePegasusFile(input, fromFile);
    check(std::isfinite(fromFile.frequencyMHz));

    // The input as the two typed query strings, parted at the first line break.
    const std::size_t cut = std::min(input.find('\n'), input.size());
    const std::string_view frequencyQuery = input.substr(0, cut);
    const std::string_view modeQuery = input.substr(std::min(cut + 1, input.size()));

    for (const std::string_view text : {frequencyQuery, modeQuery}) {
        check(qv::HexTextToBytes(text).size() <= text.size() / 3 + 1);
        const std::string paired = qv::HexPairsToBytes(text);
        check(paired.size() <= text.size() / 2 + 1);
    }
    check(qv::HexTextToBytes(qv::BytesToHexText(input)) == input);

    // A frequency from the first four bytes, whatever float they make.
    float frequencyMHz = 0;
    std::memcpy(&frequencyMHz, data, std::min(size, sizeof frequencyMHz));
    for (const qv::Radio& radio : qv::kRadios) {
        for (const bool convertToHex : {false, true}) {
            const qv::RigQueries queries{radio.rigType, frequencyQuery, modeQuery, convertToHex};
            for (const std::uint8_t phase : {0, 1}) {
                check(qv::queriesFor(queries, phase).queryPhase <= 1);
            }
        }
        const qv::CommandContext context{radio.rigType, frequencyQuery, modeQuery, 1, modeQuery};
        const qv::FrequencyCommand command = qv::frequencyCommand(context, frequencyMHz);
        check(!command.refusal || (command.bytes.empty() && command.pegasusFile.empty()));
        for (const std::string_view mode : {"CW", "USB", "DIG", "CW-R"}) {
            (void)qv::modeCommand(context, mode);
        }
    }
    decodeAsEveryRadio(input, frequencyQuery, modeQuery, true);
    return 0;
}
