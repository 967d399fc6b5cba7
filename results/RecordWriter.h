#pragma once

#include "Records.h"
#include "StoreAddress.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>
#include <mutex>
#include <variant>
#include <vector>

namespace velmor::results {

class Spooler;
class Deliverer;

// Takes records from the bench and keeps them: a spooler thread appends them to the local journal
// every 200 ms (so a crash loses at most that much), a delivery thread moves them from the journal
// into the store in order, in batches. Neither runs on the caller's thread; post() only queues.
// A store that is down or full delays delivery and loses nothing: the records wait in the
// journal and go when it is back. A record the store refuses for good (a constraint it breaks) is
// set aside in the journal, so those after it go on. Records a crash left open are ended as
// "abandoned" at start. The journal is the store's own (journalPath), so its records reach that
// store whatever a later run records into; one found damaged is set aside and salvaged, one that
// names another store is moved to that store's place and delivered there if it is there. The end
// waits for a store that does not answer 5 s at most; what is not stored then waits.
class RecordWriter final : public QObject {
    Q_OBJECT
public:
    RecordWriter(const StoreAddress& store, const QString& spoolPath, QObject* parent = nullptr);
    // Spools what is queued and delivers what it can in one last pass (finish).
    ~RecordWriter() override;

    // Spools what is queued, delivers what it can in one last pass and stops the threads;
    // the number of records posted that could not be written to the journal and are lost, which
    // stderr gives too. Nothing can be posted after.
    qint64 finish();

    // Thread-safe and cheap: the record joins a queue.
    void post(Record record);

    // Waits until everything posted so far is in the store; false on timeout.
    bool drain(int timeoutMs);

    // Moves the entries of another journal (one set aside for another store) into this one, to be
    // delivered with the rest, ends the records it left open as abandoned, and sets it aside as
    // taken; how many entries it moved, or why it could not. Meant for a writer nothing posts to.
    std::variant<qint64, QString> takeJournal(const QString& path);

    // Why records are not being stored, or nothing once they are.
    std::optional<QString> trouble() const;

signals:
    // Emitted on the writer's own thread when the trouble starts, changes or ends.
    void troubleChanged(const std::optional<QString>& reason);

private:
    friend class Spooler;
    friend class Deliverer;
    std::vector<Record> takeQueued();
    void reportTrouble(int source, const std::optional<QString>& reason);

    mutable std::mutex mutex_;
    std::vector<Record> queue_;
    std::optional<QString> troubles_[2]; // the spool's, the store's
    std::atomic<qint64> posted_{0};
    std::atomic<qint64> spooled_{0};
    std::atomic<qint64> delivered_{0};        // everything spooled up to this count is stored
    std::atomic<bool> spoolReady_{false};     // the journal exists, made by the spooler
    std::atomic<bool> journalSuspect_{false}; // the delivery thread failed on the journal
    std::atomic<int> journalGeneration_{0};   // counts the damaged journals set aside
    QString spoolPath_;
    std::optional<qint64> lost_; // once finished

    QThread spoolThread_;
    QThread deliveryThread_;
    Spooler* spooler_;
    Deliverer* deliverer_;
};

} // namespace velmor::results
