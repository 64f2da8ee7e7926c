#pragma once

#include "core/ContactRecord.h"

#include <string>

namespace qv::test {

// An ordinary 40 m phone contact without rig control.
inline ContactRecord contact(std::string call, std::string spc = "CT", double points = 10,
                             std::string band = "40", std::string time = "14:22:05") {
    ContactRecord r;
    r.call = std::move(call);
    r.category = "M";
    r.name = "John";
    r.nameSent = "Anne";
    r.spc = std::move(spc);
    r.date = "2007/01/13";
    r.time = std::move(time);
    r.mode = "PH";
    r.band = std::move(band);
    r.points = points;
    return r;
}

} // namespace qv::test
