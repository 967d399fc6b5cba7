#include "Records.h"

#include <type_traits>

namespace velmor::results {

QString recordId(const Record& record) {
    return std::visit(
        [](const auto& r) -> QString {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, CellPainted> || std::is_same_v<T, SweepSaved>)
                return r.sweepId;
            else if constexpr (std::is_same_v<T, TickRead> || std::is_same_v<T, SessionEvent>)
                return r.sessionId;
            else if constexpr (requires { r.runId; })
                return r.runId;
            else
                return r.id;
        },
        record);
}

} // namespace velmor::results
