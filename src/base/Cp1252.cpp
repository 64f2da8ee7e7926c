#include "base/Cp1252.h"

#include <array>

namespace qv {
namespace {

// Unicode values of bytes 0x80..0x9F; zero marks the unassigned ones.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The ASCII text of each byte 0x80..0xFF, the one table behind foldToAscii. The
// single and double guillemets become quotes rather than '<' and '>', which
// delimit ADIF tags.
// clang-format off
constexpr std::array<std::string_view, 128> kAsciiFold = {
    // 0x80: euro, (unassigned), low-9 quote, f with hook, low-9 double quote,
    // ellipsis, daggers, circumflex, per mille, S caron, single guillemet, OE,
    // (unassigned), Z caron, (unassigned)
    "?", "?", "'", "f", "\"", "...", "?", "?", "^", "?", "S", "'", "OE", "?", "Z", "?",
    // 0x90: (unassigned), curly single and double quotes, bullet, en and em dash,
    // tilde, trade mark, s caron, single guillemet, oe, (unassigned), z caron,
    // Y diaeresis
    "?", "'", "'", "\"", "\"", "?", "-", "-", "~", "?", "s", "'", "oe", "?", "z", "Y",
    // 0xA0: no-break space, symbols, guillemet, soft hyphen
    " ", "?", "?", "?", "?", "?", "?", "?", "?", "?", "?", "\"", "?", "-", "?", "?",
    // 0xB0: symbols, guillemet, fractions, inverted question mark
    "?", "?", "?", "?", "?", "?", "?", "?", "?", "?", "?", "\"", "?", "?", "?", "?",
    // 0xC0: capital letters with diacritics, AE
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I", "I",
    // 0xD0: eth, N tilde, O, multiplication sign, O stroke, U, Y acute, thorn, sharp s
    "D", "N", "O", "O", "O", "O", "O", "?", "O", "U", "U", "U", "U", "Y", "TH", "ss",
    // 0xE0: small letters with diacritics, ae
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i", "i",
    // 0xF0: eth, n tilde, o, division sign, o stroke, u, y acute, thorn, y diaeresis
    "d", "n", "o", "o", "o", "o", "o", "?", "o", "u", "u", "u", "u", "y", "th", "y",
};
// clang-format on

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[pos]; advances pos. nullopt on malformed input.
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + extra >= text.size()) {
        return std::nullopt;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto cont = static_cast<unsigned char>(text[pos + i]);
        if ((cont & 0xC0) != 0x80) {
            return std::nullopt;
        }
        cp = (cp << 6) | (cont & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += extra + 1;
    return cp;
}

} // namespace

char32_t decodeCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t mapped = kHighControls[byte - 0x80];
        return mapped != 0 ? mapped : byte;
    }
    return byte;
}

std::optional<unsigned char> encodeCp1252(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        return static_cast<unsigned char>(ch);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const char32_t mapped = kHighControls[i];
        if (mapped == ch || (mapped == 0 && ch == 0x80 + i)) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

bool isStorableChar(char32_t ch) {
    if (ch < 0x20 || ch == 0x7F || ch == U'"') {
        return false;
    }
    const auto byte = encodeCp1252(ch);
    return byte && !(*byte >= 0x80 && *byte <= 0x9F && kHighControls[*byte - 0x80] == 0);
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        appendUtf8(out, decodeCp1252(static_cast<unsigned char>(c)));
    }
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto cp = nextUtf8(utf8, pos);
        if (!cp) {
            return std::nullopt;
        }
        const auto byte = encodeCp1252(*cp);
        if (!byte) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

char toLower(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 'A' && b <= 'Z') {
        return static_cast<char>(b + 32);
    }
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7) {
        return static_cast<char>(b + 32);
    }
    switch (b) {
    case 0x8A:
        return static_cast<char>(0x9A);
    case 0x8C:
        return static_cast<char>(0x9C);
    case 0x8E:
        return static_cast<char>(0x9E);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return ch;
    }
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = toUpper(c);
    }
    return out;
}

std::string foldToAscii(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out.push_back(c);
        } else {
            out.append(kAsciiFold[b - 0x80]);
        }
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && toUpper(a[i]) != toUpper(b[i])) {
            return false;
        }
    }
    return true;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string_view trimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace qv
