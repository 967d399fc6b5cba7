#include "ProcessStats.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <sys/resource.h>
#include <unistd.h>

namespace velmor::bench {

namespace {

double kiBField(const QByteArray& status, const char* name) {
    for (const QByteArray& line : status.split('\n'))
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).trimmed().split(' ').value(0).toDouble();
    return 0;
}

} // namespace

Memory memoryOf(qint64 pid) {
    QFile file(QStringLiteral("/proc/%1/status").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray status = file.readAll();
    return {kiBField(status, "VmRSS:") * 1024.0 / 1e6, kiBField(status, "VmHWM:") * 1024.0 / 1e6};
}

Memory ownMemory() {
    return memoryOf(::getpid());
}

double ownCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

qint64 ownSleeps() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw;
}

qint64 steadyMicroseconds() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace velmor::bench
