#include "StoredTime.h"

namespace velmor::results {

namespace {

// The value of the digits at[from, from + count), or -1 where one is not a digit.
int digitsAt(QStringView at, qsizetype from, qsizetype count) {
    int n = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = at[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        n = n * 10 + (c - u'0');
    }
    return n;
}

bool leap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days from 1970-01-01 to the date (proleptic Gregorian), after Howard Hinnant's days_from_civil.
qint64 daysFromCivil(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int era = year / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<qint64>(era) * 146097 + dayOfEra - 719468;
}

} // namespace

std::optional<qint64> storedTimeMs(QStringView at) {
    if (at.size() != 24 || at[4] != u'-' || at[7] != u'-' || at[10] != u'T' || at[13] != u':' ||
        at[16] != u':' || at[19] != u'.' || at[23] != u'Z')
        return std::nullopt;
    const int year = digitsAt(at, 0, 4), month = digitsAt(at, 5, 2), day = digitsAt(at, 8, 2);
    const int hour = digitsAt(at, 11, 2), minute = digitsAt(at, 14, 2),
              second = digitsAt(at, 17, 2), ms = digitsAt(at, 20, 3);
    static constexpr int monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 0 || month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59 || second < 0 || second > 59 || ms < 0 ||
        day > monthDays[month - 1] + (month == 2 && leap(year) ? 1 : 0))
        return std::nullopt;
    return ((daysFromCivil(year, month, day) * 24 + hour) * 60 + minute) * 60000 + second * 1000 +
           ms;
}

qint64 msBetween(QStringView from, QStringView to) {
    const auto a = storedTimeMs(from), b = storedTimeMs(to);
    return a && b ? *b - *a : 0;
}

} // namespace velmor::results
