#include "reports/AdifExport.h"

#include "Golden.h"
#include "ReportFixtures.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDialogs.h"
#include "fakes/MemoryFileStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

const char* const kFailure = "There was an error writing the file.  Please report the bug to "
                             "software@quorvane-contest.example.  Thanks and sorry for the "
                             "problem.";

struct Export {
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::FakeClock clock;
    test::MemoryFileStore files;
    FileContents countries;
    ContestLog log;

    Export() {
        clock.setLocal(2007, 1, 14, 18, 30, 0);
        countries.bytes = test::kAdifFixtureCountries;
        log.assign(test::adifFixtureLog());
    }
    Status run() {
        return ExportAdifFile(dialogs, beeper, clock, files, countries, log,
                              "Velmark's Quorvane Log 1.5");
    }
};

TEST(AdifExport, AsksForThePowerAndWritesTheFile) {
    Export e;
    e.dialogs.inputAnswers.push_back(test::kAdifFixturePower);
    ASSERT_TRUE(e.run().ok());
    EXPECT_EQ(e.files.files["Quorvex.adi"], test::golden("Quorvex.adi"));
    ASSERT_EQ(e.dialogs.shown.size(), 2u);
    EXPECT_EQ(e.dialogs.shown[0].kind, "input");
    EXPECT_EQ(e.dialogs.shown[0].title, "Please enter the power value.");
    EXPECT_EQ(e.dialogs.shown[0].text, "Please enter the power value you would like to record.");
    EXPECT_EQ(e.dialogs.shown[0].defaultAnswer, "");
    EXPECT_EQ(e.dialogs.shown[1].kind, "message");
    EXPECT_EQ(e.dialogs.shown[1].title, "File Written Successfully.");
    EXPECT_EQ(e.dialogs.shown[1].text,
              "The file Quorvex.adi was successfuly written to the directory /memory.");
    EXPECT_EQ(e.beeper.beeps, 0);
}

TEST(AdifExport, CancelledPowerWritesNoPowerField) {
    Export e;
    ASSERT_TRUE(e.run().ok());
    const std::string& file = e.files.files["Quorvex.adi"];
    EXPECT_EQ(file.find("<Tx_Pwr:"), std::string::npos);
    EXPECT_EQ(file.find("<Freq:"), file.find("<Freq:6>14.025"));
}

TEST(AdifExport, EmptyLogWritesTheHeaderAndReportsSuccess) {
    Export e;
    e.log.clear();
    ASSERT_TRUE(e.run().ok());
    const std::string& file = e.files.files["Quorvex.adi"];
    EXPECT_EQ(file.size(), file.find("<EOH>\r\n\r\n") + 9);
    EXPECT_EQ(e.dialogs.shown.back().title, "File Written Successfully.");
}

TEST(AdifExport, FailuresBeepShowTheMessageAndKeepTheEarlierExport) {
    const struct {
        const char* what;
        FileContents::Error countryError;
        std::string countryText;
        bool failWrites;
    } cases[] = {
        {"country table missing", FileContents::Error::NotFound, "", false},
        {"country table unreadable", FileContents::Error::Unreadable, "", false},
        {"country table broken", FileContents::Error::None, "\"USA\r\n", false},
        {"country table too long", FileContents::Error::None,
         [] {
             std::string t;
             for (int i = 0; i < 1001; ++i) {
                 t += "\"C" + std::to_string(i) + "\"," + std::to_string(i) + "\r\n";
             }
             return t;
         }(),
         false},
        {"output not writable", FileContents::Error::None, test::kAdifFixtureCountries, true},
    };
    for (const auto& c : cases) {
        Export e;
        e.files.files["Quorvex.adi"] = "the last export";
        e.countries.error = c.countryError;
        e.countries.bytes = c.countryText;
        e.files.failWrites = c.failWrites;
        const std::size_t before = e.log.size();
        EXPECT_FALSE(e.run().ok()) << c.what;
        EXPECT_EQ(e.beeper.beeps, 1) << c.what;
        ASSERT_EQ(e.dialogs.shown.size(), 2u) << c.what;
        EXPECT_EQ(e.dialogs.shown[1].title, "Unable to write file.") << c.what;
        EXPECT_EQ(e.dialogs.shown[1].text, kFailure) << c.what;
        EXPECT_EQ(e.files.files["Quorvex.adi"], "the last export") << c.what;
        EXPECT_EQ(e.files.files.size(), 1u) << c.what;
        EXPECT_EQ(e.log.size(), before) << c.what;
    }
}

} // namespace
} // namespace qv
