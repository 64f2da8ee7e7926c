#pragma once

namespace qv {

// The main window's title; the Cabrillo entry and the ADIF export name the
// program by it.
inline constexpr const char* kProgramTitle = "Velmark's Quorvane Log 1.5";

} // namespace qv
