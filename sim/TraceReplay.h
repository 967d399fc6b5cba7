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

    // False when the trace holds nothing the unit sent: played back, the unit stays silent.
    bool hasUnitOutput() const;
};

// What a replay accepts: a trace file of at most maxTraceBytes, times from 0 to maxTraceMs
// that never go back, and reads (IN) of at most maxChunkBytes each.
inline constexpr qint64 maxTraceBytes = 64 * 1024 * 1024;
inline constexpr double maxTraceMs = 1e9; // about eleven and a half days
inline constexpr qsizetype maxChunkBytes = 256 * 1024;

// Reads the unit's side of a trace. Lines the trace format does not know, times out of range
// and oversized reads are an error that names the line; OUT, CLOSE and LOST lines are the
// program's side and are skipped.
std::optional<Replay> parseTrace(const QString& text, QString* error);

// The same from a file, which must be a regular file of at most maxTraceBytes.
std::optional<Replay> readTraceFile(const QString& path, QString* error);

} // namespace velmor::sim
