#pragma once

#include "rig/serial/SerialLink.h"

#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace qv::test {

// A serial link that records what the program does with it; the test feeds
// input, refuses the open and raises errors. The lines may be set from another
// thread, like the real link's.
class FakeSerialLink : public SerialLink {
public:
    struct LineChange {
        char line; // 'D' for DTR, 'R' for RTS
        bool on;
    };

    int portNumber = 0;
    SerialSettings settings;
    Handshaking handshaking = Handshaking::None;
    bool opened = false;
    int opens = 0;
    std::optional<std::string> refuseOpen;  // the next opens fail with this message
    std::optional<std::string> refuseLines; // line changes fail with this message
    std::string written;
    std::string input;

    void setPort(int number) override { portNumber = number; }
    int port() const override { return portNumber; }
    void setSettings(const SerialSettings& s) override { settings = s; }
    void setHandshaking(Handshaking h) override { handshaking = h; }

    Status open() override {
        opened = false;
        if (refuseOpen) {
            return Status::failure(*refuseOpen);
        }
        opened = true;
        ++opens;
        return Status::success();
    }
    void close() override { opened = false; }
    bool isOpen() const override { return opened; }

    Status setDtr(bool on) override { return change('D', on); }
    Status setRts(bool on) override { return change('R', on); }

    Status write(std::string_view bytes) override {
        if (!opened) {
            return Status::failure("not open");
        }
        written.append(bytes);
        return Status::success();
    }
    std::string takeInput() override { return std::exchange(input, {}); }
    std::size_t outBufferCount() const override { return 0; }
    void setEventHandler(EventHandler h) override { handler = std::move(h); }

    // Bytes arriving from the other end.
    void feed(std::string_view bytes) {
        input.append(bytes);
        if (handler) {
            handler({SerialEvent::Kind::DataArrived, {}});
        }
    }
    // The port failing while open.
    void fail(std::string message) {
        opened = false;
        if (handler) {
            handler({SerialEvent::Kind::Error, std::move(message)});
        }
    }

    bool dtr() const { return line('D'); }
    bool rts() const { return line('R'); }
    std::vector<LineChange> lineChanges() const {
        const std::lock_guard lock(mutex_);
        return changes_;
    }

    EventHandler handler;

private:
    Status change(char line, bool on) {
        const std::lock_guard lock(mutex_);
        if (refuseLines) {
            return Status::failure(*refuseLines);
        }
        changes_.push_back({line, on});
        return Status::success();
    }
    bool line(char which) const {
        const std::lock_guard lock(mutex_);
        for (auto it = changes_.rbegin(); it != changes_.rend(); ++it) {
            if (it->line == which) {
                return it->on;
            }
        }
        return false;
    }

    mutable std::mutex mutex_;
    std::vector<LineChange> changes_;
};

} // namespace qv::test
