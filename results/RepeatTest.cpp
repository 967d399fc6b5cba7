#include "RepeatTest.h"

#include "LocalTime.h"
#include "OpenStore.h"
#include "Printable.h"
#include "RunRead.h"
#include "RunSelection.h"
#include "SweepRead.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTimer>

#include <memory>

namespace velmor::results {

namespace {

constexpr int lookUpMs = 2000;
const char* const repeatConnection = "velmor-repeat-test";

std::optional<QString>
lookUpIn(const StoreAddress& store,
         const std::function<std::optional<QString>(QSqlDatabase&)>& lookUp) {
    // A store not made yet holds no record, and looking must not make it.
    if (store.kind == StoreAddress::Kind::SQLite && !QFile::exists(store.path))
        return std::nullopt;
    auto opened = openStore(store, QLatin1String(repeatConnection));
    auto* db = std::get_if<QSqlDatabase>(&opened);
    if (!db)
        return std::nullopt;
    auto found = lookUp(*db);
    db->close();
    return found;
}

QString whenPassed(const QString& endedAt) {
    return localTimeText(QDateTime::fromString(endedAt, Qt::ISODateWithMs));
}

} // namespace

RepeatTestCheck::RepeatTestCheck(const StoreAddress& store, LookUp lookUp)
    : thread_(QThread::create([this, store, lookUp = std::move(lookUp)] {
          found_ = lookUpIn(store, lookUp);
          QSqlDatabase::removeDatabase(QLatin1String(repeatConnection));
      })),
      deadline_(lookUpMs) {
    thread_->start();
}

RepeatTestCheck::RepeatTestCheck(const StoreAddress& store, const QString& serial,
                                 const SweepLimits& limits)
    : RepeatTestCheck(store, [serial, limits](QSqlDatabase& db) -> std::optional<QString> {
          const auto found = lastPassedSweep(db, serial, limits);
          const auto* sweep = std::get_if<std::optional<StoredSweep>>(&found);
          if (!sweep || !*sweep)
              return std::nullopt;
          const SweepHeader& h = (*sweep)->header;
          return QCoreApplication::translate(
                     "results",
                     "repeat test: %1 passed this sweep (limits %2,%3,%4) on %5, record %6")
              .arg(serial)
              .arg(limits.loadLimit1)
              .arg(limits.loadLimit2)
              .arg(limits.powerLimit)
              .arg(whenPassed(h.endedAt), h.id.left(8)); // the short id velmor-results lists
      }) {}

RepeatTestCheck::RepeatTestCheck(const StoreAddress& store, const QString& serial, const Plan& plan)
    : RepeatTestCheck(store,
                      [serial, name = plan.name, text = QString::fromUtf8(plan.text)](
                          QSqlDatabase& db) -> std::optional<QString> {
                          const auto found = lastPassedRun(db, serial, name, text);
                          const auto* run = std::get_if<std::optional<StoredRun>>(&found);
                          if (!run || !*run)
                              return std::nullopt;
                          return QCoreApplication::translate(
                                     "results",
                                     "repeat test: %1 passed this plan (\"%2\") on %3, record %4")
                              .arg(printable(serial), printable(name), whenPassed((*run)->endedAt),
                                   (*run)->id.left(8));
                      }) {}

RepeatTestCheck::~RepeatTestCheck() {
    thread_->wait();
}

std::optional<QString> RepeatTestCheck::warning() {
    if (!thread_->wait(deadline_))
        return std::nullopt;
    return found_;
}

void RepeatTestCheck::whenAnswered(std::function<void(std::optional<QString>)> answered) {
    // Whichever comes first, the end or the deadline, answers; the other finds it done.
    auto once = std::make_shared<std::function<void(std::optional<QString>)>>(std::move(answered));
    const auto answer = [this, once] {
        if (auto call = std::exchange(*once, nullptr))
            call(thread_->isFinished() ? found_ : std::nullopt);
    };
    QObject::connect(thread_.get(), &QThread::finished, &answers_, answer);
    QTimer::singleShot(std::max<qint64>(0, deadline_.remainingTime()), &answers_, answer);
    if (thread_->isFinished())
        QTimer::singleShot(0, &answers_, answer);
}

} // namespace velmor::results
