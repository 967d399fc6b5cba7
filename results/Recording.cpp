#include "Recording.h"
#include "Text.h"

#include "PrivateFiles.h"
#include "Spool.h"
#include "StoreChoice.h"

#include <QDir>
#include <QElapsedTimer>
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
    return start(std::get<StoreAddress>(chosen), port);
}

std::variant<std::unique_ptr<Recording>, QString> Recording::start(const StoreAddress& store,
                                                                   const QString& port) {
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
        // Its records would end the other program's open ones as abandoned: this one keeps none,
        // and its records are lost.
        std::fprintf(stderr, "velmor-test: %s\n",
                     qPrintable(Text::tr("another velmor-test of this user is recording into %1 "
                                         "(%2 is held): the test records of this one cannot be "
                                         "kept and are lost")
                                    .arg(addressText(store), lock->fileName())));
        std::unique_ptr<Recording> recording(new Recording(port));
        recording->store_ = store;
        recording->heldBy_ = lock->fileName();
        return recording;
    }
    QFile::setPermissions(lock->fileName(), privateFile);
    std::unique_ptr<Recording> recording(new Recording(port));
    recording->store_ = store;
    recording->writer_ = std::make_unique<RecordWriter>(store, spool);
    recording->lock_ = std::move(lock);
    return recording;
}

Recording::Recording(const QString& port)
    : recorder_(
          [this](Record record) {
              if (writer_)
                  writer_->post(std::move(record));
              else
                  ++lost_;
          },
          port) {}

Recording::~Recording() {
    finish();
}

void Recording::onTrouble(std::function<void(bool)> show) {
    if (!writer_)
        return show(false);
    QObject::connect(writer_.get(), &RecordWriter::troubleChanged, writer_.get(),
                     [show](const std::optional<QString>& reason) { show(bool(reason)); });
    show(bool(writer_->trouble()));
}

qint64 Recording::finish() {
    if (writer_)
        return writer_->finish();
    if (!lostAtEnd_) {
        lostAtEnd_ = lost_.load();
        if (*lostAtEnd_ > 0)
            std::fprintf(stderr, "velmor-test: %s\n",
                         qPrintable(Text::tr("%1 test records are lost: another velmor-test held "
                                             "the journal (%2)")
                                        .arg(*lostAtEnd_)
                                        .arg(heldBy_)));
        std::fflush(stderr);
    }
    return *lostAtEnd_;
}

namespace {

// How long a store in trouble is given to take a journal handed to it.
constexpr int deliverPatienceMs = 5000;

} // namespace

bool deliverJournal(const StoreAddress& store, const QString& journal) {
    const auto say = [](const QString& text) {
        std::fprintf(stderr, "velmor-results: %s\n", qPrintable(text));
        std::fflush(stderr);
    };
    if (QFileInfo::exists(journal) && QFileInfo(journal).canonicalFilePath() ==
                                          QFileInfo(journalPath(store)).canonicalFilePath()) {
        say(Text::tr("%1 is the journal of %2 already: its records go there whenever velmor-test "
                     "records into it")
                .arg(journal, addressText(store)));
        return false;
    }
    QLockFile held(journal + QStringLiteral(".lock"));
    if (!held.tryLock(0)) {
        say(Text::tr("%1 is in use: a velmor-test delivers it now (%2 is held)")
                .arg(journal, held.fileName()));
        return false;
    }
    auto started = Recording::start(store, QString());
    if (const auto* error = std::get_if<QString>(&started)) {
        say(*error);
        return false;
    }
    const auto& recording = std::get<std::unique_ptr<Recording>>(started);
    RecordWriter* writer = recording ? recording->writer() : nullptr;
    if (!writer) // recording off, or another program records into the store and said so
        return false;
    const auto taken = writer->takeJournal(journal);
    if (const auto* error = std::get_if<QString>(&taken)) {
        say(*error);
        return false;
    }
    // Until all are stored, or the store has been in trouble for a while.
    QElapsedTimer troubled;
    bool delivered = false;
    while (!(delivered = writer->drain(250))) {
        if (!writer->trouble())
            troubled.invalidate();
        else if (!troubled.isValid())
            troubled.start();
        else if (troubled.elapsed() > deliverPatienceMs)
            break;
    }
    if (delivered)
        say(Text::tr("%n test records of %1 are in %2", nullptr,
                     static_cast<int>(std::get<qint64>(taken)))
                .arg(journal, addressText(store)));
    return delivered;
}

} // namespace velmor::results
