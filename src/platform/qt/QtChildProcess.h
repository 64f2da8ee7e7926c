#pragma once

#include "platform/ChildProcess.h"

#include <QObject>
#include <QProcess>

namespace qv {

// A program run beside this one on QProcess; it is ended with this object, so it
// never outlives the program.
class QtChildProcess : public QObject, public ChildProcess {
    Q_OBJECT
public:
    explicit QtChildProcess(QObject* parent = nullptr);
    ~QtChildProcess() override;

    Status start(const std::string& program, const std::vector<std::string>& arguments) override;
    bool running() const override;
    void stop() override;
    std::string errorOutput() const override { return errors_; }
    void setFinishedHandler(std::function<void()> finished) override {
        finished_ = std::move(finished);
    }
    std::optional<std::string> runToEnd(const std::string& program,
                                        const std::vector<std::string>& arguments,
                                        std::uint32_t timeoutMs) override;

private:
    QProcess process_;
    std::string errors_;
    std::function<void()> finished_;
    bool stopping_ = false;
};

} // namespace qv
