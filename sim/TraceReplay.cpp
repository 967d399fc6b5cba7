#include "TraceReplay.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmor::sim {

namespace {

std::optional<QByteArray> parseHex(const QStringList& words, qsizetype from) {
    QByteArray out;
    for (qsizetype i = from; i < words.size(); ++i) {
        bool ok = false;
        const uint value = words[i].toUInt(&ok, 16);
        if (!ok || words[i].size() != 2 || value > 0xFF)
            return std::nullopt;
        out.append(static_cast<char>(value));
    }
    return out;
}

} // namespace

bool Replay::hasUnitOutput() const {
    for (const ReplaySegment& segment : segments)
        if (!segment.empty())
            return true;
    return false;
}

std::optional<Replay> parseTrace(const QString& text, QString* error) {
    Replay replay;
    double segmentStart = 0;
    double previousMs = 0;
    int lineNumber = 0;
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(lineNumber).arg(why);
        return std::nullopt;
    };
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ++lineNumber;
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        bool ok = false;
        const double ms = words[0].toDouble(&ok);
        if (!ok || words.size() < 2 || !std::isfinite(ms))
            return fail(QStringLiteral("not a trace line"));
        if (ms < 0 || ms > maxTraceMs)
            return fail(QStringLiteral("time %1 ms out of range (0 to %2 ms)")
                            .arg(words[0])
                            .arg(maxTraceMs, 0, 'f', 0));
        if (ms < previousMs)
            return fail(QStringLiteral("time %1 ms earlier than the line before").arg(words[0]));
        previousMs = ms;
        const QString& what = words[1];
        if (what == QLatin1String("OPEN")) {
            // A successful open reads "OPEN port 1 ..."; a failed one carries the error.
            if (words.size() > 2 && words[2] == QLatin1String("port")) {
                replay.segments.emplace_back();
                segmentStart = ms;
            }
        } else if (what == QLatin1String("IN")) {
            const auto bytes = parseHex(words, 2);
            if (!bytes || bytes->isEmpty())
                return fail(QStringLiteral("IN needs hex bytes"));
            if (bytes->size() > maxChunkBytes)
                return fail(QStringLiteral("IN holds %1 bytes, more than the %2 a read may hold")
                                .arg(bytes->size())
                                .arg(maxChunkBytes));
            if (replay.segments.empty())
                replay.segments.emplace_back(); // a trace cut before its first open
            replay.segments.back().push_back(
                {static_cast<qint64>(std::llround(ms - segmentStart)), *bytes});
        } else if (what != QLatin1String("OUT") && what != QLatin1String("CLOSE") &&
                   what != QLatin1String("LOST")) {
            return fail(QStringLiteral("unknown record \"%1\"").arg(what));
        }
    }
    return replay;
}

std::optional<Replay> readTraceFile(const QString& path, QString* error) {
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, why);
        return std::nullopt;
    };
    // Checked on the open file, so nothing can be swapped in between; a FIFO or a device is
    // never read (opening without blocking, it cannot hang either).
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(QStringLiteral("not a regular file"));
    }
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(file.errorString());
    }
    const QByteArray text = file.read(maxTraceBytes + 1); // the file may grow meanwhile
    if (text.size() > maxTraceBytes)
        return fail(
            QStringLiteral("more than the %1 MiB a replay takes").arg(maxTraceBytes / 1024 / 1024));
    QString why;
    auto replay = parseTrace(QString::fromUtf8(text), &why);
    if (!replay && error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return replay;
}

} // namespace velmor::sim
