#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace velmor::results {

// Texts kept one after another in blocks that never move: the 10,000 lines of a list are then a
// few dozen blocks, not 100,000 small strings made and freed one by one (which, all alive at
// once, leave the allocator searching its free lists for every new one).
class TextArena {
public:
    // The text's copy, good for the arena's life: a block is never grown past its capacity, and
    // one moved as the list of blocks grows keeps its characters where they are.
    QStringView put(QStringView text);

private:
    std::vector<QString> blocks_;
};

} // namespace velmor::results
