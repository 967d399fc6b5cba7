#include "LocalTime.h"

#include <cstdlib>
#include <ctime>

namespace velmor {

namespace {

// n in `width` decimal digits, leading zeros included; after them.
char16_t* digits(char16_t* out, int n, int width) {
    for (int i = width - 1; i >= 0; --i, n /= 10)
        out[i] = static_cast<char16_t>(u'0' + n % 10);
    return out + width;
}

// What the C library cannot convert (or not in four digits of year), as Qt converts it.
QString convertedByQt(const QDateTime& time) {
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc() / 60;
    return local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(std::abs(offset) / 60, 2, 10, QLatin1Char('0'))
               .arg(std::abs(offset) % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString localTimeText(const QDateTime& time) {
    return time.isValid() ? localTimeText(time.toMSecsSinceEpoch()) : convertedByQt(time);
}

QString localTimeText(qint64 ms) {
    // The C library's conversion, which QDateTime::toLocalTime makes too, without its bookkeeping:
    // a tenth of the time, and a list shows one time per record.
    const auto seconds = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
    std::tm local{};
    tzset();
    if (!localtime_r(&seconds, &local) || local.tm_year + 1900 < 1000 ||
        local.tm_year + 1900 > 9999)
        return convertedByQt(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
    const int offset = static_cast<int>(local.tm_gmtoff) / 60;
    char16_t text[26];
    char16_t* out = digits(text, local.tm_year + 1900, 4);
    *out++ = u'-';
    out = digits(out, local.tm_mon + 1, 2);
    *out++ = u'-';
    out = digits(out, local.tm_mday, 2);
    *out++ = u' ';
    out = digits(out, local.tm_hour, 2);
    *out++ = u':';
    out = digits(out, local.tm_min, 2);
    *out++ = u':';
    out = digits(out, local.tm_sec, 2);
    *out++ = u' ';
    *out++ = offset < 0 ? u'-' : u'+';
    out = digits(out, std::abs(offset) / 60, 2);
    *out++ = u':';
    digits(out, std::abs(offset) % 60, 2);
    return QString(reinterpret_cast<const QChar*>(text), 26);
}

} // namespace velmor
