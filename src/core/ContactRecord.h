#pragma once

#include <string>

namespace qv {

// One contact, in the field order of a log.txt line.
struct ContactRecord {
    std::string call;
    std::string category;
    std::string name;
    std::string nameSent;
    std::string spc;
    std::string date; // "yyyy/mm/dd", UTC
    std::string time; // "hh:mm:ss", or "hh:mm" for a post-contest contact
    std::string mode; // "PH" or "CW"
    std::string band; // "160" ... "2", "70" for 70 cm
    double points = 0;
    std::string frequency; // MHz with three decimals, or empty

    friend bool operator==(const ContactRecord&, const ContactRecord&) = default;
};

} // namespace qv
