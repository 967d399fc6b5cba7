#include "StoredTime.h"

#include <QDateTime>

#include <gtest/gtest.h>

using velmor::results::storedTimeMs;

// The list reads every stored time with this instead of QDateTime's parser: it must agree with
// what the bench writes (QDateTime in UTC, ISO 8601 with milliseconds) at every instant.
TEST(StoredTime, agreesWithQtOnWhatTheBenchWritesAndRefusesTheRest) {
    const qint64 start = QDateTime(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const qint64 end = QDateTime(QDate(2101, 1, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    // A prime step lands on every hour, day, month and leap day of the century in turn.
    for (qint64 ms = start; ms < end; ms += 7'919'999'873) {
        const QString text =
            QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
        ASSERT_EQ(storedTimeMs(text), ms) << text.toStdString();
    }
    EXPECT_EQ(storedTimeMs(u"2024-02-29T23:59:59.999Z"),
              QDateTime(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() - 1);
    for (const char16_t* bad :
         {u"2023-02-29T00:00:00.000Z", u"2100-02-29T00:00:00.000Z", u"2026-04-31T00:00:00.000Z",
          u"2026-13-01T00:00:00.000Z", u"2026-12-08T24:00:00.000Z", u"2026-12-08T12:60:00.000Z",
          u"2026-12-08T12:00:60.000Z", u"2026-12-08T12:00:00.000", u"2026-12-08 12:00:00.000Z",
          u"2026-12-08T12:00:00Z", u"2026-12-0xT12:00:00.000Z", u"+026-12-08T12:00:00.000Z", u""})
        EXPECT_FALSE(storedTimeMs(bad)) << QString::fromUtf16(bad).toStdString();
}
