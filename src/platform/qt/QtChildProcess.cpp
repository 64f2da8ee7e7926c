#include "platform/qt/QtChildProcess.h"

#include <QStringList>

namespace qv {
namespace {

// A program that keeps complaining is not kept word for word.
constexpr qsizetype kMostErrorOutput = 8192;
constexpr int kStartWaitMs = 5000;
constexpr int kEndWaitMs = 2000;

QStringList toArguments(const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& a : arguments) {
        list << QString::fromStdString(a);
    }
    return list;
}

} // namespace

QtChildProcess::QtChildProcess(QObject* parent) : QObject(parent) {
    process_.setStandardOutputFile(QProcess::nullDevice());
    connect(&process_, &QProcess::readyReadStandardError, this, [this] {
        errors_ += process_.readAllStandardError().toStdString();
        if (static_cast<qsizetype>(errors_.size()) > kMostErrorOutput) {
            errors_.erase(0, errors_.size() - static_cast<std::size_t>(kMostErrorOutput));
        }
    });
    connect(&process_, &QProcess::finished, this, [this] {
        errors_ += process_.readAllStandardError().toStdString();
        if (!stopping_ && finished_) {
            finished_();
        }
    });
}

QtChildProcess::~QtChildProcess() {
    stop();
}

Status QtChildProcess::start(const std::string& program,
                             const std::vector<std::string>& arguments) {
    stop();
    errors_.clear();
    stopping_ = false;
    process_.start(QString::fromStdString(program), toArguments(arguments));
    if (!process_.waitForStarted(kStartWaitMs)) {
        return Status::failure(process_.errorString().toStdString());
    }
    return Status::success();
}

bool QtChildProcess::running() const {
    return process_.state() != QProcess::NotRunning;
}

void QtChildProcess::stop() {
    if (!running()) {
        return;
    }
    stopping_ = true;
    process_.terminate();
    if (!process_.waitForFinished(kEndWaitMs)) {
        process_.kill();
        process_.waitForFinished(kEndWaitMs);
    }
}

std::optional<std::string> QtChildProcess::runToEnd(const std::string& program,
                                                    const std::vector<std::string>& arguments,
                                                    std::uint32_t timeoutMs) {
    QProcess once;
    once.start(QString::fromStdString(program), toArguments(arguments));
    if (!once.waitForStarted(kStartWaitMs) || !once.waitForFinished(static_cast<int>(timeoutMs))) {
        once.kill();
        once.waitForFinished(kEndWaitMs);
        return std::nullopt;
    }
    if (once.exitStatus() != QProcess::NormalExit || once.exitCode() != 0) {
        return std::nullopt;
    }
    return once.readAllStandardOutput().toStdString();
}

} // namespace qv
