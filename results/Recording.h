#pragma once

#include "RecordWriter.h"
#include "Recorder.h"

#include <QLockFile>

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
    // Nothing when recording is off (or another program records into the store); an error for a
    // results URL that cannot be used or a journal that cannot be locked.
    static std::variant<std::unique_ptr<Recording>, QString>
    start(const std::optional<QString>& resultsUrl, const QString& port);
    Recorder& recorder() { return recorder_; }
    RecordWriter& writer() { return writer_; }

    // Calls `show` now and on this thread whenever it changes: true while records are not being
    // stored, false once they are.
    void onTrouble(std::function<void(bool)> show);

    // Ends recording (RecordWriter::finish): the number of records lost.
    qint64 finish();

private:
    Recording(const StoreAddress& store, const QString& spoolPath, const QString& port);

    RecordWriter writer_;
    Recorder recorder_;
    std::unique_ptr<QLockFile> lock_;
};

// The words added to the window titles while records wait to be stored.
QString troubleNote();

} // namespace velmor::results
