#include "Reply.h"
#include "WebText.h"

#include "Html.h"

namespace velmor::web {

Reply failure(int status, const QString& message) {
    const QString title = status == 404   ? WebText::tr("Not found")
                          : status == 400 ? WebText::tr("Not understood")
                          : status == 401 ? WebText::tr("Token needed")
                                          : WebText::tr("Cannot show this");
    return {status, "text/html; charset=utf-8",
            page(title, QStringLiteral("<p class=\"refused\">%1</p>\n").arg(html(message)))};
}

} // namespace velmor::web
