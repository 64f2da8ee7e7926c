#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>

#include <QMetaObject>
#include <QObject>

namespace qv {

// Wraps a handler for callers on other threads (the keying thread's
// completion): calling the result from any thread queues the handler, with
// copies of the arguments, onto the event loop of context's thread. Calls after
// context is destroyed are dropped. The argument types are given explicitly:
// queuedOnto<const KeyingResult&>(window, ...).
template <typename... Args>
std::function<void(Args...)>
queuedOnto(QObject* context, std::type_identity_t<std::function<void(Args...)>> handler) {
    struct Target {
        std::mutex mutex;
        QObject* object = nullptr;
    };
    auto target = std::make_shared<Target>();
    target->object = context;
    // Runs as the context's destruction begins, before Qt drops the events
    // posted to it; the lock keeps a call from posting to it halfway.
    QObject::connect(context, &QObject::destroyed, [target] {
        const std::lock_guard lock(target->mutex);
        target->object = nullptr;
    });
    auto shared = std::make_shared<std::function<void(Args...)>>(std::move(handler));
    return [target, shared](Args... args) {
        const std::lock_guard lock(target->mutex);
        if (target->object != nullptr) {
            QMetaObject::invokeMethod(
                target->object,
                [shared, ... copies = std::decay_t<Args>(args)] { (*shared)(copies...); },
                Qt::QueuedConnection);
        }
    };
}

} // namespace qv
