#pragma once

#include "RecordWriter.h"
#include "Recorder.h"
#include "StoreAddress.h"

#include <QLockFile>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

namespace velmor::results {

// The bench's recording as the program runs it: the store chosen from the command line or the
// configuration file, the writer and the recorder the windows use. While records are not being
// stored the writer says so (RecordWriter::troubleChanged), and the windows' titles end in
// troubleNote().
class Recording final {
public:
    // Nothing when recording is off; an error for a results URL that cannot be used or a journal
    // that cannot be locked. While another program records into the store (its journal is
    // locked), a recording that keeps nothing and counts every record as lost.
    static std::variant<std::unique_ptr<Recording>, QString>
    start(const std::optional<QString>& resultsUrl, const QString& port);
    static std::variant<std::unique_ptr<Recording>, QString> start(const StoreAddress& store,
                                                                   const QString& port);
    ~Recording();
    Recorder& recorder() { return recorder_; }
    // The store it records into.
    const StoreAddress& store() const { return store_; }
    // The writer; none while another program records into the store.
    RecordWriter* writer() { return writer_.get(); }

    // Calls `show` now and on this thread whenever it changes: true while records are not being
    // stored, false once they are.
    void onTrouble(std::function<void(bool)> show);

    // Ends recording (RecordWriter::finish): the number of records lost, which stderr gives.
    qint64 finish();

private:
    explicit Recording(const QString& port);

    StoreAddress store_;
    std::unique_ptr<RecordWriter> writer_;
    Recorder recorder_;
    std::unique_ptr<QLockFile> lock_;
    QString heldBy_;              // the journal's lock another program holds
    std::atomic<qint64> lost_{0}; // records posted while it does
    std::optional<qint64> lostAtEnd_;
};

// Hands the entries of the journal at the path (one kept for another store) to the store, through
// the store's own journal, and sets it aside; says on stderr what it did. True once they are all
// in the store.
bool deliverJournal(const StoreAddress& store, const QString& journal);

// The words added to the window titles while records wait to be stored.
QString troubleNote();

} // namespace velmor::results
