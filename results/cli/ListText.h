#pragma once

#include "StoreRead.h"

#include <QString>

#include <array>
#include <deque>

namespace velmor::results {

// The list's table: a line per record, each made as its record is read (while a server still
// sends the rest), newest first, and the count beneath.
class ListText {
public:
    void add(const Listed& record);
    QString text();

private:
    struct Line {
        QString startedAt;
        QString id;
        std::array<QString, 9> cells;
    };
    // Never moved as the list grows (a vector moved 10,000 lines' texts a dozen times over); the
    // order is sorted, not the lines.
    std::deque<Line> lines_;
};

} // namespace velmor::results
