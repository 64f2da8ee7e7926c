#include "app/frmStationIDLogic.h"

#include "base/Cp1252.h"
#include "fakes/FakeBeeper.h"
#include "fakes/FakeDialogs.h"
#include "fakes/FakeSettingsStore.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using C = frmStationIDControl;

const std::string kCallKey = "Velmark_Software/Settings/UserCallSign";

PrefixTable prefixes() {
    return PrefixTable({
        {"EA8", "Canary Islands", "AF", 15.5f, 28.25f},
        {"K", "USA", "NA", 91.87f, 37.6f},
        {"VE", "Canada", "NA", 80, 45.5f},
        {"VP9", "Bermuda", "NA", 64.75f, 32.3f},
        {"ZF", "Cayman Islands", "NA", 81.4f, 19.3f},
    });
}

StationProfile anne() {
    StationProfile p;
    p.ownCall = "W1AW";
    p.ownSpc = "CT";
    p.utcOffsetHours = 5.5f;
    p.ownCountry = "USA";
    p.ownLongitude = 72.7f;
    p.ownLatitude = -41.72f;
    p.ownContinent = "NA";
    p.ownCategory = "M";
    p.ownName = "Anne";
    return p;
}

class frmStationIDLogicTest : public ::testing::Test {
protected:
    PrefixTable table = prefixes();
    test::FakeDialogs dialogs;
    test::FakeBeeper beeper;
    test::FakeSettingsStore settings;
    frmStationIDLogic window{table, dialogs, beeper};

    TextField& box(C c) { return *window.state().box(c); }
    void type(C c, std::string_view keys) {
        for (char k : keys) {
            window.keyPressed(c, static_cast<unsigned char>(k));
        }
    }
    void given(C c, std::string text, std::size_t caret) {
        box(c).setText(std::move(text));
        box(c).select(caret, 0);
    }
};

TEST_F(frmStationIDLogicTest, OpeningShowsTheProfileWithNumbersInShortestForm) {
    StationProfile p = anne();
    p.ownLatitude = 0.1f;
    window.open(p, settings);
    const auto& s = window.state();
    EXPECT_EQ(s[C::Text1].text, "W1AW");
    EXPECT_EQ(s[C::Text2].text, "USA");
    EXPECT_EQ(s[C::Text3].text, "72.7");
    EXPECT_EQ(s[C::Text4].text, "0.1");
    EXPECT_EQ(s[C::Text5].text, "CT");
    EXPECT_EQ(s[C::Text6].text, "5.5");
    EXPECT_EQ(s[C::Text7].text, "NA");
    EXPECT_EQ(s[C::Text8].text, "M");
    EXPECT_EQ(s[C::Text9].text, "Anne");
    EXPECT_EQ(s.focus, C::Text1);
    EXPECT_FALSE(s.hidden);
}

TEST_F(frmStationIDLogicTest, AnEmptyCallTakesTheStoredCallSign) {
    struct Case {
        const char* call;
        const char* stored; // nullptr: no key
        const char* shown;
    };
    const Case cases[] = {
        {"", "K1ABC", "K1ABC"},
        {"", nullptr, ""},
        {"W1AW", "K1ABC", "W1AW"},
        {"", "K1\"AB", "K1AB"}, // a double quote would break the preferences file
    };
    for (const Case& c : cases) {
        settings.values.clear();
        if (c.stored) {
            settings.values[kCallKey] = c.stored;
        }
        StationProfile p = anne();
        p.ownCall = c.call;
        window.open(p, settings);
        EXPECT_EQ(window.state()[C::Text1].text, c.shown)
            << c.call << "/" << (c.stored ? c.stored : "-");
    }
}

TEST_F(frmStationIDLogicTest, KeyFilters) {
    struct Case {
        C field;
        const char* before;
        std::size_t caret;
        int key;
        const char* after;
    };
    const Case cases[] = {
        {C::Text1, "W1A", 3, 'w', "W1AW"},
        {C::Text1, "", 0, '\xE9', "\xE9"}, // only a to z are capitalised
        {C::Text1, "W1", 2, '"', "W1"},
        {C::Text5, "c", 1, 't', "cT"},
        {C::Text7, "", 0, 'n', "N"},
        {C::Text8, "", 0, 'm', "M"},
        {C::Text8, "M", 1, keys::kBackspace, ""},
        {C::Text9, "", 0, 'a', "A"},
        {C::Text9, "nne", 0, 'a', "Anne"},
        {C::Text9, "A", 1, 'n', "An"},
        {C::Text9, "", 0, '\xE9', "\xC9"},
        {C::Text6, "", 0, '-', "-"},
        {C::Text6, "5", 1, '.', "5."},
        {C::Text6, "5", 1, '/', "5/"},
        {C::Text6, "5", 1, '9', "59"},
        {C::Text6, "5", 1, ',', "5"},
        {C::Text6, "5", 1, ':', "5"},
        {C::Text6, "5", 1, 'e', "5"},
        {C::Text6, "5", 1, ' ', "5"},
        {C::Text6, "55", 2, keys::kBackspace, "5"},
        {C::Text3, "", 0, 'w', "w"},
        {C::Text4, "4", 1, 'n', "4n"},
        {C::Text2, "", 0, 'x', "X"}, // capitalised at the start, no country to complete
        {C::Text2, "X", 1, 'y', "Xy"},
    };
    for (const Case& c : cases) {
        window.open(anne(), settings);
        given(c.field, c.before, c.caret);
        window.keyPressed(c.field, static_cast<unsigned char>(c.key));
        EXPECT_EQ(box(c.field).text, c.after)
            << static_cast<int>(c.field) + 1 << " '" << c.before << "' " << c.key;
        EXPECT_FALSE(window.state().hidden);
    }
}

TEST_F(frmStationIDLogicTest, EnterPressesDoneInTheListedFields) {
    const std::pair<C, bool> cases[] = {
        {C::Text1, true}, {C::Text2, false}, {C::Text3, false}, {C::Text4, false}, {C::Text5, true},
        {C::Text6, true}, {C::Text7, true},  {C::Text8, true},  {C::Text9, true},
    };
    for (const auto& [field, done] : cases) {
        window.open(anne(), settings);
        box(field).setText("4");
        window.keyPressed(field, keys::kEnter);
        EXPECT_EQ(window.state().hidden, done) << static_cast<int>(field) + 1;
        EXPECT_EQ(box(field).text, "4") << static_cast<int>(field) + 1;
    }
}

TEST_F(frmStationIDLogicTest, CountryCompletesFromTheLastMatchingEntry) {
    window.open(anne(), settings);
    given(C::Text2, "", 0);
    struct Step {
        char key;
        const char* text;
        std::size_t selStart, selLength;
        const char* longitude;
        const char* latitude;
        const char* continent;
    };
    const Step steps[] = {
        {'c', "Cayman Islands", 1, 13, "81.4", "19.3", "NA"},
        {'a', "Cayman Islands", 2, 12, "81.4", "19.3", "NA"},
        {'n', "Canada", 3, 3, "80", "45.5", "NA"}, // Canada comes after the Canary Islands
        {'a', "Canada", 4, 2, "80", "45.5", "NA"},
        {'r', "Canary Islands", 5, 9, "15.5", "28.25", "AF"}, // back to an earlier entry
    };
    for (const Step& s : steps) {
        window.keyPressed(C::Text2, s.key);
        const TextField& f = box(C::Text2);
        EXPECT_EQ(f.text, s.text) << s.key;
        EXPECT_EQ(f.selStart, s.selStart) << s.key;
        EXPECT_EQ(f.selLength, s.selLength) << s.key;
        EXPECT_EQ(box(C::Text3).text, s.longitude) << s.key;
        EXPECT_EQ(box(C::Text4).text, s.latitude) << s.key;
        EXPECT_EQ(box(C::Text7).text, s.continent) << s.key;
    }
}

TEST_F(frmStationIDLogicTest, CountryCompletionIsCaseSensitiveAndUsesTheTextLeftOfTheCaret) {
    window.open(anne(), settings);
    given(C::Text2, "C", 1);
    type(C::Text2, "AN"); // "Canada" would complete if case were ignored
    EXPECT_EQ(box(C::Text2).text, "CAN");
    EXPECT_EQ(box(C::Text3).text, "72.7");
    EXPECT_EQ(box(C::Text4).text, "-41.72");

    given(C::Text2, "Bxyz", 1); // the text right of the caret does not count
    window.keyPressed(C::Text2, 'e');
    EXPECT_EQ(box(C::Text2).text, "Bermuda");
    EXPECT_EQ(box(C::Text2).selStart, 2u);
    EXPECT_EQ(box(C::Text2).selLength, 5u);
    EXPECT_EQ(box(C::Text3).text, "64.75");

    given(C::Text2, "Can", 3);
    window.keyPressed(C::Text2, 'a');
    window.keyPressed(C::Text2, keys::kBackspace); // deletes the completed rest
    EXPECT_EQ(box(C::Text2).text, "Cana");
}

TEST_F(frmStationIDLogicTest, NativeEditsDropWhatAFileCannotHold) {
    window.open(anne(), settings);
    for (C field : kStationFieldOrder) {
        box(field).text = "Jo\"hn\x01";
        box(field).select(6, 0);
        window.edited(field);
        EXPECT_EQ(box(field).text, "John") << static_cast<int>(field) + 1;
    }
}

TEST_F(frmStationIDLogicTest, TheUtcFieldKeepsTheFocusUntilItHoldsANumber) {
    struct Case {
        const char* text;
        bool kept;
    };
    const Case cases[] = {{"", true},   {"-", true},     {"5/2", true},   {"abc", true},
                          {"5", false}, {"-5.5", false}, {" 3.5 ", false}};
    for (const Case& c : cases) {
        window.open(anne(), settings);
        window.moveFocus(C::Text6);
        given(C::Text6, c.text, 0);
        beeper.beeps = 0;
        window.moveFocus(C::Text2);
        EXPECT_EQ(window.state().focus, c.kept ? C::Text6 : C::Text2) << c.text;
        EXPECT_EQ(beeper.beeps, c.kept ? 1 : 0) << c.text;
    }
    window.open(anne(), settings);
    given(C::Text6, "", 0);
    window.moveFocus(C::Text9); // other fields let the focus go
    window.moveFocus(C::Command1);
    EXPECT_EQ(window.state().focus, C::Command1);
    EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(frmStationIDLogicTest, DoneSetsNonNumericNumbersToZeroAndHides) {
    struct Case {
        const char* text;
        const char* after;
    };
    // A number beyond what any of the three can mean is a slip, never arithmetic.
    const Case cases[] = {{"", "0"},        {"abc", "0"},         {"72.5W", "0"},
                          {"-", "0"},       {"-11.25", "-11.25"}, {" 5 ", " 5 "},
                          {"&H10", "&H10"}, {"1e30", "0"},        {"200", "0"}};
    for (const Case& c : cases) {
        window.open(anne(), settings);
        for (C field : {C::Text3, C::Text4, C::Text6}) {
            box(field).setText(c.text);
        }
        box(C::Text2).setText("abc");
        window.pressDone();
        EXPECT_TRUE(window.state().hidden);
        for (C field : {C::Text3, C::Text4, C::Text6}) {
            EXPECT_EQ(box(field).text, c.after) << c.text << " in " << static_cast<int>(field) + 1;
        }
        EXPECT_EQ(box(C::Text2).text, "abc");
    }
}

TEST_F(frmStationIDLogicTest, DoneCopiesTheFieldsIntoTheProfile) {
    window.open(StationProfile{}, settings);
    const std::pair<C, const char*> typed[] = {
        {C::Text1, "  K1ABC "},     {C::Text2, " Canada "}, {C::Text3, "&H10"},
        {C::Text4, "45.123456789"}, {C::Text5, " on"},      {C::Text6, " -3.5 "},
        {C::Text7, "NA "},          {C::Text8, "l"},        {C::Text9, " Bob "},
    };
    for (const auto& [field, text] : typed) {
        box(field).setText(text);
    }
    window.pressDone();
    StationProfile p = anne();
    window.copyInto(p);
    EXPECT_EQ(p.ownCall, "K1ABC");
    EXPECT_EQ(p.ownCountry, " Canada ");
    EXPECT_EQ(p.ownLongitude, 16.0f);
    EXPECT_EQ(p.ownLatitude, 45.123456789f);
    EXPECT_EQ(p.ownSpc, " on");
    EXPECT_EQ(p.utcOffsetHours, -3.5f);
    EXPECT_EQ(p.ownContinent, "NA ");
    EXPECT_EQ(p.ownCategory, "l");
    EXPECT_EQ(p.ownName, " Bob ");
}

TEST_F(frmStationIDLogicTest, TheCloseBoxKeepsTheProfileButFillsAnEmptyCall) {
    settings.values[kCallKey] = "K1ABC";
    StationProfile p = anne();
    keepProfileOnClose(p, settings);
    EXPECT_EQ(p.ownCall, "W1AW");
    EXPECT_EQ(p.ownName, "Anne");
    EXPECT_EQ(p.utcOffsetHours, 5.5f);

    p.ownCall.clear();
    keepProfileOnClose(p, settings);
    EXPECT_EQ(p.ownCall, "K1ABC");

    settings.values.clear();
    p.ownCall.clear();
    keepProfileOnClose(p, settings);
    EXPECT_EQ(p.ownCall, "");
}

TEST_F(frmStationIDLogicTest, DetailsExplainsTheCategoriesThenGoesToTheCategory) {
    window.open(anne(), settings);
    window.pressDetails();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const auto& shown = dialogs.shown[0];
    EXPECT_EQ(shown.kind, "message");
    EXPECT_EQ(shown.title, "Category Options");
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    const char* expected =
        "M – Multiple operators (licensed or unlicensed kids) operating with a control operator "
        "within the limits of the control operator’s license and using the control operator's "
        "call sign.\r\n\r\n"
        "L – Single operator (Licensed kid) - operating within limits of his/her license and "
        "using his/her own call sign.\r\n\r\n"
        "C – Single operator (Licensed kid) - operating with a control operator within the limits "
        "of the control operator’s license and using the control operator's call sign.\r\n\r\n"
        "U – Single op (Unlicensed kid) - operating with a control op within limits of his/her "
        "license and using the control operator's call sign.\r\n\r\n"
        "Y – Single operator - A licensed YL adult operator 18 years old or older at the start "
        "of the contest.\r\n\r\n"
        "O – Single operator - A licensed OM adult operator 18 years old or older at the start "
        "of the contest.";
    EXPECT_EQ(shown.text, utf8ToCp1252(expected).value());
    EXPECT_EQ(window.state().focus, C::Text8);
}

TEST_F(frmStationIDLogicTest, DetailsCannotTakeTheFocusFromAnEmptyUtcField) {
    window.open(anne(), settings);
    window.moveFocus(C::Text6);
    given(C::Text6, "", 0);
    window.pressDetails();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(window.state().focus, C::Text6);
    EXPECT_EQ(beeper.beeps, 1);
}

TEST(StationCaptions, AsTheWindowShowsThem) {
    const std::pair<C, const char*> cases[] = {
        {C::Text1, "Please Enter your Call Sign:"},
        {C::Text5, "State / Province / Country:"},
        {C::Text6, "Hours added for UTC:"},
        {C::Text2, "Your Country:"},
        {C::Text3, "Your Longitude:"},
        {C::Text4, "Your Latitude:"},
        {C::Text7, "Your Continent:"},
        {C::Text8, "Your Category:"},
        {C::Text9, "Your Name:"},
        {C::Command1, "Done"},
        {C::Command2, "Details"},
    };
    for (const auto& [control, caption] : cases) {
        EXPECT_STREQ(captionOf(control), caption);
    }
}

} // namespace
} // namespace qv
