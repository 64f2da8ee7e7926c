// Writes a full 11000-contact log.txt into the given directory (for measuring the
// program with a loaded log).

#include "SampleLog.h"
#include "core/ContestLog.h"
#include "core/LogFileFormat.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sample_log DIR\n";
        return 2;
    }
    const auto end = *qv::DateTime::fromFields(2007, 1, 14, 18, 0, 0);
    std::ofstream out(std::string(argv[1]) + "/log.txt", std::ios::binary | std::ios::trunc);
    out << *qv::formatLog(qv::bench::sampleLog(qv::ContestLog::kCapacity, end));
    return out ? 0 : 1;
}
