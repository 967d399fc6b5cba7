#pragma once

#include <QCoreApplication>

namespace velmor::results {

// The texts of the records and of velmor-results that people read, looked up in the catalogue
// under "results": Text::tr("…").
struct Text {
    Q_DECLARE_TR_FUNCTIONS(results)
};

} // namespace velmor::results
