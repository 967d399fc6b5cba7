#include "RepeatTest.h"

#include "ReportPage.h"
#include "StoreRead.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

namespace velmor::results {

namespace {

constexpr int lookUpMs = 2000;

std::optional<QString> passedBefore(const StoreAddress& store, const QString& serial,
                                    const SweepLimits& limits) {
    // A store not made yet holds no run, and looking must not make it.
    if (store.kind == StoreAddress::Kind::SQLite && !QFile::exists(store.path))
        return std::nullopt;
    auto opened = openStore(store, QStringLiteral("velmor-repeat-test"));
    auto* db = std::get_if<QSqlDatabase>(&opened);
    if (!db)
        return std::nullopt;
    const auto found = lastPassedSweep(*db, serial, limits);
    db->close();
    const auto* sweep = std::get_if<std::optional<StoredSweep>>(&found);
    if (!sweep || !*sweep)
        return std::nullopt;
    const SweepHeader& h = (*sweep)->header;
    return QCoreApplication::translate(
               "results", "repeat test: %1 passed this sweep (limits %2,%3,%4) on %5, record %6")
        .arg(serial)
        .arg(limits.loadLimit1)
        .arg(limits.loadLimit2)
        .arg(limits.powerLimit)
        .arg(localTimeText(QDateTime::fromString(h.endedAt, Qt::ISODateWithMs)),
             h.id.left(8)); // the short id velmor-results lists
}

} // namespace

RepeatTestCheck::RepeatTestCheck(const StoreAddress& store, const QString& serial,
                                 const SweepLimits& limits)
    : thread_(QThread::create([this, store, serial, limits] {
          found_ = passedBefore(store, serial, limits);
          QSqlDatabase::removeDatabase(QStringLiteral("velmor-repeat-test"));
      })) {
    thread_->start();
}

RepeatTestCheck::~RepeatTestCheck() {
    thread_->wait();
}

std::optional<QString> RepeatTestCheck::warning() {
    if (!thread_->wait(QDeadlineTimer(lookUpMs)))
        return std::nullopt;
    return found_;
}

} // namespace velmor::results
