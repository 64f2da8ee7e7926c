#include "spots/SpotIntake.h"

#include "base/Cp1252.h"

namespace qv {
namespace {

// Characters from..from+count-1, counted from 1; shorter or empty past the end.
std::string_view columns(std::string_view text, std::size_t from, std::size_t count) {
    if (from - 1 >= text.size()) {
        return {};
    }
    return text.substr(from - 1, count);
}

// Every CR and every LF becomes CR LF.
std::string withCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 2);
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            out.append("\r\n");
        } else {
            out.push_back(c);
        }
    }
    return out;
}

bool holdsDxAt(std::string_view text, std::size_t pos) {
    return pos < text.size() && startsWithIgnoreCase(text.substr(pos), "DX");
}

void passOn(std::string_view text, SpotSink& sink) {
    const SpotLine line = splitSpotLine(text);
    sink.addSpot(line.frequencyText, line.call, line.spotText);
}

} // namespace

SpotLine splitSpotLine(std::string_view line) {
    SpotLine out;
    out.frequencyText = std::string(trimBlanks(columns(line, 16, 9)));
    out.call = std::string(trimBlanks(columns(line, 27, 13)));
    std::string_view text = trimBlanks(line.size() > 3 ? line.substr(3) : std::string_view());
    text = text.substr(0, text.find('\r'));
    out.spotText = std::string(text);
    return out;
}

bool beginsWithDx(std::string_view text) {
    return startsWithIgnoreCase(text, "DX");
}

void TncLineAssembler::receive(std::string_view input, ReceiveBox& box, bool dxOnly,
                               SpotSink& sink) {
    // The buffer is always the LF that ended the previous line and at most one
    // incomplete line after it; input is taken one line at a time so an endless
    // line never has to be held.
    std::size_t pos = 0;
    while (pos < input.size()) {
        const std::size_t lf = input.find('\n', pos);
        const std::size_t end = lf == std::string_view::npos ? input.size() : lf + 1;
        const std::string_view piece = input.substr(pos, end - pos);
        pos = end;
        if (discarding_) {
            // The rest of a line that was too long: dropped up to its LF.
            discarding_ = lf == std::string_view::npos;
            continue;
        }
        if (buffer_.size() - 1 + piece.size() > kMaxLine) {
            buffer_ = "\n";
            discarding_ = lf == std::string_view::npos;
            continue;
        }
        buffer_.append(piece);
        if (lf == std::string_view::npos) {
            break;
        }
        const std::string line = buffer_.substr(1);
        buffer_ = "\n";
        if (box.holdsRecent(line)) {
            continue;
        }
        if (beginsWithDx(line)) {
            box.append(line);
            passOn(line, sink);
        } else if (!dxOnly) {
            box.append(line);
        }
    }
}

void telnetArrival(std::string_view text, ReceiveBox& box, bool dxOnly, SpotSink& sink) {
    if (!dxOnly) {
        box.append(text);
    }
    if (beginsWithDx(text)) {
        passOn(text, sink);
        if (dxOnly) {
            box.append(text);
        }
    }
}

void engineFrameArrival(const EngineFrame& frame, const std::string& connectedStation,
                        ReceiveBox& box, bool dxOnly, SpotSink& sink) {
    std::string monitor(1, frame.kind);
    monitor.append(frame.from);
    monitor.push_back(' ');
    monitor.append(withCrLf(frame.data));

    std::string data = withCrLf(frame.data);
    if (connectedStation.empty()) {
        // Monitored frames start with the engine's header line.
        const std::size_t lf = data.find('\n');
        if (lf != std::string::npos) {
            data.erase(0, lf + 1);
        }
        data = std::string(trimBlanks(data));
    }
    if (data == "\r\n") {
        data.clear();
    } else if (data.size() > 4 && data.ends_with("\r\n\r\n")) {
        data.resize(data.size() - 2);
    }

    if (!box.holdsRecent(data) && (holdsDxAt(data, 0) || holdsDxAt(data, 1))) {
        box.append(data);
        passOn(data, sink);
    }
    if (dxOnly) {
        return;
    }
    if (!connectedStation.empty()) {
        if (frame.from == connectedStation && !beginsWithDx(data)) {
            box.append(data);
        }
    } else if (monitor.find("DX ") == std::string::npos && !beginsWithDx(data)) {
        box.append(monitor);
    }
}

} // namespace qv
