#include "RecordWriter.h"

#include "JournalRepair.h"
#include "OpenStore.h"
#include "PostgresRows.h"
#include "Schema.h"
#include "Spool.h"
#include "Sql.h"
#include "StoreWrite.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QTimer>

#include <cstdio>

#include <sys/socket.h>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace velmor::results {

namespace {

constexpr int spoolIntervalMs = 200;
constexpr int deliveryIntervalMs = 250;
constexpr int reconnectIntervalMs = 2000;
constexpr int deliveryBatch = 2000;
// How long the program waits at its end for a store that does not answer (a server stopped or a
// table locked): what is not stored by then waits in the journal.
constexpr int lastPassPatienceMs = 5000;

enum TroubleSource { spoolTrouble = 0, storeTrouble = 1 };

QString connectionName(const char* role, const void* owner) {
    return QStringLiteral("velmor-%1-%2").arg(QLatin1String(role)).arg(quintptr(owner), 0, 16);
}

// A connection of the thread that calls open(), closed and removed by close() on that thread.
class Connection {
public:
    Connection(StoreAddress address, QString name) : address_(std::move(address)), name_(name) {}
    ~Connection() { close(); }
    QSqlDatabase* get() { return db_ ? &*db_ : nullptr; }
    std::optional<QString> open(bool withSchema) {
        if (db_)
            return std::nullopt;
        {
            auto opened = openStore(address_, name_);
            if (const auto* error = std::get_if<QString>(&opened)) {
                const QString reason = *error;
                opened = QString();
                QSqlDatabase::removeDatabase(name_);
                return reason;
            }
            db_ = std::get<QSqlDatabase>(opened);
            const std::lock_guard lock(socketMutex_);
            socket_ = postgresSocket(*db_);
        } // no other handle on the connection is left, so close() can remove it
        if (auto error = withSchema ? prepareSchema(*db_) : std::nullopt) {
            close();
            return error;
        }
        return std::nullopt;
    }
    void close() {
        if (!db_)
            return;
        {
            const std::lock_guard lock(socketMutex_);
            socket_ = -1;
        }
        db_->close();
        db_.reset();
        QSqlDatabase::removeDatabase(name_);
    }

    // From any thread: a query waiting on a server that does not answer fails at once, as if the
    // server had closed the connection.
    void cutOff() {
        const std::lock_guard lock(socketMutex_);
        if (socket_ >= 0)
            ::shutdown(socket_, SHUT_RDWR);
    }

private:
    StoreAddress address_;
    QString name_;
    std::optional<QSqlDatabase> db_;
    std::mutex socketMutex_;
    int socket_ = -1; // a server's, while open
};

// Opens the store's journal and makes its tables if need be; closed again if they cannot be made.
std::optional<QString> openJournal(Connection& journal, const StoreAddress& store) {
    if (auto error = journal.open(false))
        return error;
    if (auto error = prepareSpool(*journal.get(), store)) {
        journal.close();
        return error;
    }
    return std::nullopt;
}

StoreAddress spoolAddress(const QString& path) {
    StoreAddress address;
    address.path = path;
    return address;
}

// Every record the journal holds open, ended as abandoned (the program that had it open is
// gone); how many.
std::variant<qint64, QString> endOpenRecords(QSqlDatabase& spool) {
    auto open = openRecords(spool);
    if (const auto* error = std::get_if<QString>(&open))
        return *error;
    std::vector<Record> endings;
    for (const OpenRecord& r : std::get<std::vector<OpenRecord>>(open))
        endings.push_back(abandoned(r));
    if (auto error = spoolRecords(spool, endings))
        return *error;
    return static_cast<qint64>(endings.size());
}

} // namespace

// Moves queued records into the journal.
class Spooler final : public QObject {
public:
    Spooler(RecordWriter& writer, const StoreAddress& store, const QString& spoolPath)
        : writer_(writer), store_(store), path_(spoolPath),
          spool_(spoolAddress(spoolPath), connectionName("spool", this)) {}

    void begin() {
        timer_ = new QTimer(this);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, this, [this] { pass(); });
        timer_->start(spoolIntervalMs);
        pass();
    }

    void end() {
        pass();
        timer_->stop();
        spool_.close();
        otherStore_.reset();
        otherStoresLock_.reset();
    }

    // RecordWriter::takeJournal
    std::variant<qint64, QString> take(const QString& other) {
        if (auto error = openSpool())
            return *error;
        if (!QFileInfo(other).isFile())
            return QCoreApplication::translate("results", "%1: no such journal").arg(other);
        auto salvaged = salvageJournal(other, *spool_.get());
        if (const auto* error = std::get_if<QString>(&salvaged))
            return *error;
        const auto ended = endOpenRecords(*spool_.get());
        if (const auto* error = std::get_if<QString>(&ended))
            return *error;
        const qint64 moved = std::get<Salvage>(salvaged).entries;
        // Counted as posted and spooled, so that drain() waits for them.
        writer_.posted_ += moved + std::get<qint64>(ended);
        writer_.spooled_ += moved + std::get<qint64>(ended);
        auto aside = setJournalAside(other, "taken");
        if (const auto* error = std::get_if<QString>(&aside))
            return *error;
        return moved;
    }

private:
    void pass() {
        std::vector<Record> taken = writer_.takeQueued();
        const auto count = static_cast<qint64>(taken.size());
        pending_.insert(pending_.end(), std::make_move_iterator(taken.begin()),
                        std::make_move_iterator(taken.end()));
        if (writer_.journalSuspect_.exchange(false)) { // the delivery thread could not read it
            spool_.close();
            checked_ = false;
        }
        if (auto error = openSpool()) {
            writer_.reportTrouble(spoolTrouble, journalTrouble(path_, *error));
            pendingCount_ += count;
            return;
        }
        if (pending_.empty())
            return;
        if (auto error = spoolRecords(*spool_.get(), pending_)) {
            writer_.reportTrouble(spoolTrouble, journalTrouble(path_, *error));
            spool_.close(); // opened and checked afresh next time, in case it was damaged
            checked_ = false;
            pendingCount_ += count;
            return;
        }
        pending_.clear();
        // Trouble ends before the progress shows, so whoever sees drain() done sees no trouble.
        writer_.reportTrouble(spoolTrouble, std::nullopt);
        writer_.spooled_ += pendingCount_ + count;
        pendingCount_ = 0;
    }

    // Opens the journal, after a check that it is sound; the first time, ends what a crash left
    // open.
    std::optional<QString> openSpool() {
        if (spool_.get())
            return std::nullopt;
        if (!checked_) {
            if (auto damage = journalDamage(path_)) {
                if (auto error = replaceDamaged(*damage))
                    return error;
            } else if (auto error = moveOtherStoresJournal()) {
                return error;
            }
            checked_ = true;
        }
        if (!spool_.get())
            if (auto error = openJournal(spool_, store_))
                return error;
        if (!crashChecked_) {
            const auto ended = endOpenRecords(*spool_.get());
            if (const auto* error = std::get_if<QString>(&ended))
                return *error;
            crashChecked_ = true;
            writer_.spoolReady_ = true;
        }
        return std::nullopt;
    }

    // Sets the damaged journal aside, starts a new one and moves into it what can still be read.
    std::optional<QString> replaceDamaged(const QString& damage) {
        auto moved = setJournalAside(path_, "damaged");
        if (const auto* error = std::get_if<QString>(&moved))
            return *error;
        const QString keptAs = std::get<KeptAs>(moved).path;
        ++writer_.journalGeneration_; // the delivery thread lets go of the old file
        std::optional<QString> error = openJournal(spool_, store_);
        std::variant<Salvage, QString> salvaged = error ? *error : QString();
        if (!error)
            salvaged = salvageJournal(keptAs, *spool_.get());
        if (const auto* s = std::get_if<Salvage>(&salvaged))
            std::fprintf(stderr,
                         "velmor-test: the journal %s is damaged (%s); it is kept as %s, a new "
                         "journal is started, and the %lld entries still readable in it are "
                         "delivered from the new one\n",
                         qPrintable(path_), qPrintable(damage.simplified()), qPrintable(keptAs),
                         static_cast<long long>(s->entries));
        else
            std::fprintf(stderr,
                         "velmor-test: the journal %s is damaged (%s); it is kept as %s and a new "
                         "journal is started, but nothing could be read from it (%s)\n",
                         qPrintable(path_), qPrintable(damage.simplified()), qPrintable(keptAs),
                         qPrintable(std::get<QString>(salvaged).simplified()));
        std::fflush(stderr);
        return error;
    }

    // A journal that names another store (the data folder moved, or was restored from another
    // machine) holds that store's records: it goes to the place of that store's journal, where a
    // run into that store delivers it, and is delivered now if that store is there; this store
    // gets a journal of its own.
    std::optional<QString> moveOtherStoresJournal() {
        const std::optional<JournalOf> found = journalOf(path_);
        if (!found || found->store == addressText(store_))
            return std::nullopt;
        const QString itsPlace = journalPathOf(found->store);
        auto moved = moveJournal(path_, itsPlace);
        if (const auto* error = std::get_if<QString>(&moved))
            return *error;
        const QString keptAs = std::get<KeptAs>(moved).path;
        const auto other = parseResultsUrl(found->store);
        const auto* address = std::get_if<StoreAddress>(&other);
        // An SQLite store that is not there is not made at the old place.
        const bool there = address && (address->kind == StoreAddress::Kind::Postgres ||
                                       QFileInfo(address->path).isFile());
        auto lock = std::make_unique<QLockFile>(keptAs + QStringLiteral(".lock"));
        if (keptAs == itsPlace && there && lock->tryLock(0)) {
            std::fprintf(stderr,
                         "velmor-test: the journal %s holds %lld test records for the store %s, "
                         "not for %s; it is now %s, and they are delivered there\n",
                         qPrintable(path_), static_cast<long long>(found->entries),
                         qPrintable(found->store), qPrintable(addressText(store_)),
                         qPrintable(keptAs));
            otherStoresLock_ = std::move(lock);
            otherStore_ = std::make_unique<RecordWriter>(*address, keptAs);
        } else {
            std::fprintf(stderr,
                         "velmor-test: the journal %s holds %lld test records for the store %s, "
                         "not for %s (was the data folder moved?); it is now %s, where they wait "
                         "for that store and go there when velmor-test next records into it; "
                         "velmor-results --results %s deliver %s delivers them to this store "
                         "instead. This store's records go to a journal of its own.\n",
                         qPrintable(path_), static_cast<long long>(found->entries),
                         qPrintable(found->store), qPrintable(addressText(store_)),
                         qPrintable(keptAs), qPrintable(addressText(store_)), qPrintable(keptAs));
        }
        std::fflush(stderr);
        return std::nullopt;
    }

    RecordWriter& writer_;
    StoreAddress store_;
    QString path_;
    Connection spool_;
    std::unique_ptr<QLockFile> otherStoresLock_;
    std::unique_ptr<RecordWriter> otherStore_; // delivering the journal of another store
    QTimer* timer_ = nullptr;
    std::vector<Record> pending_; // taken from the queue, not yet in the journal
    qint64 pendingCount_ = 0;
    bool checked_ = false; // the journal passed its check since it was last in trouble
    bool crashChecked_ = false;
};

// Moves records from the journal into the store, oldest first.
class Deliverer final : public QObject {
public:
    Deliverer(RecordWriter& writer, const StoreAddress& store, const QString& spoolPath)
        : writer_(writer), address_(store),
          spool_(spoolAddress(spoolPath), connectionName("journal", this)),
          store_(store, connectionName("store", this)) {}

    void begin() {
        timer_ = new QTimer(this);
        QObject::connect(timer_, &QTimer::timeout, this, [this] { pass(); });
        timer_->start(deliveryIntervalMs);
        pass();
    }

    void end() {
        timer_->stop();
        // One last pass, unless the store is already known to be away.
        if (store_.get() || !sinceAttempt_.isValid())
            pass();
        tellWhatWaits();
        spool_.close();
        store_.close();
    }

    // From another thread, when end() takes too long.
    void cutOff() { store_.cutOff(); }

private:
    void pass() {
        const qint64 spooled = writer_.spooled_;
        if (auto error = deliver()) {
            writer_.reportTrouble(storeTrouble, error);
            return;
        }
        writer_.reportTrouble(storeTrouble, std::nullopt);
        writer_.delivered_ = spooled;
    }

    std::optional<QString> deliver() {
        if (generation_ != writer_.journalGeneration_) // set aside as damaged
            spool_.close();
        if (!spool_.get()) {
            // The spooler makes the journal first: two connections turning a new file to WAL at
            // once can fail with "database is locked" without waiting.
            if (!writer_.spoolReady_)
                return std::nullopt;
            generation_ = writer_.journalGeneration_;
            if (auto error = openJournal(spool_, address_))
                return journalFailed(*error);
        }
        // Opened even with nothing to deliver, so the store exists and its schema is checked
        // from the start.
        if (auto error = openStore())
            return error;
        for (;;) {
            auto waiting = waitingRecords(*spool_.get(), batchLimit_);
            if (const auto* error = std::get_if<QString>(&waiting))
                return journalFailed(*error);
            for (const QString& reason : std::get<Waiting>(waiting).unreadable)
                tellSetAside(reason);
            const auto& batch = std::get<Waiting>(waiting).records;
            if (batch.empty())
                return std::nullopt;
            std::vector<Record> records;
            records.reserve(batch.size());
            for (const SpooledRecord& r : batch)
                records.push_back(r.record);
            if (auto failure = storeRecords(*store_.get(), records)) {
                if (failure->refused) {
                    if (auto error = narrowDown(batch, failure->reason))
                        return error;
                    continue;
                }
                store_.close(); // a server that restarted needs a new connection
                sinceAttempt_.start();
                lastError_ = failure->reason;
                return lastError_;
            }
            // Stored before it is forgotten: a crash in between delivers it again, harmlessly.
            if (auto error = forgetUpTo(*spool_.get(), batch.back().seq))
                return journalFailed(*error);
        }
    }

    // A batch the store refused holds a record it will never take. The batch is halved until that
    // record is alone; then it is set aside, so that the records after it are delivered.
    std::optional<QString> narrowDown(const std::vector<SpooledRecord>& batch,
                                      const QString& reason) {
        if (batch.size() > 1) {
            batchLimit_ = static_cast<int>(batch.size() / 2);
            return std::nullopt;
        }
        if (auto error = setAside(*spool_.get(), batch.front().seq, reason))
            return journalFailed(*error);
        batchLimit_ = deliveryBatch;
        tellSetAside(QStringLiteral("the store refused a test record (%1)").arg(reason));
        return std::nullopt;
    }

    void tellSetAside(const QString& reason) {
        if (reason == lastRefusal_) // said once per reason, not once per record
            return;
        std::fprintf(stderr, "velmor-test: %s; it is kept in %s, table refused\n",
                     qPrintable(reason.simplified()), qPrintable(describe(*spool_.get())));
        std::fflush(stderr);
        lastRefusal_ = reason;
    }

    // The journal, not the store, failed: the spooler checks it before it is used again.
    QString journalFailed(const QString& error) {
        spool_.close();
        writer_.journalSuspect_ = true;
        return error;
    }

    // What the program leaves in the journal waits there on disk for the next run into this
    // store.
    void tellWhatWaits() {
        if (!spool_.get())
            return;
        const auto waiting = waitingCount(*spool_.get());
        if (const auto* count = std::get_if<qint64>(&waiting); count && *count > 0) {
            std::fprintf(stderr,
                         "velmor-test: %lld test records wait in the journal %s; they go to %s "
                         "when velmor-test next records there\n",
                         static_cast<long long>(*count), qPrintable(describe(*spool_.get())),
                         qPrintable(addressText(address_)));
            std::fflush(stderr);
        }
    }

    std::optional<QString> openStore() {
        if (store_.get())
            return std::nullopt;
        if (sinceAttempt_.isValid() && sinceAttempt_.elapsed() < reconnectIntervalMs)
            return lastError_;
        sinceAttempt_.start();
        lastError_ = store_.open(true);
        return lastError_;
    }

    RecordWriter& writer_;
    StoreAddress address_;
    Connection spool_;
    Connection store_;
    int generation_ = 0;
    QTimer* timer_ = nullptr;
    QElapsedTimer sinceAttempt_;
    std::optional<QString> lastError_;
    int batchLimit_ = deliveryBatch;
    QString lastRefusal_;
};

namespace {

// The calling thread gives way to the bench's own: on a busy machine a batch being written must
// not make a tick late. Linux niceness is per thread.
void yieldToTheTicks() {
#ifdef Q_OS_LINUX
    setpriority(PRIO_PROCESS, static_cast<id_t>(::syscall(SYS_gettid)), 10);
#endif
}

} // namespace

RecordWriter::RecordWriter(const StoreAddress& store, const QString& spoolPath, QObject* parent)
    : QObject(parent), spoolPath_(spoolPath), spooler_(new Spooler(*this, store, spoolPath)),
      deliverer_(new Deliverer(*this, store, spoolPath)) {
    // Qt 6.4 registers its SQL clean-up on the first use of its driver list, unlocked: two threads
    // doing that at once register it twice, and the program then spins forever at exit. The first
    // use happens here, before the threads start.
    QSqlDatabase::drivers();
    spoolThread_.setObjectName(QStringLiteral("velmor-spool"));
    deliveryThread_.setObjectName(QStringLiteral("velmor-delivery"));
    spooler_->moveToThread(&spoolThread_);
    deliverer_->moveToThread(&deliveryThread_);
    spoolThread_.start();
    deliveryThread_.start();
    QMetaObject::invokeMethod(spooler_, [this] {
        yieldToTheTicks();
        spooler_->begin();
    });
    QMetaObject::invokeMethod(deliverer_, [this] {
        yieldToTheTicks();
        deliverer_->begin();
    });
}

RecordWriter::~RecordWriter() {
    finish();
}

qint64 RecordWriter::finish() {
    if (lost_)
        return *lost_;
    QMetaObject::invokeMethod(
        spooler_, [this] { spooler_->end(); }, Qt::BlockingQueuedConnection);
    QSemaphore ended;
    QMetaObject::invokeMethod(deliverer_, [this, &ended] {
        deliverer_->end();
        ended.release();
    });
    if (!ended.tryAcquire(1, lastPassPatienceMs)) {
        std::fprintf(stderr,
                     "velmor-test: the store did not answer within %d s; the test records not "
                     "stored yet stay in the journal %s\n",
                     lastPassPatienceMs / 1000, qPrintable(spoolPath_));
        std::fflush(stderr);
        deliverer_->cutOff();
        ended.acquire();
    }
    QMetaObject::invokeMethod(
        spooler_, [this] { delete spooler_; }, Qt::BlockingQueuedConnection);
    QMetaObject::invokeMethod(
        deliverer_, [this] { delete deliverer_; }, Qt::BlockingQueuedConnection);
    spoolThread_.quit();
    deliveryThread_.quit();
    spoolThread_.wait();
    deliveryThread_.wait();
    lost_ = posted_ - spooled_;
    if (*lost_ > 0) {
        std::fprintf(stderr,
                     "velmor-test: %lld test records could not be written to the journal %s (%s) "
                     "and are lost\n",
                     static_cast<long long>(*lost_), qPrintable(spoolPath_),
                     qPrintable(troubles_[spoolTrouble].value_or(QString()).simplified()));
        std::fflush(stderr);
    }
    return *lost_;
}

void RecordWriter::post(Record record) {
    const std::lock_guard lock(mutex_);
    queue_.push_back(std::move(record));
    ++posted_;
}

std::vector<Record> RecordWriter::takeQueued() {
    std::vector<Record> taken;
    const std::lock_guard lock(mutex_);
    taken.swap(queue_);
    return taken;
}

std::variant<qint64, QString> RecordWriter::takeJournal(const QString& path) {
    std::variant<qint64, QString> taken;
    QMetaObject::invokeMethod(
        spooler_, [&] { taken = spooler_->take(path); }, Qt::BlockingQueuedConnection);
    return taken;
}

bool RecordWriter::drain(int timeoutMs) {
    const qint64 target = posted_;
    QElapsedTimer waited;
    waited.start();
    while (spooled_ < target || delivered_ < target) {
        if (waited.elapsed() > timeoutMs)
            return false;
        QThread::msleep(10);
    }
    return true;
}

std::optional<QString> RecordWriter::trouble() const {
    const std::lock_guard lock(mutex_);
    return troubles_[spoolTrouble] ? troubles_[spoolTrouble] : troubles_[storeTrouble];
}

void RecordWriter::reportTrouble(int source, const std::optional<QString>& reason) {
    std::optional<QString> before;
    std::optional<QString> after;
    bool notOnDisk = false;
    {
        const std::lock_guard lock(mutex_);
        before = troubles_[spoolTrouble] ? troubles_[spoolTrouble] : troubles_[storeTrouble];
        if (troubles_[source] == reason)
            return;
        troubles_[source] = reason;
        notOnDisk = troubles_[spoolTrouble].has_value();
        after = notOnDisk ? troubles_[spoolTrouble] : troubles_[storeTrouble];
    }
    if (before == after)
        return;
    // Said once per new reason, not once per attempt.
    if (after && notOnDisk)
        std::fprintf(stderr,
                     "velmor-test: test records cannot be written to the journal (%s); they are "
                     "held in memory only, tried again every %.1f s, and lost if the program "
                     "ends before they are written\n",
                     qPrintable(after->simplified()), spoolIntervalMs / 1000.0);
    else if (after)
        std::fprintf(stderr,
                     "velmor-test: test records not stored yet (%s); they wait in the journal %s "
                     "and are tried again every %d s\n",
                     qPrintable(after->simplified()), qPrintable(spoolPath_),
                     reconnectIntervalMs / 1000);
    else
        std::fprintf(stderr, "velmor-test: test records stored again\n");
    std::fflush(stderr);
    emit troubleChanged(after);
}

} // namespace velmor::results

#include "moc_RecordWriter.cpp"
