#pragma once

#include "HttpFront.h"
#include "Reply.h"
#include "StoreAddress.h"

#include <QObject>
#include <QSqlDatabase>
#include <QThreadPool>

#include <chrono>
#include <functional>

namespace velmor::web {

// The work of the view's answers, off the thread that keeps the connections, so that no answer
// in the making holds another client: each on a thread of a pool with a store connection of
// that thread's own, opened read-only on its first work. Pictures and files, which take longest,
// have a pool apart from the pages. An answer not made within answerTime is answered 503 (the
// work goes on and its answer is dropped).
class PageWorkers final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds answerTime{30000};
    using Work = std::function<Reply(QSqlDatabase& db)>;

    explicit PageWorkers(results::StoreAddress store, QObject* parent = nullptr);
    ~PageWorkers() override;

    // Runs the work and answers with what it made; called on the connections' thread.
    void submit(bool file, Work work, const HttpFront::Respond& respond);

private:
    results::StoreAddress store_;
    QThreadPool pages_;
    QThreadPool files_;
};

} // namespace velmor::web
