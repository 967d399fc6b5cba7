#include "Recording.h"
#include "Text.h"

#include "Spool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace velmor::results {

QString troubleNote() {
    return QCoreApplication::translate("results", " — записи ждут доставки");
}

std::variant<std::unique_ptr<Recording>, QString>
Recording::start(const std::optional<QString>& resultsUrl, const QString& port) {
    auto chosen = chooseStore(resultsUrl);
    if (const auto* error = std::get_if<QString>(&chosen))
        return *error;
    const StoreAddress& store = std::get<StoreAddress>(chosen);
    if (store.kind == StoreAddress::Kind::Off)
        return std::unique_ptr<Recording>();
    // One bench per journal: a second program of the same user recording into the same store
    // would end the first one's open records as abandoned.
    const QString spool = journalPath(store);
    const QString folder = QFileInfo(spool).absolutePath();
    // The user's data folder, readable by the user alone; an earlier program made it open to all.
    if (!makePrivateFolder(folder) ||
        !QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner))
        return Text::tr("%1: cannot create the folder for the journal of test records").arg(folder);
    auto lock = std::make_unique<QLockFile>(spool + QStringLiteral(".lock"));
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError && diskFull(folder))
            return Text::tr(
                       "the lock file %1 of the journal cannot be made: the disk holding %2 is "
                       "full; free some room there, or run with --results off")
                .arg(lock->fileName(), folder);
        if (lock->error() != QLockFile::LockFailedError)
            return Text::tr(
                       "the lock file %1 of the journal cannot be made; run with --results off "
                       "to go on without test records")
                .arg(lock->fileName());
        std::fprintf(stderr,
                     "velmor-test: test records are off: another velmor-test of this user is "
                     "recording into %s (%s is held)\n",
                     qPrintable(addressText(store)), qPrintable(lock->fileName()));
        return std::unique_ptr<Recording>();
    }
    QFile::setPermissions(lock->fileName(), privateFile);
    std::unique_ptr<Recording> recording(new Recording(store, spool, port));
    recording->lock_ = std::move(lock);
    return recording;
}

Recording::Recording(const StoreAddress& store, const QString& spoolPath, const QString& port)
    : writer_(store, spoolPath),
      recorder_([this](Record record) { writer_.post(std::move(record)); }, port) {}

void Recording::onTrouble(std::function<void(bool)> show) {
    QObject::connect(&writer_, &RecordWriter::troubleChanged, &writer_,
                     [show](const std::optional<QString>& reason) { show(bool(reason)); });
    show(bool(writer_.trouble()));
}

qint64 Recording::finish() {
    return writer_.finish();
}

} // namespace velmor::results
