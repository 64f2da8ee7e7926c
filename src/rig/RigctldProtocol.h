#pragma once

// Hamlib's rig daemon rigctld, spoken over TCP in its default (plain) form: one
// command a line, each answer one or more lines, a failure "RPRT -n". Pure: text
// in, readings out; commands in, text out.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// What a send tick asks: the frequency ("f") and the mode with its passband ("m").
inline constexpr std::string_view kRigctldQueries = "f\nm\n";

// What one reply tick's text says. Only whole answers are read; `consumed` is how
// much of the text they took, and the rest (an answer cut by the network) waits
// for the next tick.
struct RigctldReply {
    std::optional<float> frequencyMHz;   // the last frequency answered
    std::optional<std::string> modeText; // the log's mode of the last mode answered
    std::optional<std::string> error;    // the last failure reported ("RPRT -11")
    std::size_t consumed = 0;
};

RigctldReply decodeRigctldReply(std::string_view text);

// The log's mode for one of hamlib's mode names: "CW" for CW and CWR, "PH" for the
// side bands and their packet forms, "AM", "FM" for FM and WFM; nothing otherwise.
std::optional<std::string_view> logModeOfHamlibMode(std::string_view hamlibMode);

// The mode command for a mode text of the tuning window or the band plan
// ("M USB 0": the radio keeps its passband), or nothing for a mode hamlib lacks.
std::optional<std::string> rigctldModeCommand(std::string_view mode);

// The frequency command ("F 14025000") for whole Hz.
std::string rigctldFrequencyCommand(std::int64_t hz);

// One radio of hamlib's list as "rigctl -l" prints it.
struct HamlibModel {
    int number = 0;
    std::string maker;
    std::string model;
    // "2  Kenwood TS-2000": what the model list shows and the search looks in.
    std::string caption() const;
};

// The radios of "rigctl -l": a header line naming the columns, then one radio a
// line in fixed columns. Lines that do not read as a radio are skipped.
std::vector<HamlibModel> parseHamlibModels(std::string_view listing);

// The index of the first model whose caption contains `typed` (ignoring case),
// starting the search at `from` and wrapping round; nothing when none does.
std::optional<std::size_t> findHamlibModel(const std::vector<HamlibModel>& models,
                                           std::string_view typed, std::size_t from = 0);

} // namespace qv
