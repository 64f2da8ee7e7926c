// Reads shipped data files as the installed program does, from an installed copy:
//
//   installed_data_probe <installed bin folder> <empty working folder> <data folder> <name>...
//
// Each name must be found through the share folder beside the bin folder and hold
// the same bytes as the file of that name in the source data folder.

#include "platform/ShippedFiles.h"
#include "platform/posix/PosixFileStore.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::cerr << "usage: installed_data_probe <bin> <working folder> <data folder> <name>...\n";
        return 2;
    }
    const std::string programDir = argv[1];
    qv::PosixFileStore working(argv[2]);
    qv::PosixFileStore besideProgram(programDir);
    qv::PosixFileStore installedData(qv::installedDataFolder(programDir));
    qv::ShippedFiles shipped(working, {&besideProgram, &installedData});

    int failures = 0;
    for (int i = 4; i < argc; ++i) {
        const std::string name = argv[i];
        const qv::FileContents found = shipped.read(name);
        std::ifstream source(std::string(argv[3]) + "/" + name, std::ios::binary);
        const std::string expected{std::istreambuf_iterator<char>(source),
                                   std::istreambuf_iterator<char>()};
        if (found.error != qv::FileContents::Error::None) {
            std::cerr << name << ": not found from " << programDir << "\n";
            ++failures;
        } else if (!source || found.bytes != expected) {
            std::cerr << name << ": the installed copy differs from the shipped one\n";
            ++failures;
        } else {
            std::cout << name << ": found, " << found.bytes.size() << " bytes\n";
        }
    }
    return failures == 0 ? 0 : 1;
}
