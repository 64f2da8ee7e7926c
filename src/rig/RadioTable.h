#pragma once

// The radios rig control knows, in the order of the rig window's list, with the
// serial settings, query strings and "Convert to Hex" each starts from.

#include <array>
#include <optional>
#include <string_view>

namespace qv {

// What the selection of a radio sets; an empty field leaves the option as it was.
struct RadioSerialDefaults {
    std::optional<int> baud;
    std::optional<int> dataBits;
    std::optional<int> stopBits;
    std::optional<char> parity; // 'N', 'E' or 'O'
};

struct Radio {
    std::string_view rigType; // the list text, compared exactly everywhere
    RadioSerialDefaults serial;
    std::string_view frequencyQuery;
    std::string_view modeQuery;
    bool convertToHex = false;
};

// The 20 radios: "None" first, "Other", then any radio hamlib's daemon rigctld
// serves, reached over TCP.
extern const std::array<Radio, 20> kRadios;

inline constexpr std::string_view kRigctldRigType = "Hamlib rigctld";

// The radio of a RigType text (exact, case-sensitive), or null.
const Radio* findRadio(std::string_view rigType);

// Families that the polling and commands treat alike.
bool isKenwoodText(std::string_view rigType);   // "Kenwood", "Kenwood 2", "Elecraft"
bool isIcomFamily(std::string_view rigType);    // "Icom", "Ten Tec Omni VI", "Icom 735"
bool isYaesuFiveByte(std::string_view rigType); // every "Yaesu..." but "Yaesu FTdx9000"
// RTS/CTS handshaking at open: "Ten Tec Orion", "Ten Tec Fnt Pnl".
bool needsHardwareHandshake(std::string_view rigType);
// The bytes sent right after the port opens (five zero bytes for the five-byte
// Yaesus, "X" and CR for the Orion), and at unload while polling (00 00 00 00 80
// for the five-byte Yaesus); empty for the others.
std::string_view bytesAfterOpen(std::string_view rigType);
std::string_view bytesAtUnload(std::string_view rigType);

} // namespace qv
