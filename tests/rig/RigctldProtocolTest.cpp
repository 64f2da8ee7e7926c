// What hamlib's rig daemon answers, read into the log's frequency and mode; the
// commands sent to it; and its list of radio models.

#include "rig/RigctldProtocol.h"

#include "rig/RigCommands.h"
#include "rig/RigProtocol.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RigctldProtocol, ReadsWholeAnswersAndKeepsACutOneForLater) {
    struct Case {
        const char* text;
        std::optional<float> mhz;
        std::optional<std::string> mode;
        std::optional<std::string> error;
        std::size_t left; // characters waiting for the next tick
    };
    const Case cases[] = {
        {"14025000\nUSB\n2400\n", 14.025f, "PH", {}, 0},
        {"7030000\nCW\n500\n", 7.03f, "CW", {}, 0},
        {"7030000\nCWR\n500\n", 7.03f, "CW", {}, 0},
        {"3750000\nLSB\n2400\n", 3.75f, "PH", {}, 0},
        {"14074000\nPKTUSB\n3000\n", 14.074f, "PH", {}, 0},
        {"7074000\nPKTLSB\n3000\n", 7.074f, "PH", {}, 0},
        {"29000000\nAM\n6000\n", 29.0f, "AM", {}, 0},
        {"146520000\nFM\n15000\n", 146.52f, "FM", {}, 0},
        {"98100000\nWFM\n230000\n", 98.1f, "FM", {}, 0},
        {"14080000\nRTTY\n500\n", 14.08f, {}, {}, 0},                 // no log mode for RTTY
        {"14025000.000000\r\nUSB\r\n2400\r\n", 14.025f, "PH", {}, 0}, // decimals, CR LF
        {"14025004\n", 14.025f, {}, {}, 0},                           // to 10 Hz, halves to even
        {"14025005\n", 14.025f, {}, {}, 0},
        {"14025015\n", 14.02502f, {}, {}, 0},
        {"RPRT -1\nRPRT -11\n", {}, {}, "RPRT -11", 0},
        {"14025000\nRPRT -8\n", 14.025f, {}, "RPRT -8", 0},
        {"RPRT 0\nRPRT 0\n14025000\nUSB\n2400\n", 14.025f, "PH", {}, 0}, // after commands
        {"14025000\nUSB\n", 14.025f, {}, {}, 4}, // the passband not yet here
        {"14025000\nUS", 14.025f, {}, {}, 2},    // a line cut short
        {"140250", {}, {}, {}, 6},
        {"", {}, {}, {}, 0},
        {"hello\n\x01\xFF\n-5\n1e9\n", {}, {}, {}, 0}, // noise is skipped
        {"99999999999999\n", {}, {}, {}, 0},           // too many digits
        {"RPRT\nRPRT x\n", {}, {}, {}, 0},
    };
    for (const Case& c : cases) {
        const RigctldReply reply = decodeRigctldReply(c.text);
        EXPECT_EQ(reply.frequencyMHz.has_value(), c.mhz.has_value()) << c.text;
        if (reply.frequencyMHz && c.mhz) {
            EXPECT_FLOAT_EQ(*reply.frequencyMHz, *c.mhz) << c.text;
        }
        EXPECT_EQ(reply.modeText, c.mode) << c.text;
        EXPECT_EQ(reply.error, c.error) << c.text;
        EXPECT_EQ(std::string_view(c.text).size() - reply.consumed, c.left) << c.text;
    }
}

TEST(RigctldProtocol, AnAnswerCutAnywhereReadsTheSameOnceWhole) {
    const std::string whole = "RPRT 0\n21025000\nCWR\n500\n";
    for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
        const RigctldReply first = decodeRigctldReply(whole.substr(0, cut));
        const std::string rest = whole.substr(first.consumed);
        const RigctldReply second = decodeRigctldReply(rest);
        EXPECT_EQ(second.consumed, rest.size()) << cut;
        const auto mhz = second.frequencyMHz ? second.frequencyMHz : first.frequencyMHz;
        ASSERT_TRUE(mhz) << cut;
        EXPECT_FLOAT_EQ(*mhz, 21.025f) << cut;
        EXPECT_EQ(second.modeText.value_or(first.modeText.value_or("")), "CW") << cut;
    }
}

TEST(RigctldProtocol, EndlessNoiseIsNotKept) {
    EXPECT_EQ(decodeRigctldReply(std::string(300, 'x')).consumed, 300u);
    EXPECT_EQ(decodeRigctldReply(std::string(200, 'x')).consumed, 0u);
}

TEST(RigctldProtocol, TheSendTickAndTheCommands) {
    const RigQueries queries{"Hamlib rigctld", "", "", false};
    EXPECT_EQ(queriesFor(queries, 0).bytes, "f\nm\n");
    EXPECT_EQ(queriesFor(queries, 1).bytes, "f\nm\n");

    const CommandContext context{"Hamlib rigctld", "", "", 10, ""};
    const FrequencyCommand f = frequencyCommand(context, 14.025f);
    EXPECT_EQ(f.bytes, "F 14025000\n");
    EXPECT_TRUE(f.pausesMs.empty());
    EXPECT_EQ(frequencyCommand(context, 1296.1f).bytes, "F 1296100000\n");
    EXPECT_TRUE(frequencyCommand(context, -1.0f).refusal);

    const std::pair<const char*, const char*> modes[] = {
        {"USB", "M USB 0\n"},    {"LSB", "M LSB 0\n"},    {"CW", "M CW 0\n"},
        {"AM", "M AM 0\n"},      {"FM", "M FM 0\n"},      {"RTTY", "M RTTY 0\n"},
        {"FSK", "M RTTY 0\n"},   {"CW-R", "M CWR 0\n"},   {"RTTY-R", "M RTTYR 0\n"},
        {"DIG", "M PKTUSB 0\n"}, {"PKT", "M PKTUSB 0\n"},
    };
    for (const auto& [mode, command] : modes) {
        EXPECT_EQ(modeCommand(context, mode), std::optional<std::string>(command)) << mode;
    }
    EXPECT_EQ(modeCommand(context, "PH"), std::nullopt);
    EXPECT_EQ(modeCommand(context, ""), std::nullopt);
}

// Captured from hamlib 4.5.4's "rigctl -l", a few lines of its 283.
constexpr const char* kListing =
    " Rig #  Mfg                    Model                   Version         Status      Macro\n"
    "     1  Hamlib                 Dummy                   20221128.0      Stable      "
    "RIG_MODEL_DUMMY\n"
    "     2  Hamlib                 NET rigctl              20230106.0      Stable      "
    "RIG_MODEL_NETRIGCTL\n"
    "  1004  Yaesu                  MARK-V FT-1000MP        20230104.0      Stable      "
    "RIG_MODEL_FT1000MPMKV\n"
    "  2014  Kenwood                TS-2000                 20230109.0      Stable      "
    "RIG_MODEL_TS2000\n"
    "  3073  Icom                   IC-7300                 20230109.10     Stable      "
    "RIG_MODEL_IC7300\n"
    " 25003  Coding Technologies    Digital World Traveller 20200112.0      Alpha       "
    "RIG_MODEL_DWT\n"
    " 29001  ADAT www.adat.ch       ADT-200A                20191206.0      Stable      "
    "RIG_MODEL_ADT_200A\n";

TEST(RigctldProtocol, ReadsTheModelListByItsColumns) {
    const std::vector<HamlibModel> models = parseHamlibModels(kListing);
    ASSERT_EQ(models.size(), 7u);
    const std::tuple<int, const char*, const char*> expected[] = {
        {1, "Hamlib", "Dummy"},
        {2, "Hamlib", "NET rigctl"},
        {1004, "Yaesu", "MARK-V FT-1000MP"},
        {2014, "Kenwood", "TS-2000"},
        {3073, "Icom", "IC-7300"},
        {25003, "Coding Technologies", "Digital World Traveller"},
        {29001, "ADAT www.adat.ch", "ADT-200A"},
    };
    for (std::size_t i = 0; i < models.size(); ++i) {
        EXPECT_EQ(models[i].number, std::get<0>(expected[i]));
        EXPECT_EQ(models[i].maker, std::get<1>(expected[i]));
        EXPECT_EQ(models[i].model, std::get<2>(expected[i]));
    }
    EXPECT_EQ(models[3].caption(), "2014  Kenwood TS-2000");

    EXPECT_TRUE(parseHamlibModels("rigctl: command not found\n").empty());
    EXPECT_EQ(parseHamlibModels(std::string(kListing) + "garbage\n   x  y\n\n").size(), 7u);
    EXPECT_EQ(parseHamlibModels(std::string_view(kListing).substr(0, 200)).size(), 1u)
        << "a cut line is not a radio";
}

TEST(RigctldProtocol, FindsAModelByWhatIsTyped) {
    const std::vector<HamlibModel> models = parseHamlibModels(kListing);
    EXPECT_EQ(findHamlibModel(models, "ts-2000"), 3u);
    EXPECT_EQ(findHamlibModel(models, "7300"), 4u);
    EXPECT_EQ(findHamlibModel(models, "hamlib"), 0u);
    EXPECT_EQ(findHamlibModel(models, "hamlib", 1), 1u);
    EXPECT_EQ(findHamlibModel(models, "dummy", 5), 0u) << "the search wraps round";
    EXPECT_EQ(findHamlibModel(models, "FT-991"), std::nullopt);
    EXPECT_EQ(findHamlibModel(models, ""), std::nullopt);
    EXPECT_EQ(findHamlibModel({}, "x"), std::nullopt);
}

} // namespace
} // namespace qv
