#include "UnitProcess.h"

#include <cmath>
#include <csignal>
#include <sys/prctl.h>

namespace velmor::bench {

std::optional<LoggedFrame> parseLogLine(const QByteArray& line) {
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() < 6 || words[1] != "ms")
        return std::nullopt;
    bool ok = false;
    const double ms = words[0].toDouble(&ok);
    if (!ok)
        return std::nullopt;
    quint8 bytes[4];
    for (int i = 0; i < 4; ++i) {
        const uint value = words[2 + i].toUInt(&ok, 16);
        if (!ok || value > 255)
            return std::nullopt;
        bytes[i] = static_cast<quint8>(value);
    }
    return LoggedFrame{std::llround(ms * 1000.0), {bytes[0], bytes[1], bytes[2], bytes[3]}};
}

UnitProcess::~UnitProcess() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
    process_.waitForFinished(1000);
}

void endWithParent(QProcess& process) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

std::optional<QString> UnitProcess::start(const QString& program, const QStringList& options) {
    endWithParent(process_);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program, QStringList{QStringLiteral("--log")} + options);
    if (!process_.waitForStarted(5000))
        return QStringLiteral("cannot start %1: %2").arg(program, process_.errorString());
    while (!process_.canReadLine())
        if (!process_.waitForReadyRead(5000))
            return QStringLiteral("%1 named no device").arg(program);
    devicePath_ = QString::fromLocal8Bit(process_.readLine().trimmed());
    connect(&process_, &QProcess::readyReadStandardOutput, this, &UnitProcess::readLog);
    readLog();
    return std::nullopt;
}

void UnitProcess::readLog() {
    pending_ += process_.readAllStandardOutput();
    bool any = false;
    qsizetype end;
    while ((end = pending_.indexOf('\n')) >= 0) {
        if (const auto frame = parseLogLine(pending_.left(end))) {
            frames_.push_back(*frame);
            any = true;
        }
        pending_.remove(0, end + 1);
    }
    if (any)
        emit framesLogged();
}

} // namespace velmor::bench
