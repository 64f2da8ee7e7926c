#include "platform/qt/QtTimers.h"

#include <QTimer>

namespace qv {
namespace {

class QtTimer : public Timer {
public:
    QtTimer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (callback_) {
                callback_();
            }
        });
    }
    void setCallback(Callback callback) override { callback_ = std::move(callback); }
    void setInterval(std::uint32_t milliseconds) override {
        timer_.setInterval(static_cast<int>(milliseconds));
    }
    std::uint32_t interval() const override {
        return static_cast<std::uint32_t>(timer_.interval());
    }
    void setSingleShot(bool singleShot) override { timer_.setSingleShot(singleShot); }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool active() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    Callback callback_;
};

} // namespace

std::unique_ptr<Timer> QtTimers::create() {
    return std::make_unique<QtTimer>();
}

} // namespace qv
