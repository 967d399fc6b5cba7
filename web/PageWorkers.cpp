#include "PageWorkers.h"
#include "WebText.h"

#include "ReadOnlyStore.h"

#include <QThread>
#include <QThreadStorage>
#include <QTimer>

namespace velmor::web {

namespace {

// A pool thread's own connection, closed as the thread ends. Kept in a QThreadStorage, whose data
// goes before the pool's wait for its threads returns: a thread_local's destructor runs after
// that, and at the program's exit it raced the end of Qt's list of connections (a crash in one
// stop of about twenty).
struct ThreadStore {
    QString name;
    ~ThreadStore() {
        if (name.isEmpty())
            return;
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
};

ThreadStore& threadStoreOfThisThread() {
    static QThreadStorage<ThreadStore*> stores;
    if (!stores.hasLocalData())
        stores.setLocalData(new ThreadStore);
    return *stores.localData();
}

std::variant<QSqlDatabase, QString> storeOfThisThread(const results::StoreAddress& store) {
    ThreadStore& threadStore = threadStoreOfThisThread();
    if (!threadStore.name.isEmpty()) {
        if (QSqlDatabase db = QSqlDatabase::database(threadStore.name, false); db.isOpen())
            return db;
        QSqlDatabase::removeDatabase(threadStore.name);
        threadStore.name.clear();
    }
    const QString name = QStringLiteral("velmor-results-serve-%1")
                             .arg(reinterpret_cast<quintptr>(QThread::currentThread()));
    auto opened = results::openReadOnly(store, name);
    if (std::holds_alternative<QSqlDatabase>(opened))
        threadStore.name = name;
    else
        QSqlDatabase::removeDatabase(name);
    return opened;
}

} // namespace

PageWorkers::PageWorkers(results::StoreAddress store, QObject* parent)
    : QObject(parent), store_(std::move(store)) {
    for (QThreadPool* pool : {&pages_, &files_}) {
        pool->setMaxThreadCount(2);
        pool->setExpiryTimeout(-1); // a thread keeps its connection
    }
}

PageWorkers::~PageWorkers() {
    pages_.waitForDone();
    files_.waitForDone();
}

void PageWorkers::submit(bool file, Work work, const HttpFront::Respond& respond) {
    QTimer::singleShot(answerTime, this, [respond] {
        respond(failure(
            503, WebText::tr("the answer took longer than %1 s")
                     .arg(std::chrono::duration_cast<std::chrono::seconds>(answerTime).count())));
    });
    (file ? files_ : pages_).start([this, work = std::move(work), respond] {
        auto db = storeOfThisThread(store_);
        const Reply reply = std::holds_alternative<QSqlDatabase>(db)
                                ? work(std::get<QSqlDatabase>(db))
                                : failure(500, std::get<QString>(db));
        QMetaObject::invokeMethod(
            this, [respond, reply] { respond(reply); }, Qt::QueuedConnection);
    });
}

} // namespace velmor::web

#include "moc_PageWorkers.cpp"
