#include "core/Preferences.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Preferences, RoundTripsEveryLine) {
    StationProfile p{"W1AW", "CT", 5.5f, "USA", 72.5f, 41.75f, "NA", "L", "Jos\xE9"};
    Preferences q;
    q.operatingSeconds = 3725;
    q.sizePercent = 90;
    q.workedColor = 0x00FF00;
    q.remainingColor = 0xC0C0C0;
    q.band = "70";
    q.navigationMode = 2;
    q.rigType = "Kenwood";
    q.taskbar = 1;
    q.listPreviousContacts = 1;
    q.defaultCategory = "M";
    const std::string text = formatPreferences(p, q);
    EXPECT_EQ(text.substr(0, 31), "\"W1AW\"\r\n\"CT\"\r\n5.5\r\n\"PH\"\r\n3725\r\n");
    StationProfile p2;
    Preferences q2;
    ASSERT_TRUE(parsePreferences(text, p2, q2));
    EXPECT_EQ(formatPreferences(p2, q2), text);
    EXPECT_EQ(p2.ownName, "Jos\xE9");
    EXPECT_EQ(q2.rigType, "Kenwood");
}

TEST(Preferences, AShortFileKeepsTheDefaultsOfMissingLines) {
    StationProfile p;
    Preferences q;
    ASSERT_TRUE(parsePreferences("\"K1ABC\"\r\n\"MA\"\r\n-4\r\n", p, q));
    EXPECT_EQ(p.ownCall, "K1ABC");
    EXPECT_EQ(p.utcOffsetHours, -4);
    EXPECT_EQ(q.band, "40");
    EXPECT_EQ(q.sizePercent, 100);
    EXPECT_EQ(q.rigType, "None");
}

TEST(Preferences, EmptyLastLineIsNoDefaultCategory) {
    StationProfile p;
    Preferences q;
    q.defaultCategory = "X";
    std::string text = formatPreferences(p, q);
    text = text.substr(0, text.rfind("\"X\"")) + "\r\n";
    ASSERT_TRUE(parsePreferences(text, p, q));
    EXPECT_EQ(q.defaultCategory, "");
}

TEST(Preferences, BadLinesFailAndChangeNothing) {
    for (const char* bad : {"\"W1AW\"\r\n\"CT\"\r\nfive\r\n", "\"W1AW\"\r\n\"C\"T\"\r\n",
                            "\"a\"\r\n\"b\"\r\n0\r\n\"PH\"\r\n0\r\n\"c\"\r\n0\r\n0\r\n300\r\n"}) {
        StationProfile p;
        p.ownCall = "KEEP";
        Preferences q;
        EXPECT_FALSE(parsePreferences(bad, p, q).ok()) << bad;
        EXPECT_EQ(p.ownCall, "KEEP");
    }
}

} // namespace
} // namespace qv
