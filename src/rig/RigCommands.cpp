#include "rig/RigCommands.h"

#include "base/Cp1252.h"
#include "base/Numbers.h"
#include "rig/HexText.h"
#include "rig/RadioTable.h"
#include "rig/RigctldProtocol.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace qv {
namespace {

constexpr std::uint32_t kPauseMs = 205;
constexpr std::uint32_t kIcomPauseMs = 140;

// Written in decimal with leading zeros to `width` digits; nothing when the value
// needs more digits than the command field holds.
std::optional<std::string> paddedDigits(std::int64_t value, std::size_t width) {
    if (value < 0) {
        return std::nullopt;
    }
    std::string digits = std::to_string(value);
    if (digits.size() > width) {
        return std::nullopt;
    }
    digits.insert(0, width - digits.size(), '0');
    return digits;
}

FrequencyCommand refused(std::string message) {
    FrequencyCommand command;
    command.refusal = std::move(message);
    return command;
}

FrequencyCommand doesNotFit(float frequencyMHz) {
    if (!std::isfinite(frequencyMHz)) {
        return refused("That frequency does not fit the radio's frequency command.");
    }
    // to_chars, unlike printf, ignores the C locale that Qt takes from the environment.
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<double>(frequencyMHz),
                                   std::chars_format::fixed, 3)
                         .ptr;
    return refused(std::string(text, end) + " MHz does not fit the radio's frequency command.");
}

// The radio's bus address: the two hex digits at characters 7 and 8 of the
// frequency query ("FE FE 64 E0 03 FD" gives 64).
std::optional<char> icomAddress(std::string_view frequencyQuery) {
    if (frequencyQuery.size() < 8) {
        return std::nullopt;
    }
    const std::string byte = HexPairsToBytes(frequencyQuery.substr(6, 2));
    if (byte.size() != 1) {
        return std::nullopt;
    }
    return byte[0];
}

std::string icomFrame(char address, char command, std::string_view data) {
    std::string frame = "\xFE\xFE";
    frame.push_back(address);
    frame.push_back('\xE0');
    frame.push_back(command);
    frame += data;
    frame.push_back('\xFD');
    return frame;
}

// Digit pairs taken from the end: the least significant pair first.
std::string pairsReversed(std::string_view digits) {
    std::string pairs;
    for (std::size_t end = digits.size(); end >= 2; end -= 2) {
        pairs += digits.substr(end - 2, 2);
    }
    return pairs;
}

bool isStatusBlockYaesu(std::string_view rigType) {
    return rigType == "Yaesu 757 GX II" || rigType == "Yaesu 890" || rigType == "Yaesu 920" ||
           rigType == "Yaesu 990" || rigType == "Yaesu 1000 D" || rigType == "Yaesu 1000";
}

// The mode commands; an empty text or a negative code is "no command".
struct ModeRow {
    std::string_view mode;
    std::string_view kenwood; // "Kenwood", "Kenwood 2", "Elecraft"
    int icom;                 // the data byte of command 06
    int yaesu;                // the first parameter byte of command 07
    int yaesuStatus;          // the fourth parameter byte of command 0C
    char ftdx9000;            // the digit after the mode query's prefix
};

constexpr int kNone = -1;

constexpr std::array<ModeRow, 11> kModes = {{
    {"LSB", "MD1;", 0x00, 0x00, 0x00, '1'},
    {"USB", "MD2;", 0x01, 0x01, 0x01, '2'},
    {"CW", "MD3;", 0x03, 0x02, 0x02, '3'},
    {"FM", "MD4;", 0x05, 0x08, 0x06, '4'},
    {"AM", "MD5;", 0x02, 0x04, 0x04, '5'},
    {"RTTY", "MD6;", 0x04, 0x0A, 0x08, '6'},
    {"FSK", "MD6;", kNone, kNone, kNone, 0},
    {"CW-R", "", 0x07, kNone, 0x03, '7'},
    {"RTTY-R", "", 0x08, kNone, kNone, 0},
    {"DIG", "", kNone, 0x0A, kNone, 0},
    {"PKT", "", kNone, 0x0C, 0x0A, 0},
}};

std::string yaesuCommand(int p1, int p2, int p3, int p4, int command) {
    return {static_cast<char>(p1), static_cast<char>(p2), static_cast<char>(p3),
            static_cast<char>(p4), static_cast<char>(command)};
}

} // namespace

FrequencyCommand frequencyCommand(const CommandContext& context, float frequencyMHz) {
    const std::string_view type = context.rigType;
    if (type == "None" || type == "Other" || findRadio(type) == nullptr) {
        return {};
    }
    if (!std::isfinite(frequencyMHz) || frequencyMHz < 0) {
        return doesNotFit(frequencyMHz);
    }
    // The commands count whole Hz or 10 Hz units of the frequency as it was typed
    // or decoded: the shortest decimal that reads back as the same single, so
    // 21.026 tunes to 21026000 Hz, not to the single's 21025999.07.
    const std::string shortest = formatShortest(frequencyMHz);
    double mhz = static_cast<double>(frequencyMHz);
    std::from_chars(shortest.data(), shortest.data() + shortest.size(), mhz);
    const std::int64_t hz = roundHalfEven(mhz * 1'000'000.0);
    const std::int64_t tenHz = roundHalfEven(mhz * 100'000.0);

    FrequencyCommand command;
    if (type == kRigctldRigType) {
        // The daemon paces the radio itself.
        command.bytes = rigctldFrequencyCommand(hz);
        return command;
    }
    command.pausesMs = {kPauseMs};
    if (isKenwoodText(type)) {
        const auto digits = paddedDigits(hz, 11);
        if (!digits) {
            return doesNotFit(frequencyMHz);
        }
        std::string_view prefix = "FA";
        if (type == "Kenwood") {
            prefix = context.frequencyQuery.substr(0, 2);
        } else if (type == "Kenwood 2" && context.kenwoodVfo == 1) {
            prefix = "FB";
        } else if (type == "Elecraft") {
            command.pausesMs = {kPauseMs, 1000};
        }
        command.bytes = std::string(prefix) + *digits + ";";
    } else if (isIcomFamily(type)) {
        const auto address = icomAddress(context.frequencyQuery);
        if (!address) {
            return refused("The string to read frequency does not hold the radio's address.");
        }
        const auto digits = paddedDigits(hz, 10);
        if (!digits) {
            return doesNotFit(frequencyMHz);
        }
        command.pausesMs = {kIcomPauseMs};
        if (type == "Ten Tec Omni VI") {
            command.pausesMs.push_back(220);
        }
        command.bytes = icomFrame(*address, '\x05', HexPairsToBytes(pairsReversed(*digits)));
    } else if (type == "Ten Tec Fnt Pnl") {
        if (hz > 0xFFFF'FFFFLL) {
            return doesNotFit(frequencyMHz);
        }
        const auto value = static_cast<std::uint32_t>(hz);
        command.bytes = {'*',
                         'A',
                         static_cast<char>(value >> 24),
                         static_cast<char>(value >> 16),
                         static_cast<char>(value >> 8),
                         static_cast<char>(value),
                         '\r'};
    } else if (type == "Ten Tec Orion") {
        command.bytes = "*AF" + formatShortest(frequencyMHz) + "\r";
    } else if (type == "Ten Tec Pegasus") {
        command.pegasusFile = formatShortest(frequencyMHz) + "\r\n" +
                              std::string(trimSpaces(context.modeText)) + "\r\n";
    } else if (type == "Yaesu") {
        const auto digits = paddedDigits(tenHz, 8);
        if (!digits) {
            return doesNotFit(frequencyMHz);
        }
        command.bytes = HexPairsToBytes(*digits + "01");
    } else if (isStatusBlockYaesu(type)) {
        const auto digits = paddedDigits(tenHz, 8);
        if (!digits) {
            return doesNotFit(frequencyMHz);
        }
        if (type == "Yaesu 1000") {
            command.pausesMs = {10};
        }
        command.bytes = HexPairsToBytes(pairsReversed(*digits) + "0A");
    } else if (type == "Yaesu FTdx9000") {
        const auto digits = paddedDigits(hz, 8);
        if (!digits) {
            return doesNotFit(frequencyMHz);
        }
        command.bytes = std::string(context.frequencyQuery.substr(0, 2)) + *digits + ";";
    }
    return command;
}

std::optional<std::string> modeCommand(const CommandContext& context, std::string_view mode) {
    if (context.rigType == kRigctldRigType) {
        return rigctldModeCommand(mode);
    }
    const ModeRow* row = nullptr;
    for (const ModeRow& r : kModes) {
        if (r.mode == mode) {
            row = &r;
        }
    }
    if (row == nullptr) {
        return std::nullopt;
    }
    const std::string_view type = context.rigType;
    if (isKenwoodText(type) && !row->kenwood.empty()) {
        return std::string(row->kenwood);
    }
    if ((type == "Icom" || type == "Ten Tec Omni VI") && row->icom != kNone) {
        const auto address = icomAddress(context.frequencyQuery);
        if (!address) {
            return std::nullopt;
        }
        return icomFrame(*address, '\x06', std::string(1, static_cast<char>(row->icom)));
    }
    if (type == "Yaesu" && row->yaesu != kNone) {
        return yaesuCommand(row->yaesu, 0, 0, 0, 0x07);
    }
    if (isStatusBlockYaesu(type) && row->yaesuStatus != kNone) {
        return yaesuCommand(0, 0, 0, row->yaesuStatus, 0x0C);
    }
    if (type == "Yaesu FTdx9000" && row->ftdx9000 != 0) {
        return std::string(context.modeQuery.substr(0, 3)) + row->ftdx9000 + ";";
    }
    return std::nullopt;
}

} // namespace qv
