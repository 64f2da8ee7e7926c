#include "core/Scoring.h"

#include "base/Cp1252.h"

namespace qv {

double contactPoints(std::string_view call, std::string_view category) {
    double points = 10;
    if (equalsIgnoreCase(category, "Y")) {
        points = 2;
    }
    if (equalsIgnoreCase(category, "O")) {
        points = 1;
    }
    if (equalsIgnoreCase(call, Zorvik)) {
        points = 25;
    }
    return points;
}

} // namespace qv
