#pragma once

// Who makes the program and receives the logs, as the report files and messages
// name them.

namespace qv::maker {

inline constexpr const char* kContestName = "Quorvane";
inline constexpr const char* kLogSubmissionAddress = "logs@quorvane-contest.example";
inline constexpr const char* kAuthorLine =
    "Quorvane Log is written by Velmark Software for the Quorvane Youth Contest Committee";
inline constexpr const char* kWebAddress = "https://www.quorvane-contest.example/log";
inline constexpr const char* kContactAddress = "software@quorvane-contest.example";
inline constexpr const char* kSupportContact = "software@quorvane-contest.example";
inline constexpr const char* kSignOff = "73, and see you in next year's contest!\r\n"
                                        "Quorvane Youth Contest Committee";

} // namespace qv::maker
