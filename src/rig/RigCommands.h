#pragma once

// The frequency and mode commands of every radio of the table, byte for byte,
// with the pauses a radio needs before its frequency command. Pure.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct FrequencyCommand {
    // Waited in order before the command is sent; the rig window lets events
    // run between them.
    std::vector<std::uint32_t> pausesMs;
    std::string bytes;       // what goes on the line (empty: nothing)
    std::string pegasusFile; // "Ten Tec Pegasus": the whole PEGASUS.IN, CR LF lines
    // Set when the frequency's digits do not fit the radio's command field (for
    // example 1000 MHz and above for the Yaesu commands); nothing may be sent then.
    std::optional<std::string> refusal;
};

struct CommandContext {
    std::string_view rigType;
    std::string_view frequencyQuery; // the Kenwood prefix and the Icom address
    std::string_view modeQuery;      // the FTdx9000 mode prefix
    std::uint8_t kenwoodVfo = 10;
    std::string_view modeText; // the Pegasus file's second line
};

FrequencyCommand frequencyCommand(const CommandContext& context, float frequencyMHz);

// The mode command, or nothing when the radio has none for the mode ("-" in the
// table, or a radio without mode commands).
std::optional<std::string> modeCommand(const CommandContext& context, std::string_view mode);

} // namespace qv
