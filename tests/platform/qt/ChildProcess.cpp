#include "ChildProcess.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace qv::test {

using namespace std::chrono_literals;

ChildProcess::ChildProcess(const std::vector<std::string>& command,
                           const std::vector<std::string>& environment) {
    std::vector<char*> argv;
    for (const std::string& arg : command) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<std::string> env(environment);
    for (char** e = environ; *e != nullptr; ++e) {
        env.emplace_back(*e);
    }
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        pid_ = pid;
    }
    posix_spawn_file_actions_destroy(&actions);
}

void ChildProcess::stop(int signal, std::chrono::milliseconds deadline) {
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, signal);
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (::waitpid(pid_, nullptr, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            break;
        }
        std::this_thread::sleep_for(5ms);
    }
    pid_ = -1;
}

bool onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        if (!folder.empty() && ::access((folder + '/' + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

bool waitForFiles(const std::vector<std::string>& paths, std::chrono::milliseconds deadline) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (true) {
        bool all = true;
        for (const std::string& p : paths) {
            std::error_code ec;
            all = all && std::filesystem::exists(p, ec);
        }
        if (all) {
            return true;
        }
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
}

} // namespace qv::test
