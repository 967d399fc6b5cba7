#include "TraceReplay.h"

#include <QFile>
#include <QStringList>

#include <cmath>

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

std::optional<Replay> parseTrace(const QString& text, QString* error) {
    Replay replay;
    double segmentStart = 0;
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
        if (!ok || words.size() < 2 || !std::isfinite(ms) || ms < 0)
            return fail(QStringLiteral("not a trace line"));
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QString why;
    auto replay = parseTrace(QString::fromUtf8(file.readAll()), &why);
    if (!replay && error)
        *error = QStringLiteral("%1: %2").arg(path, why);
    return replay;
}

} // namespace velmor::sim
