#pragma once

// All text inside the logic is single-byte Windows-1252, the character set of the
// program's data files: one byte per character, so lengths and positions are
// character counts. Conversion to and from Unicode happens only at the edges
// (windows, dialogs, tests written in UTF-8).

#include <optional>
#include <string>
#include <string_view>

namespace qv {

// The Unicode character a Windows-1252 byte stands for. The five bytes the code
// page leaves unassigned map to the C1 control of the same value, so decoding is
// total and round-trips.
char32_t decodeCp1252(unsigned char byte);

// The Windows-1252 byte for a Unicode character, if the code page has one.
std::optional<unsigned char> encodeCp1252(char32_t ch);

// True when a character may be typed into a field that is written to a data file:
// it exists in Windows-1252, is printable, and is not the double quote that the
// item syntax cannot hold.
bool isStorableChar(char32_t ch);

std::string cp1252ToUtf8(std::string_view text);

// Converts UTF-8 to Windows-1252; nullopt when the input is not valid UTF-8 or holds
// a character the code page lacks.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// Upper/lower case of one Windows-1252 character (ASCII and the accented Latin
// letters, as the Windows upper-case function of the code page does).
inline char toUpper(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 32);
    }
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
        return static_cast<char>(b - 32);
    }
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A); // š
    case 0x9C:
        return static_cast<char>(0x8C); // œ
    case 0x9E:
        return static_cast<char>(0x8E); // ž
    case 0xFF:
        return static_cast<char>(0x9F); // ÿ
    default:
        return ch;
    }
}

char toLower(char ch);
std::string toUpper(std::string_view text);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Plain ASCII for a file format that allows nothing else (ADIF text fields). Bytes
// below 0x80 pass unchanged; each byte above maps through one table in Cp1252.cpp:
// accented letters to their base letter, the ligatures and sharp s to two letters
// (\xC6 "AE", \xE6 "ae", \x8C "OE", \x9C "oe", \xDF "ss", thorn "TH"/"th"),
// typographic quotes, dashes, the ellipsis and the no-break space to their ASCII
// forms, and everything else (currency, symbols, unassigned bytes) to "?". The
// result may be longer than the input.
std::string foldToAscii(std::string_view text);

// Leading and trailing blanks (spaces and tabs) removed.
std::string_view trimBlanks(std::string_view text);
// Spaces alone removed from both ends (tabs kept), as a text box's value is trimmed.
std::string_view trimSpaces(std::string_view text);

} // namespace qv
