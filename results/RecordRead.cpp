#include "RecordRead.h"
#include "Text.h"

namespace velmor::results {

void readRecordHeader(StoredRow& row, RecordHeader& header) {
    header.id = row.id("id");
    header.startedAt = row.time("started_at");
    header.endedAt = row.time("ended_at", true);
    header.endState = row.state("end_state");
    header.host = row.text("host");
    header.port = row.text("port");
    // The unit under test, its model and the operator: empty in rows older than version 3.
    header.unit = {row.text("unit_serial"), row.text("unit_model"), row.text("operator")};
    if (!header.endedAt.isEmpty() && header.endedAt < header.startedAt)
        row.refuse(
            Text::tr("it ended (%1) before it started (%2)").arg(header.endedAt, header.startedAt));
}

} // namespace velmor::results
