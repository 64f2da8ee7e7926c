#include "core/Preferences.h"

#include "fakes/MemoryFileStore.h"

#include <limits>

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Preferences, RoundTripsEveryLine) {
    StationProfile p{"W1AW", "CT", 5.5f, "USA", 72.5f, 41.75f, "NA", "L", "Jos\xE9"};
    Preferences q;
    OperatingState o;
    o.operatingSeconds = 3725;
    q.sizePercent = 90;
    q.workedColor = 0x00FF00;
    q.remainingColor = 0xC0C0C0;
    o.currentBand = "70";
    q.navigationMode = 2;
    q.rigType = "Kenwood";
    q.taskbar = 1;
    q.listPreviousContacts = 1;
    q.defaultCategory = "M";
    const std::string text = *formatPreferences(p, q, o);
    EXPECT_EQ(text.substr(0, 31), "\"W1AW\"\r\n\"CT\"\r\n5.5\r\n\"PH\"\r\n3725\r\n");
    StationProfile p2;
    Preferences q2;
    OperatingState o2;
    ASSERT_TRUE(parsePreferences(text, p2, q2, o2));
    EXPECT_EQ(formatPreferences(p2, q2, o2), text);
    EXPECT_EQ(o2.currentBand, "70");
    EXPECT_EQ(p2.ownName, "Jos\xE9");
    EXPECT_EQ(q2.rigType, "Kenwood");
}

TEST(Preferences, AFileCutShortIsRefusedNamingTheFirstMissingLine) {
    StationProfile p;
    p.ownCall = "KEEP";
    Preferences q;
    OperatingState o;
    const Status short3 = parsePreferences("\"K1ABC\"\r\n\"MA\"\r\n-4\r\n", p, q, o);
    EXPECT_EQ(short3.message(), "Quorvpref.txt line 4 is missing");
    EXPECT_EQ(p.ownCall, "KEEP");
    EXPECT_FALSE(parsePreferences("", p, q, o).ok());

    // Only the default category may be absent: it reads as no default.
    std::string text = *formatPreferences(StationProfile{}, Preferences{}, OperatingState{});
    text.erase(text.rfind("\"\"\r\n"));
    q.defaultCategory = "X";
    ASSERT_TRUE(parsePreferences(text, p, q, o));
    EXPECT_EQ(q.defaultCategory, "");
}

TEST(Preferences, EmptyLastLineIsNoDefaultCategory) {
    StationProfile p;
    Preferences q;
    q.defaultCategory = "X";
    OperatingState o;
    std::string text = *formatPreferences(p, q, o);
    text = text.substr(0, text.rfind("\"X\"")) + "\r\n";
    ASSERT_TRUE(parsePreferences(text, p, q, o));
    EXPECT_EQ(q.defaultCategory, "");
}

TEST(Preferences, BadLinesFailAndChangeNothing) {
    for (const char* bad : {"\"W1AW\"\r\n\"CT\"\r\nfive\r\n", "\"W1AW\"\r\n\"C\"T\"\r\n",
                            "\"a\"\r\n\"b\"\r\n0\r\n\"PH\"\r\n0\r\n\"c\"\r\n0\r\n0\r\n300\r\n"}) {
        StationProfile p;
        p.ownCall = "KEEP";
        Preferences q;
        OperatingState o;
        EXPECT_FALSE(parsePreferences(bad, p, q, o).ok()) << bad;
        EXPECT_EQ(p.ownCall, "KEEP");
    }
}

TEST(Preferences, NumbersBeyondWhatTheLineCanMeanFail) {
    const StationProfile good{"W1AW", "CT", 5, "USA", 72.5f, 41.75f, "NA", "L", "Anne"};
    struct Case {
        int line;
        const char* value;
    };
    const Case cases[] = {{3, "1e30"}, {3, "-25"},   {5, "1e39"}, {5, "-1"},
                          {7, "181"},  {8, "-90.5"}, {9, "256"},  {10, "-1"}};
    for (const Case& c : cases) {
        std::string text = *formatPreferences(good, Preferences{}, OperatingState{});
        std::size_t start = 0;
        for (int i = 1; i < c.line; ++i) {
            start = text.find("\r\n", start) + 2;
        }
        text.replace(start, text.find("\r\n", start) - start, c.value);
        StationProfile p;
        Preferences q;
        OperatingState o;
        const Status read = parsePreferences(text, p, q, o);
        EXPECT_FALSE(read.ok()) << c.value;
        EXPECT_EQ(read.message(), "Quorvpref.txt line " + std::to_string(c.line)) << c.value;
    }
}

TEST(Preferences, AValueThatCannotBeWrittenIsReportedNotWritten) {
    StationProfile p;
    p.ownName = "Jo\"hn";
    Preferences q;
    q.mayWrite = true;
    OperatingState o;
    EXPECT_FALSE(formatPreferences(p, q, o));
    test::MemoryFileStore files;
    EXPECT_FALSE(writePreferences(files, p, q, o).ok());
    EXPECT_FALSE(files.exists("Quorvpref.txt"));

    p.ownName = "John";
    o.operatingSeconds = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(writePreferences(files, p, q, o).ok());
    EXPECT_FALSE(files.exists("Quorvpref.txt"));
}

TEST(Preferences, NothingIsWrittenBeforeTheFileWasRead) {
    test::MemoryFileStore files;
    files.files["Quorvpref.txt"] = "\"W1AW\"\r\n\"CT\"\r\nfive\r\n";
    StationProfile p;
    Preferences q;
    OperatingState o;
    EXPECT_FALSE(readPreferences(files, p, q, o).ok());
    EXPECT_FALSE(writePreferences(files, p, q, o).ok());
    EXPECT_EQ(files.files["Quorvpref.txt"], "\"W1AW\"\r\n\"CT\"\r\nfive\r\n");

    files.files.clear(); // a first start: no file, defaults, and the file may be made
    EXPECT_TRUE(readPreferences(files, p, q, o).ok());
    EXPECT_TRUE(writePreferences(files, p, q, o).ok());
    EXPECT_TRUE(files.exists("Quorvpref.txt"));
}

} // namespace
} // namespace qv
