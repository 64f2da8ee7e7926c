#pragma once

// What a spot source delivers, turned into receive-box text and spots: the TNC
// text stream consumed line by line with its repeat check, a Telnet arrival
// taken as one piece, and one packet-engine frame. Pure: text in, box text and
// spots out.

#include "spots/ReceiveBox.h"

#include <string>
#include <string_view>

namespace qv {

// Where a spot line goes: the main window's spot routine.
class SpotSink {
public:
    virtual ~SpotSink() = default;
    // frequencyText: characters 16-24 of the line, trimmed (kHz, maybe not a
    // number); call: characters 27-39, trimmed; spotText: the line without its
    // first three characters, trimmed, cut before its first CR.
    virtual void addSpot(const std::string& frequencyText, const std::string& call,
                         const std::string& spotText) = 0;
};

// The fields of a spot line at their fixed positions.
struct SpotLine {
    std::string frequencyText;
    std::string call;
    std::string spotText;
};
SpotLine splitSpotLine(std::string_view line);
// Whether text begins with "DX" in any case.
bool beginsWithDx(std::string_view text);

// The TNC's receive buffer: starts as one LF and holds at most one incomplete
// line between calls (bounded: a line that grows past kMaxLine without its LF
// is dropped).
class TncLineAssembler {
public:
    static constexpr std::size_t kMaxLine = 4096;

    // Appends what the port delivered and consumes every complete line: repeats
    // within the box's last 800 characters are dropped, spot lines are shown and
    // passed on, other lines shown unless dxOnly.
    void receive(std::string_view input, ReceiveBox& box, bool dxOnly, SpotSink& sink);
    const std::string& buffer() const { return buffer_; }
    void reset() {
        buffer_ = "\n";
        discarding_ = false;
    }

private:
    std::string buffer_ = "\n";
    bool discarding_ = false; // inside a line that was too long, until its LF
};

// One arrival on the Telnet connection, as one piece of text.
void telnetArrival(std::string_view text, ReceiveBox& box, bool dxOnly, SpotSink& sink);

// One frame fetched from the packet engine.
struct EngineFrame {
    char kind = 0;
    std::string from; // sender call
    std::string data;
};
// connectedStation: the station the engine is connected to, empty when none.
void engineFrameArrival(const EngineFrame& frame, const std::string& connectedStation,
                        ReceiveBox& box, bool dxOnly, SpotSink& sink);

} // namespace qv
