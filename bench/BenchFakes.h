#pragma once

// Quiet stand-ins for the boxes, the beep and the windows around the logic, so a
// benchmark measures the logic alone.

#include "platform/Beeper.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/Timer.h"
#include "rig/serial/SerialLink.h"

#include <chrono>
#include <memory>
#include <string>

namespace qv::bench {

class SilentDialogs : public Dialogs {
public:
    MessageAnswer messageBox(const std::string&, const std::string&, MessageButtons buttons,
                             MessageIcon) override {
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoDefaultNo
                   ? MessageAnswer::Yes
                   : MessageAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::string saveFileName(const std::string&, const std::string&, const std::string&,
                             const std::string&) override {
        return {};
    }
    std::string openFileName(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

// A clock that stands still in the last hour of the sample contest.
class StillClock : public Clock {
public:
    DateTime now = *DateTime::fromFields(2007, 1, 14, 13, 0, 0);
    DateTime localNow() override { return now; }
    DateTime utcNow() override { return now.addSeconds(5 * 3600); }
    std::uint32_t milliseconds() override { return 0; }
};

// Timers that never fire: a benchmark drives the logic itself.
class StillTimers : public Timers {
public:
    using Timers::create;
    std::unique_ptr<Timer> create() override { return std::make_unique<StillTimer>(); }

private:
    class StillTimer : public Timer {
    public:
        void setCallback(Callback) override {}
        void setInterval(std::uint32_t ms) override { interval_ = ms; }
        std::uint32_t interval() const override { return interval_; }
        void setSingleShot(bool) override {}
        void start() override {}
        void stop() override {}
        bool active() const override { return false; }

    private:
        std::uint32_t interval_ = 0;
    };
};

class NoSettings : public SettingsStore {
public:
    std::string get(const std::string&, const std::string&, const std::string&,
                    const std::string& defaultValue) override {
        return defaultValue;
    }
    void save(const std::string&, const std::string&, const std::string&,
              const std::string&) override {}
};

class NoBeep : public Beeper {
public:
    void beep() override {}
};

class NoClipboard : public Clipboard {
public:
    void clear() override {}
    void setText(const std::string&) override {}
};

// The sample contest's dates, with a real millisecond counter for the waits of
// a benchmark that runs real timers.
class RunningClock : public StillClock {
public:
    std::uint32_t milliseconds() override {
        return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                              std::chrono::steady_clock::now() - start_)
                                              .count());
    }

private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// Serial port 1 is the device a benchmark names (a pseudo-terminal).
class PortOneSettings : public NoSettings {
public:
    std::string device;
    std::string get(const std::string&, const std::string&, const std::string& key,
                    const std::string& defaultValue) override {
        return key == "CommPort1" ? device : defaultValue;
    }
};

// A serial port that opens and keeps its number but carries nothing.
class IdleSerialLink : public SerialLink {
public:
    void setPort(int number) override { port_ = number; }
    int port() const override { return port_; }
    void setSettings(const SerialSettings&) override {}
    void setHandshaking(Handshaking) override {}
    Status open() override {
        open_ = true;
        return Status::success();
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    Status setDtr(bool) override { return Status::success(); }
    Status setRts(bool) override { return Status::success(); }
    Status write(std::string_view) override { return Status::success(); }
    std::string takeInput() override { return {}; }
    std::size_t outBufferCount() const override { return 0; }
    void setEventHandler(EventHandler) override {}

private:
    int port_ = 0;
    bool open_ = false;
};

// Runs an event loop, turn() waiting for and handling its next events, until
// done() or the deadline; false when the deadline came first.
template <typename Done, typename Turn>
bool turnEventsUntil(Done done, Turn turn, std::chrono::milliseconds deadline) {
    const auto start = std::chrono::steady_clock::now();
    while (!done()) {
        if (std::chrono::steady_clock::now() - start > deadline) {
            return false;
        }
        turn();
    }
    return true;
}

} // namespace qv::bench
