#include "TextArena.h"

#include <algorithm>

namespace velmor::results {

QStringView TextArena::put(QStringView text) {
    constexpr qsizetype blockSize = 1 << 16;
    if (blocks_.empty() || blocks_.back().size() + text.size() > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(blockSize, text.size()));
    }
    QString& block = blocks_.back();
    const qsizetype at = block.size();
    block.append(text);
    return QStringView(block).sliced(at, text.size());
}

} // namespace velmor::results
