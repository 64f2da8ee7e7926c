#pragma once

namespace qv {

// SIGTERM, SIGINT and SIGHUP (a shutdown, Ctrl+C in the terminal, the terminal
// closed) turned into a byte on a pipe, so the program ends between two of its
// operations, the way its Exit menu item ends it, and never in the middle of
// writing a contact. One instance at a time; the previous handlers come back when
// it goes.
class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Readable once a signal has arrived.
    int descriptor() const { return readFd_; }
    // The last signal that arrived, or 0; empties the pipe.
    int take();

private:
    int readFd_ = -1;
};

} // namespace qv
