#pragma once

#include <QStringView>

#include <optional>

namespace velmor::results {

// The milliseconds since the epoch of a time exactly as the records write it, UTC with
// milliseconds ("2026-12-08T18:25:50.123Z"); nothing for any other text or a date that does not
// exist. A list reads one or two per record, so this is plain arithmetic, not QDateTime's parser.
std::optional<qint64> storedTimeMs(QStringView at);

// The milliseconds from one stored time to another; 0 when either is not one.
qint64 msBetween(QStringView from, QStringView to);

} // namespace velmor::results
