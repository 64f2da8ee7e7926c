#pragma once

// The spotting window's texts: its help paragraphs for each source kind, and
// what it says when the packet engine cannot be reached. The engine is any
// program that speaks the AGW Packet Engine's TCP interface.

#include <string>
#include <string_view>

namespace qv {

inline constexpr const char* kEngineDownload = "https://www.sv2agw.com/downloads";
inline constexpr const char* kEngineProtocol =
    "https://www.on7lds.net/42/sites/default/files/AGWPEAPI.HTM";

// The help paragraphs shown when a kind is chosen, each followed by CR LF CR LF.
std::string spottingHelp(std::string_view kind);
// The box's text, and what the receive box shows, when the engine is unreachable.
std::string engineUnreachableMessage();
std::string engineUnreachableNote();

} // namespace qv
