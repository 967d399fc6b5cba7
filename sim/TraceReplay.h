#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace velmor::sim {

// What the unit sent in a recorded link trace (the bench's --trace file), for playing it back
// without hardware. Each time the program opened the port starts a new segment; a chunk's time
// counts from that open.
struct ReplayChunk {
    qint64 atMs = 0;
    QByteArray bytes;
};
using ReplaySegment = std::vector<ReplayChunk>;

struct Replay {
    std::vector<ReplaySegment> segments;
};

// Reads the unit's side of a trace. Lines the trace format does not know are an error that
// names the line; OUT, CLOSE and LOST lines are the program's side and are skipped.
std::optional<Replay> parseTrace(const QString& text, QString* error);
std::optional<Replay> readTraceFile(const QString& path, QString* error);

} // namespace velmor::sim
