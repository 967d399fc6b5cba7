#pragma once

#include "RecordWriter.h"
#include "Recorder.h"

#include <QLockFile>
#include <QObject>

#include <memory>
#include <optional>
#include <variant>

namespace velmor::results {

// The bench's recording as the program runs it: the store chosen from the command line or the
// configuration file, the writer, the recorder the windows use, and one line in every window's
// title while records are not being stored.
class Recording final : public QObject {
public:
    // Nothing when recording is off (or another program records into the store); an error for a
    // results URL that cannot be used or a journal that cannot be locked.
    static std::variant<std::unique_ptr<Recording>, QString>
    start(const std::optional<QString>& resultsUrl, const QString& port);
    ~Recording() override;

    Recorder& recorder() { return recorder_; }
    RecordWriter& writer() { return writer_; }

    // Ends recording (RecordWriter::finish): the number of records lost.
    qint64 finish();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Recording(const StoreAddress& store, const QString& spoolPath, const QString& port);
    void showTrouble(const std::optional<QString>& reason);
    void title(QWidget* window);

    RecordWriter writer_;
    Recorder recorder_;
    std::unique_ptr<QLockFile> lock_;
    QString note_; // what the titles end in now, or empty
};

// The words added to the window titles while records wait to be stored.
QString troubleNote();

} // namespace velmor::results
