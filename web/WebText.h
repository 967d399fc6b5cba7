#pragma once

#include <QCoreApplication>

namespace velmor::web {

// The texts of the web view's pages, looked up in the catalogue under "web": WebText::tr("…").
struct WebText {
    Q_DECLARE_TR_FUNCTIONS(web)
};

} // namespace velmor::web
