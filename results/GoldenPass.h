#pragma once

#include "StoreAddress.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace velmor::results {

// When one of the golden units last passed on this bench (this machine's host name): the start
// of its newest completed run that passed or was marginal; none where there is none, or the store
// is not made yet or holds no runs. Opens the store on the calling thread (never the UI's).
std::variant<std::optional<QDateTime>, QString> lastGoldenPass(const StoreAddress& store,
                                                               const QStringList& serials);

} // namespace velmor::results
