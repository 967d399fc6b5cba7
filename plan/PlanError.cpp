#include "PlanError.h"

namespace velmor {

QString PlanError::text() const {
    if (line <= 0)
        return QStringLiteral("%1: %2").arg(file, what);
    return QStringLiteral("%1:%2:%3: %4")
        .arg(file, QString::number(line), QString::number(column), what);
}

QString planText(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

} // namespace velmor
