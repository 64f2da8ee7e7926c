#include "rig/RadioTable.h"

#include <string_view>

namespace qv {
namespace {

using namespace std::string_view_literals;

constexpr RadioSerialDefaults kLeaveSerial{};
constexpr RadioSerialDefaults k4800Two{4800, 8, 2, 'N'};
constexpr RadioSerialDefaults k1200One{1200, 8, 1, 'N'};
constexpr RadioSerialDefaults k56000One{56000, 8, 1, 'N'};

constexpr std::string_view kIcomFrequency = "FE FE 64 E0 03 FD";
constexpr std::string_view kIcomMode = "FE FE 64 E0 04 FD";
constexpr std::string_view kYaesuStatus = "00 00 00 02 10";

// Strings with NUL bytes need their length spelled out.
constexpr std::string_view kFiveZeros = "\0\0\0\0\0"sv;
constexpr std::string_view kYaesuOff = "\0\0\0\0\x80"sv;
constexpr std::string_view kOrionWake = "X\r";

} // namespace

const std::array<Radio, 20> kRadios = {{
    {"None", kLeaveSerial, "", "", false},
    {"Elecraft", k4800Two, "FA;", "MD;", false},
    {"Icom", k1200One, kIcomFrequency, kIcomMode, true},
    {"Icom 735", k1200One, kIcomFrequency, kIcomMode, true},
    {"Kenwood", k4800Two, "FA;", "MD;", false},
    {"Kenwood 2", k4800Two, "IF;", "", false},
    {"Ten Tec Omni VI", k1200One, "FE FE 04 E0 03 FD", "FE FE 04 E0 04 FD", true},
    {"Ten Tec Orion", k56000One, "?AF", "?RMM", false},
    {"Ten Tec Fnt Pnl", k56000One, "3F 41 0D", "3F 4D 0D", true},
    {"Ten Tec Pegasus", kLeaveSerial, "", "", false},
    {"Yaesu", k4800Two, "00 00 00 00 03", "", true},
    {"Yaesu 757 GX II", k4800Two, "00 00 00 00 10", "", true},
    {"Yaesu 890", k4800Two, kYaesuStatus, "", true},
    {"Yaesu 920", k4800Two, kYaesuStatus, "", true},
    {"Yaesu 990", k4800Two, kYaesuStatus, "", true},
    {"Yaesu 1000 D", k4800Two, kYaesuStatus, "", true},
    {"Yaesu 1000", k4800Two, kYaesuStatus, "", true},
    {"Yaesu FTdx9000", RadioSerialDefaults{4800, std::nullopt, std::nullopt, std::nullopt}, "FA;",
     "MD0;", false},
    {"Other", kLeaveSerial, "", "", false},
    {kRigctldRigType, kLeaveSerial, "", "", false},
}};

const Radio* findRadio(std::string_view rigType) {
    for (const Radio& radio : kRadios) {
        if (radio.rigType == rigType) {
            return &radio;
        }
    }
    return nullptr;
}

bool isKenwoodText(std::string_view rigType) {
    return rigType == "Kenwood" || rigType == "Kenwood 2" || rigType == "Elecraft";
}

bool isIcomFamily(std::string_view rigType) {
    return rigType == "Icom" || rigType == "Ten Tec Omni VI" || rigType == "Icom 735";
}

// Any type that begins with "Yaesu" counts, as the port opening and unloading test
// only the first five characters.
bool isYaesuFiveByte(std::string_view rigType) {
    return rigType.starts_with("Yaesu") && rigType != "Yaesu FTdx9000";
}

bool needsHardwareHandshake(std::string_view rigType) {
    return rigType == "Ten Tec Orion" || rigType == "Ten Tec Fnt Pnl";
}

std::string_view bytesAfterOpen(std::string_view rigType) {
    if (isYaesuFiveByte(rigType)) {
        return kFiveZeros;
    }
    if (rigType == "Ten Tec Orion") {
        return kOrionWake;
    }
    return {};
}

std::string_view bytesAtUnload(std::string_view rigType) {
    return isYaesuFiveByte(rigType) ? kYaesuOff : std::string_view{};
}

} // namespace qv
