// Logs contacts with long lines into log.txt of a folder until it is killed, as
// the program does: the log is loaded first (mending a line a kill tore), then
// every contact is appended through the real file store. With --graceful it
// takes SIGTERM, SIGINT and SIGHUP the way the program does: the contact in
// hand is finished, then it ends.

#include "core/LogFile.h"
#include "core/WorkingLog.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "platform/posix/PosixFileStore.h"
#include "platform/posix/TerminationSignals.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: log_appender FOLDER LINE_LENGTH [--graceful] [--no-sync]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::size_t length = std::strtoul(argv[2], nullptr, 10);
    bool graceful = false;
    bool sync = true;
    for (int i = 3; i < argc; ++i) {
        graceful = graceful || std::string(argv[i]) == "--graceful";
        sync = sync && std::string(argv[i]) != "--no-sync";
    }
    std::unique_ptr<qv::TerminationSignals> signals;
    if (graceful) {
        signals = std::make_unique<qv::TerminationSignals>();
    }

    qv::PosixFileStore files(folder, sync);
    qv::test::FakeDialogs dialogs;
    qv::test::FakeClock clock;
    qv::ContestLog log;
    qv::OperatingState state;
    qv::MultiplierTable table;
    qv::LogFile file(files);
    qv::WorkingLog working(log, state, table, file, dialogs, clock);
    if (working.LoadLog() != qv::Outcome::Continue) {
        return 3;
    }
    for (std::size_t n = log.size() + 1;; ++n) {
        qv::ContactRecord r;
        r.call = "K" + std::to_string(n);
        r.category = "M";
        // Every line a different length, so the kills land at every place in a line.
        r.name =
            std::string(length / 2 + n * 7919 % (length / 2 + 1), static_cast<char>('a' + n % 26));
        r.nameSent = "Anne";
        r.spc = "CT";
        r.date = "2007/01/13";
        r.time = "14:22:05";
        r.mode = "PH";
        r.band = "40";
        r.points = 10;
        if (!working.AppendRecord(std::move(r)).status) {
            return 4;
        }
        if (signals && signals->take() != 0) {
            return 0;
        }
    }
}
