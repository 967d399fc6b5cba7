#include "SessionSheetOf.h"

#include "Conversions.h"
#include "Reading.h"
#include "StoredTime.h"
#include "Table.h"

#include <map>

namespace velmor::results {

Reading tickReading(const TickRead& t) {
    return manualReading(storedReply(t.b1, t.b2, t.b3, t.b4));
}

// Times are read back only in the bench's own form (a record holding another is refused), which
// msBetween reads without QDateTime's parser: an eight-hour session has 144,000 of them.
std::vector<SessionSample> samplesOf(const StoredSession& s) {
    std::vector<SessionSample> samples;
    samples.reserve(s.ticks.size());
    for (const TickRead& t : s.ticks) {
        const Reading r = tickReading(t);
        samples.push_back({msBetween(s.startedAt, t.at), r.volts5, r.volts12, r.volts33, t.load5,
                           t.load12, t.load33, t.power, t.overload});
    }
    return samples;
}

SessionSheet sessionSheet(const StoredSession& s) {
    const QDateTime began = QDateTime::fromString(s.startedAt, Qt::ISODateWithMs);
    SessionSheet sheet{
        s.id,  began.toLocalTime(), s.host, s.port, shownState(s.endState), samplesOf(s), {},
        s.unit};
    const std::map<QString, SessionMark::Kind> marked{
        {QStringLiteral("overload-cut"), SessionMark::Kind::OverloadCut},
        {QStringLiteral("link-lost"), SessionMark::Kind::LinkLost},
        {QStringLiteral("link-back"), SessionMark::Kind::LinkBack}};
    for (const StoredEvent& e : s.events)
        if (const auto kind = marked.find(e.kind); kind != marked.end())
            sheet.marks.push_back({msBetween(s.startedAt, e.at), kind->second});
    return sheet;
}

} // namespace velmor::results
