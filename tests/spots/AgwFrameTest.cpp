#include "spots/AgwFrame.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qv {
namespace {

using namespace std::string_literals;

// Bytes written as hex pairs; blanks only separate.
std::string hex(std::string_view text) {
    std::string bytes;
    std::string pair;
    for (const char c : text) {
        if (c == ' ') {
            continue;
        }
        pair += c;
        if (pair.size() == 2) {
            bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
            pair.clear();
        }
    }
    return bytes;
}

struct Decoded {
    std::vector<AgwFrame> frames;
    bool ok = true;
};

Decoded feed(AgwFrameDecoder& decoder, std::string_view bytes) {
    Decoded out;
    out.ok = decoder.feed(bytes, [&](AgwFrame&& f) { out.frames.push_back(std::move(f)); }).ok();
    return out;
}

AgwFrame frame(char kind, std::string from, std::string to, std::string data = {},
               std::uint8_t pid = 0, std::uint8_t port = 0) {
    return {port, kind, pid, std::move(from), std::move(to), std::move(data)};
}

struct EncodeCase {
    AgwFrame frame;
    std::string bytes;
};

// Every kind the link sends or hears, as it travels.
const std::vector<EncodeCase>& encodeCases() {
    static const std::vector<EncodeCase> cases = {
        {frame('X', "W1AW", ""), hex("00 000000 58 00 00 00"
                                     "57 31 41 57 00 00 00 00 00 00"
                                     "00 00 00 00 00 00 00 00 00 00"
                                     "00000000 00000000")},
        {frame('X', "W1AW", "", "\x01"), hex("00 000000 58 00 00 00"
                                             "57 31 41 57 00 00 00 00 00 00"
                                             "00 00 00 00 00 00 00 00 00 00"
                                             "01000000 00000000 01")},
        {frame('m', "W1AW", ""), hex("00 000000 6D 00 00 00"
                                     "57 31 41 57 00 00 00 00 00 00"
                                     "00 00 00 00 00 00 00 00 00 00"
                                     "00000000 00000000")},
        {frame('C', "W1AW", "K1ABC-10"), hex("00 000000 43 00 00 00"
                                             "57 31 41 57 00 00 00 00 00 00"
                                             "4B 31 41 42 43 2D 31 30 00 00"
                                             "00000000 00000000")},
        {frame('D', "W1AW", "K1ABC", "hi\r", 0xF0), hex("00 000000 44 00 F0 00"
                                                        "57 31 41 57 00 00 00 00 00 00"
                                                        "4B 31 41 42 43 00 00 00 00 00"
                                                        "03000000 00000000 68 69 0D")},
        {frame('d', "W1AW", "K1ABC"), hex("00 000000 64 00 00 00"
                                          "57 31 41 57 00 00 00 00 00 00"
                                          "4B 31 41 42 43 00 00 00 00 00"
                                          "00000000 00000000")},
        {frame('U', "K1TTT", "CQ", " 1:Fm K1TTT To CQ\r\0"s, 0, 1),
         hex("01 000000 55 00 00 00"
             "4B 31 54 54 54 00 00 00 00 00"
             "43 51 00 00 00 00 00 00 00 00"
             "13000000 00000000") +
             " 1:Fm K1TTT To CQ\r\0"s},
    };
    return cases;
}

TEST(AgwFrame, EncodesEachKindByteForByte) {
    for (const EncodeCase& c : encodeCases()) {
        EXPECT_EQ(encodeAgwFrame(c.frame), c.bytes) << c.frame.kind;
    }
}

TEST(AgwFrame, CutsCallsToNineCharactersAndANul) {
    const std::string bytes = encodeAgwFrame(frame('C', "ABCDEFGHIJKL", "0123456789"));
    EXPECT_EQ(bytes.substr(8, 10), "ABCDEFGHI\0"s);
    EXPECT_EQ(bytes.substr(18, 10), "012345678\0"s);
}

TEST(AgwFrame, DecodesEachKindBack) {
    for (const EncodeCase& c : encodeCases()) {
        AgwFrameDecoder decoder;
        const Decoded out = feed(decoder, c.bytes);
        ASSERT_TRUE(out.ok);
        ASSERT_EQ(out.frames.size(), 1u) << c.frame.kind;
        EXPECT_EQ(out.frames[0], c.frame);
        EXPECT_EQ(decoder.pending(), 0u);
    }
}

TEST(AgwFrame, ACallEndsAtItsFirstNulWhateverFollows) {
    std::string bytes = encodeAgwFrame(frame('U', "", "", "x"));
    bytes.replace(8, 10, "K1TTT\0zz\xFF\x01"s);
    bytes.replace(18, 10, "ABCDEFGHIJ"); // a full field without a NUL
    AgwFrameDecoder decoder;
    const Decoded out = feed(decoder, bytes);
    ASSERT_EQ(out.frames.size(), 1u);
    EXPECT_EQ(out.frames[0].callFrom, "K1TTT");
    EXPECT_EQ(out.frames[0].callTo, "ABCDEFGHIJ");
}

TEST(AgwFrame, FramesCutAnywhereAcrossArrivalsComeOutWholeAndInOrder) {
    const AgwFrame first = frame('C', "K1ABC", "W1AW", "*** CONNECTED With Station K1ABC\r\0"s);
    const AgwFrame empty = frame('d', "K1ABC", "W1AW");
    const AgwFrame last = frame('D', "K1ABC", "W1AW", "DX de K1TTT: 14025.0 JA1ABC\r", 0xF0);
    const std::string stream = encodeAgwFrame(first) + encodeAgwFrame(empty) + encodeAgwFrame(last);
    for (std::size_t a = 0; a <= stream.size(); ++a) {
        for (const std::size_t b : {a, a + 1, a + 36, stream.size()}) {
            const std::size_t cut2 = std::min(std::max(a, b), stream.size());
            AgwFrameDecoder decoder;
            std::vector<AgwFrame> frames;
            for (const std::string_view piece : {std::string_view(stream).substr(0, a),
                                                 std::string_view(stream).substr(a, cut2 - a),
                                                 std::string_view(stream).substr(cut2)}) {
                const Decoded out = feed(decoder, piece);
                ASSERT_TRUE(out.ok);
                frames.insert(frames.end(), out.frames.begin(), out.frames.end());
            }
            ASSERT_EQ(frames, (std::vector<AgwFrame>{first, empty, last}))
                << "cut at " << a << " and " << cut2;
            EXPECT_EQ(decoder.pending(), 0u);
        }
    }
}

TEST(AgwFrame, AHostileDataLengthBreaksTheStreamWithoutAllocatingIt) {
    const std::string good = encodeAgwFrame(frame('U', "K1TTT", "CQ", "spot"));
    std::string hostile = encodeAgwFrame(frame('U', "EVIL", "CQ"));
    hostile.replace(28, 4, hex("01 00 01 00")); // 65537 bytes announced

    AgwFrameDecoder decoder;
    const Decoded out = feed(decoder, good + hostile + good);
    EXPECT_FALSE(out.ok);
    ASSERT_EQ(out.frames.size(), 1u) << "the frame before the bad header still counts";
    EXPECT_EQ(out.frames[0].data, "spot");
    EXPECT_TRUE(decoder.broken());
    EXPECT_EQ(decoder.pending(), 0u);

    const Decoded after = feed(decoder, good);
    EXPECT_FALSE(after.ok);
    EXPECT_TRUE(after.frames.empty()) << "nothing is framed past a broken header";

    decoder.reset();
    const Decoded fresh = feed(decoder, good);
    EXPECT_TRUE(fresh.ok);
    EXPECT_EQ(fresh.frames.size(), 1u);

    hostile.replace(28, 4, hex("FF FF FF FF"));
    EXPECT_FALSE(feed(decoder, hostile).ok);
}

TEST(AgwFrame, TheLargestAcceptedFrameIsHeldUntilComplete) {
    const std::string data(kAgwMaxDataLength, 'x');
    const std::string bytes = encodeAgwFrame(frame('D', "K1ABC", "W1AW", data));
    AgwFrameDecoder decoder;
    Decoded out = feed(decoder, std::string_view(bytes).substr(0, bytes.size() - 1));
    EXPECT_TRUE(out.ok);
    EXPECT_TRUE(out.frames.empty());
    EXPECT_EQ(decoder.pending(), bytes.size() - 1);
    out = feed(decoder, std::string_view(bytes).substr(bytes.size() - 1));
    ASSERT_EQ(out.frames.size(), 1u);
    EXPECT_EQ(out.frames[0].data, data);
}

} // namespace
} // namespace qv
