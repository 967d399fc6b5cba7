#include "ScriptedPort.h"

namespace velmor::testing {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (const int v : values)
        out.append(static_cast<char>(v));
    return out;
}

ScriptedPort::ScriptedPort(std::shared_ptr<PortLog> log) : log_(std::move(log)) {}

std::optional<QString> ScriptedPort::open(int portNumber, const LineSettings& lineSettings) {
    log_->events
        << QStringLiteral("open %1 %2").arg(portNumber).arg(lineSettingsText(lineSettings));
    if (openError_)
        return openError_;
    if (open_)
        return QStringLiteral("already open");
    open_ = true;
    lost_.reset();
    return std::nullopt;
}

bool ScriptedPort::writeByte(quint8 byte) {
    const int index = writeIndex_++;
    if (!open_ || (failFrom_ >= 0 && index >= failFrom_ && index < failFrom_ + failCount_)) {
        log_->events << QStringLiteral("write failed");
        return false;
    }
    log_->events << QStringLiteral("write %1").arg(byte);
    log_->written.push_back(byte);
    return true;
}

QByteArray ScriptedPort::readAll() {
    ++reads_;
    log_->events << QStringLiteral("read");
    if (!open_ || replies_.empty())
        return {};
    QByteArray reply = replies_.front();
    replies_.pop_front();
    return reply;
}

void ScriptedPort::dropInput() {
    log_->events << QStringLiteral("drop");
    replies_.clear();
}

void ScriptedPort::close() {
    log_->events << QStringLiteral("close");
    open_ = false;
}

void ScriptedPort::queueReply(std::initializer_list<int> values) {
    queueReply(bytes(values));
}

void ScriptedPort::failWritesFrom(int index, int count) {
    failFrom_ = index;
    failCount_ = count;
}

void ScriptedPort::loseLink(const QString& reason) {
    open_ = false;
    lost_ = reason;
}

} // namespace velmor::testing
