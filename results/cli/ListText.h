#pragma once

#include "RecordList.h"
#include "TextArena.h"

#include <QString>

#include <vector>

namespace velmor::results {

// The list's table: a line per record, each made as its record is read (while a server still
// sends the rest), newest first, and the count beneath.
class ListText {
public:
    void add(const Listed& record);
    // The table, and beneath it the count, with how many more matched beyond those listed.
    QString text(qint64 more = 0) const;

private:
    static constexpr std::size_t cellsPerLine = 9;
    struct Line {
        qint64 startedMs = 0; // sorted by, as a number is compared faster than a text
        QStringView startedAt, id;
        std::size_t firstCell = 0;
    };

    TextArena texts_;
    std::vector<QStringView> cells_;
    std::vector<Line> lines_;
};

} // namespace velmor::results
