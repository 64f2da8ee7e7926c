#pragma once

// What the program settles before it opens a window: the words of its command
// line and the folder it works in.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The folder, under the home folder, that a start from the home folder works in.
inline constexpr std::string_view kHomeWorkingFolder = "QuorvaneLog";

// The answer to command-line words that end the program before any window: the
// text to print, where to print it, and the exit status.
struct CommandLineReply {
    std::string text;
    bool toStandardError = false;
    int exitStatus = 0;

    bool operator==(const CommandLineReply&) const = default;
};

// The words after the program's name: none starts the program (no reply);
// "--help" or "--version" alone prints its text; anything else prints a short
// usage message and fails.
[[nodiscard]] std::optional<CommandLineReply>
answerCommandLine(const std::vector<std::string>& words, std::string_view version);

// The working directory of a start in `current`: the current directory, except
// the home folder itself (a start from the desktop menu), which gives
// ~/QuorvaneLog so that the contest's files do not land among the operator's own.
[[nodiscard]] std::string workingDirectoryFor(std::string_view current, std::string_view home);

} // namespace qv
