#pragma once

// Our own client of the packet engine's published TCP interface (the AGWPE
// TCP/IP API, spoken by AGWPE, direwolf and others): what the program asks of
// the engine library, as four operations. Starting is asynchronous: the link
// connects, registers the own call and turns monitoring on, and the outcome
// comes back through the handler given to AGWStartPoll.

#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "spots/AgwFrame.h"
#include "spots/SpotIntake.h"
#include "spots/TcpLink.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

class AgwEngine {
public:
    static constexpr const char* kDefaultHost = "127.0.0.1";
    static constexpr std::uint16_t kDefaultPort = 8000;
    // Frames kept for the 333 ms fetch; older ones are dropped past this.
    static constexpr std::size_t kMaxQueued = 500;
    // How long the engine has to connect and accept the call. direwolf reads a
    // new client's first command only after a poll of up to a second.
    static constexpr std::uint32_t kStartTimeoutMs = 5000;
    // Connected data goes out in frames of at most this many bytes (the AX.25
    // default packet length); an engine drops a client whose frame is too long.
    static constexpr std::size_t kMaxDataPerFrame = 256;

    // The engine's address: settings "AGWHost" and "AGWPort" in application
    // Velmark_Software, section Settings. The timers give the start its deadline.
    AgwEngine(TcpLink& link, SettingsStore& settings, Timers& timers);
    ~AgwEngine();
    AgwEngine(const AgwEngine&) = delete;
    AgwEngine& operator=(const AgwEngine&) = delete;

    // AGWStartPoll: connects and registers ownCall (trimmed, in capitals); the
    // TCP interface has no place for the program name.
    // started(true) once the engine accepted the call and monitoring is on;
    // started(false) when it cannot be reached, refuses the call, or does not
    // answer within kStartTimeoutMs. The handler is called exactly once, from
    // the event loop, never from inside this call; a start made again before the
    // outcome, or AGWClose, drops it unheard.
    void AGWStartPoll(const std::string& ownCall, const std::string& programName,
                      std::function<void(bool accepted)> started);
    // AGWPutData: kind 'c' connect, 'P' (after a connect), 'D' data, 'd' disconnect.
    // Ignored unless open.
    void AGWPutData(const std::string& to, std::string_view data, char kind);
    // AGWGetData: the oldest frame received and not yet fetched, as the program
    // sees it ('c' connected, 'd' disconnected, other kinds carry data).
    std::optional<EngineFrame> AGWGetData();
    // AGWClose: ends the link quietly and forgets the frames not yet fetched.
    void AGWClose();
    // From the engine's acceptance until AGWClose or the end of the connection.
    bool open() const { return phase_ == Phase::Open; }

private:
    enum class Phase { Closed, Starting, Open };

    void onEvent(const TcpEvent& event);
    void received(std::string_view bytes);
    void take(AgwFrame&& frame);
    void registrationAnswered(const AgwFrame& reply);
    void deadlinePassed();
    void finishStart(bool accepted);
    void queue(AgwFrame&& frame);
    [[nodiscard]] bool send(char kind, const std::string& to, std::string_view data = {});
    // Closes the connection and makes every event and byte still under way stale.
    void shut();

    TcpLink& link_;
    SettingsStore& settings_;
    std::unique_ptr<Timer> deadline_;
    AgwFrameDecoder decoder_;
    std::string ownCall_;
    std::deque<EngineFrame> frames_;
    std::function<void(bool)> started_;
    Phase phase_ = Phase::Closed;
    std::uint64_t connection_ = 0; // counts connections, so stale bytes are known
};

} // namespace qv
