#pragma once

// Spot lines as a DX cluster sends them, and a sink that records what reaches
// the spot routine.

#include "spots/SpotIntake.h"

#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

// "DX de K1TTT:     14025.0  JA1ABC       CQ CQ ...  1234Z" with CR LF: the
// frequency right-aligned to column 24, the call from column 27, the comment
// from 40 and the time from 71.
inline std::string spotLine(std::string_view spotter, std::string_view kHz, std::string_view call,
                            std::string_view comment = "CQ CQ", std::string_view time = "1234Z") {
    std::string line = "DX de " + std::string(spotter) + ":";
    const auto padTo = [&line](std::size_t column) {
        if (line.size() < column) {
            line.resize(column, ' ');
        }
    };
    padTo(24 - kHz.size());
    line.append(kHz);
    padTo(26);
    line.append(call);
    padTo(39);
    line.append(comment);
    padTo(70);
    line.append(time);
    return line + "\r\n";
}

class RecordingSink : public SpotSink {
public:
    std::vector<SpotLine> spots;
    void addSpot(const std::string& frequencyText, const std::string& call,
                 const std::string& spotText) override {
        spots.push_back({frequencyText, call, spotText});
    }
};

} // namespace qv::test
