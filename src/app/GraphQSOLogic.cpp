#include "app/GraphQSOLogic.h"

namespace qv {

void GraphQSOLogic::Command1_Click() {
    const bool toBlack = s_.command1 != "Black Background";
    s_.command1 = toBlack ? "Black Background" : "White Background";
    s_.background = toBlack ? kGraphBlack : kGraphWhite;
    s_.foreground = toBlack ? kGraphWhite : kGraphBlack;
    s_.grid = s_.foreground;
    drawGraph();
}

void GraphQSOLogic::drawGraph() {
    s_.graph = computeRateGraph(u_.log.records(), s_.background);
    ++s_.revision;
    if (s_.graph.reached == RateGraph::Reached::NotEnoughContacts) {
        u_.dialogs.messageBox("Not Enough Contacts to Graph.",
                              "The graph will not display with less than 7 contacts.  The graph "
                              "becomes more meaningful as several hours of contest logging are "
                              "accumulated.",
                              MessageButtons::Ok);
    }
}

} // namespace qv
