#pragma once

// The rate graph window GraphQSO: contacts per hour over the whole log with the
// band strip under it, on a black or white background. It changes nothing and
// keeps nothing between openings: every drawing recomputes from the log.

#include "core/ContestLog.h"
#include "displays/RateGraph.h"
#include "platform/Dialogs.h"

#include <cstdint>
#include <string>

namespace qv {

struct GraphQSOState {
    std::string command1 = "Black Background"; // names the background in force
    Colour background = kGraphBlack;
    Colour foreground = kGraphWhite; // the axis labels, "Band ", frame and strip lines
    Colour grid = kGraphGrey;        // grey only until the first switch
    RateGraph graph;
    std::uint64_t revision = 0; // counts the drawings
};

class GraphQSOLogic {
public:
    static constexpr const char* kCaption =
        " Activity Graph - QSOs per Hour Rate   (# QSOs over 10 minutes X 6)";
    static constexpr const char* kBandCaption = "Band ";

    struct Uses {
        const ContestLog& log;
        Dialogs& dialogs;
    };
    explicit GraphQSOLogic(Uses uses) : u_(uses) {}

    const GraphQSOState& state() const { return s_; }

    // The window loads: the graph is drawn (or the box says why not).
    void Form_Load() { drawGraph(); }
    // "Black Background" / "White Background": the other scheme, drawn again.
    void Command1_Click();

private:
    void drawGraph();

    Uses u_;
    GraphQSOState s_;
};

} // namespace qv
