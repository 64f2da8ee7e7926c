#pragma once

// Quorvpref.txt: the main window's twenty preference lines, one item each.

#include "base/Colour.h"
#include "base/Status.h"
#include "core/OperatingState.h"
#include "core/StationProfile.h"
#include "platform/FileStore.h"

#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// The lines of the file that are not the station profile's or the operating
// state's (band, mode, operating time), which are read and written in place.
struct Preferences {
    static constexpr const char* kFileName = "Quorvpref.txt";

    std::uint8_t sizePercent = 100;
    Colour workedColor = rgb(0, 192, 128);
    Colour remainingColor = rgb(192, 192, 192);
    std::uint8_t navigationMode = 0; // 0 off, 1 call field only, 2 all data fields
    std::string rigType = "None";
    std::uint8_t taskbar = 0;
    std::uint8_t listPreviousContacts = 0;
    std::string defaultCategory;

    // The file may be written: it was read (or found missing, on a first start)
    // this run, or the operator confirmed the station window after it could not be
    // read. Until then it is never written: that would put defaults over the
    // operator's settings.
    bool mayWrite = false;
};

// The file's text; nullopt when a value cannot be written in a form that reads
// back (a double quote in a text, a number that is not finite).
std::optional<std::string> formatPreferences(const StationProfile& profile,
                                             const Preferences& prefs, const OperatingState& op);

// Reads the file's text into profile, prefs and the operating state's band and
// operating time (line 4, the mode, is written but ignored when read: the program
// always starts in "PH"). A file cut short fails, naming the first line it lacks
// (only line 20, the default category, may be missing: an absent last line reads
// as no default); so does a line that does not hold its kind of value, or a number
// outside what the line can mean. A failure changes nothing.
Status parsePreferences(std::string_view text, StationProfile& profile, Preferences& prefs,
                        OperatingState& op);

// Reads Quorvpref.txt from the working directory; a missing file is no error.
// Either way prefs.mayWrite tells whether the file may now be written.
Status readPreferences(FileStore& files, StationProfile& profile, Preferences& prefs,
                       OperatingState& op);
Status writePreferences(FileStore& files, const StationProfile& profile, const Preferences& prefs,
                        const OperatingState& op);

} // namespace qv
