#include "Printable.h"

#include <algorithm>

namespace velmor::results {

namespace {

// C0, DEL and C1 (a terminal takes U+009B as the start of a control sequence); the line and
// paragraph separators and the bidirectional overrides reorder what a reader sees.
bool isControl(char16_t u) {
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029 ||
           (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString printable(const QString& text) {
    // Nearly every text has nothing to escape: it is shared as it is, not copied.
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return isControl(c.unicode()); }))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!isControl(u)) {
            shown += c;
            continue;
        }
        switch (u) {
        case u'\n':
            shown += QLatin1String("\\n");
            break;
        case u'\t':
            shown += QLatin1String("\\t");
            break;
        case u'\r':
            shown += QLatin1String("\\r");
            break;
        case 0:
            shown += QLatin1String("\\0");
            break;
        default:
            shown += u > 0xff ? QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'))
                              : QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

} // namespace velmor::results
