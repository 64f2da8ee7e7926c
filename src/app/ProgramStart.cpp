#include "app/ProgramStart.h"

namespace qv {

namespace {

constexpr std::string_view kUsage = "Usage: quorvane-log [--help | --version]\n";

constexpr std::string_view kHelp =
    "\n"
    "Quorvane Log, the logging program for the Quorvane contest.\n"
    "\n"
    "Started without words it opens its windows and works in the current\n"
    "directory: the log and every other file of the contest are kept there.\n"
    "Started in the home folder (as from the desktop menu) it works in\n"
    "~/QuorvaneLog, which it creates.\n"
    "\n"
    "  --help     show this text and end\n"
    "  --version  show the version and end\n";

// A folder path without the slashes that may end it ("/" stays "/").
std::string_view withoutTrailingSlashes(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

} // namespace

std::optional<CommandLineReply> answerCommandLine(const std::vector<std::string>& words,
                                                  std::string_view version) {
    if (words.empty()) {
        return std::nullopt;
    }
    if (words.size() == 1 && words[0] == "--version") {
        return CommandLineReply{"quorvane-log " + std::string(version) + "\n", false, 0};
    }
    if (words.size() == 1 && words[0] == "--help") {
        return CommandLineReply{std::string(kUsage) + std::string(kHelp), false, 0};
    }
    return CommandLineReply{std::string(kUsage), true, 2};
}

std::string workingDirectoryFor(std::string_view current, std::string_view home) {
    const std::string_view here = withoutTrailingSlashes(current);
    const std::string_view homeFolder = withoutTrailingSlashes(home);
    if (homeFolder.empty() || here != homeFolder) {
        return std::string(current);
    }
    std::string folder(homeFolder);
    if (folder != "/") {
        folder += '/';
    }
    return folder + std::string(kHomeWorkingFolder);
}

} // namespace qv
