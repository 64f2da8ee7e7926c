// Writes the ADIF export of the fixture log into the directory named on the
// command line, through the real file store, for the adif-parser-ts check.

#include "ReportFixtures.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "platform/posix/PosixFileStore.h"
#include "reports/AdifExport.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: adif_fixture_export DIRECTORY\n");
        return 2;
    }
    std::filesystem::create_directories(argv[1]);
    qv::PosixFileStore files(argv[1]);
    qv::test::FakeDialogs dialogs;
    dialogs.inputAnswers.push_back(qv::test::kAdifFixturePower);
    qv::test::FakeBeeper beeper;
    qv::test::FakeClock clock;
    clock.setLocal(2007, 1, 14, 18, 30, 0);
    qv::ContestLog log;
    log.assign(qv::test::adifFixtureLog());
    qv::FileContents countries;
    countries.bytes = qv::test::kAdifFixtureCountries;
    const qv::Status s = qv::ExportAdifFile(dialogs, beeper, clock, files, countries, log,
                                            "Velmark's Quorvane Log 1.5");
    if (!s) {
        std::fprintf(stderr, "export failed: %s\n", s.message().c_str());
        return 1;
    }
    std::printf("wrote %s/Quorvex.adi\n", argv[1]);
    return 0;
}
