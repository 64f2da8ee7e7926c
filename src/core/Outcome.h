#pragma once

namespace qv {

// What the window does after an action of the log: carry on, or end the program
// at once because log.txt can no longer be read (the "File Error" box has been
// shown and nothing more may be written).
enum class [[nodiscard]] Outcome{Continue, EndProgram};

inline Outcome continueIf(bool ok) {
    return ok ? Outcome::Continue : Outcome::EndProgram;
}

} // namespace qv
