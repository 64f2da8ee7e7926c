#pragma once

// The Morse code of each character as a string of units: "1" is the key down
// for one unit, "0" the key up for one unit. Every entry ends with "000", the
// gap between characters, so elements are one unit apart and characters three.

#include <string>
#include <string_view>

namespace qv {

class MorseTable {
public:
    // The element string of a character (letters in either case); empty for a
    // character the table does not hold, which keys nothing and takes no time.
    static std::string_view elements(char ch);
};

// The word space is 8 units of key up; wordSpace units more (or fewer, down to
// none at -8) adjust the gap between words.
inline constexpr int kWordSpaceMinimum = -8;

// What Transmit keys for one character: its element string, the space's
// lengthened or shortened by wordSpace.
std::string elementString(char ch, int wordSpace);

// The length of one unit at a speed, in milliseconds: a word is 50 units.
inline double unitMilliseconds(double wpm) {
    return 1200.0 / wpm;
}

} // namespace qv
