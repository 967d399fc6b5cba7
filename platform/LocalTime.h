#pragma once

#include <QDateTime>
#include <QString>

namespace velmor {

// A time as people read it: local, to the second, with its offset from UTC, so that benches in
// different zones read alike ("2026-12-07 17:54:50 +01:00"). Stored times stay UTC.
QString localTimeText(const QDateTime& time);
// The same of milliseconds since the epoch.
QString localTimeText(qint64 ms);

} // namespace velmor
