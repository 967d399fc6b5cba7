// velmor-results serve as clients meet it over plain sockets: HEAD, methods, bodies, long heads,
// unfinished requests, the Host a page of another site would give, the number of connections,
// and stored texts far longer than the bench writes.
#include "PlanRuns.h"
#include "WebServer.h"

#include <QElapsedTimer>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace velmor::testing;

namespace {

struct ServedStore {
    ServedStore() {
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
        url = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("results.sqlite"));
        address = std::get<velmor::results::StoreAddress>(velmor::results::parseResultsUrl(url));
    }
    QTemporaryDir dir;
    QString url;
    velmor::results::StoreAddress address;
};

QByteArray lengthOf(const QByteArray& answer) {
    for (const QByteArray& line : answer.split('\n'))
        if (line.startsWith("Content-Length:"))
            return line.mid(15).trimmed();
    return {};
}

// Reads until the server closes the connection; the milliseconds that took.
qint64 closedAfter(int fd) {
    QElapsedTimer timer;
    timer.start();
    char chunk[4096];
    while (::recv(fd, chunk, sizeof chunk, 0) > 0) {
    }
    ::close(fd);
    return timer.elapsed();
}

} // namespace

TEST(WebHttpTest, AnswersAsClientsExpectAndNoClientHoldsTheView) {
    ServedStore store;
    ASSERT_EQ(fillStore(store.address), std::nullopt);
    WebServer server({QStringLiteral("--results"), store.url, QStringLiteral("--listen"),
                      QStringLiteral("127.0.0.1:0")});
    ASSERT_FALSE(server.url().isEmpty()) << server.process().readAllStandardError().toStdString();
    const QByteArray port = QByteArray::number(QUrl(server.url()).port());

    // A request that never ends holds nothing: the next ones are answered at once.
    const int unfinished = server.connectToServer();
    ASSERT_GE(unfinished, 0);
    ::send(unfinished, "GET / HTTP/1.1\r\nHost: local", 27, MSG_NOSIGNAL);
    QElapsedTimer timer;
    timer.start();
    const QByteArray head = server.exchange("HEAD / HTTP/1.1\r\nHost: localhost\r\n\r\n");
    const Answer get = server.get(QStringLiteral("/"));
    EXPECT_LT(timer.elapsed(), 3000);
    EXPECT_TRUE(head.startsWith("HTTP/1.1 200 OK\r\n")) << head.toStdString();
    EXPECT_TRUE(head.endsWith("\r\n\r\n")) << "a HEAD's headers are closed, and no body follows";
    EXPECT_EQ(lengthOf(head), QByteArray::number(get.body.size()));
    const qint64 dropped = closedAfter(unfinished);
    EXPECT_GT(dropped, 3000);
    EXPECT_LT(dropped, 8000) << "an unfinished request is dropped after a few seconds";

    // The view only reads: other methods and bodies are refused before any body is read.
    for (const QByteArray& request :
         {QByteArray("POST / HTTP/1.1\r\nHost: localhost\r\nContent-Length: 5\r\n\r\nhello"),
          QByteArray("DELETE /record/aa000000 HTTP/1.1\r\nHost: localhost\r\n\r\n")}) {
        const QByteArray answer = server.exchange(request);
        EXPECT_TRUE(answer.startsWith("HTTP/1.1 405 ")) << answer.toStdString();
        EXPECT_TRUE(answer.contains("\r\nAllow: GET, HEAD\r\n"));
    }
    EXPECT_TRUE(server
                    .exchange("GET / HTTP/1.1\r\nHost: localhost\r\nContent-Length: "
                              "1000000000\r\n\r\n")
                    .startsWith("HTTP/1.1 413 "));
    EXPECT_TRUE(server
                    .exchange("GET / HTTP/1.1\r\nHost: localhost\r\nX-Long: " +
                              QByteArray(20000, 'x') + "\r\n\r\n")
                    .startsWith("HTTP/1.1 431 "));
    EXPECT_TRUE(server.exchange("nonsense\r\n\r\n").startsWith("HTTP/1.1 400 "));

    // Without a token, only the names of the listening address: not a name of another site's
    // that resolves here.
    EXPECT_TRUE(server.exchange("GET / HTTP/1.1\r\nHost: attacker.example:" + port + "\r\n\r\n")
                    .startsWith("HTTP/1.1 421 "));
    EXPECT_TRUE(server.exchange("GET / HTTP/1.1\r\n\r\n").startsWith("HTTP/1.1 421 "));
    EXPECT_TRUE(server.exchange("GET / HTTP/1.1\r\nHost: 127.0.0.1:" + port + "\r\n\r\n")
                    .startsWith("HTTP/1.1 200 "));

    // So many connections at once, and not one more; those dropped free their places.
    std::vector<int> idle;
    for (int i = 0; i < 64; ++i)
        idle.push_back(server.connectToServer());
    EXPECT_EQ(server.get(QStringLiteral("/")).status, 0) << "a connection beyond the bound";
    for (const int fd : idle)
        closedAfter(fd);
    int status = 0;
    for (int attempt = 0; attempt < 50 && status != 200; ++attempt) {
        status = server.get(QStringLiteral("/")).status;
        if (status != 200)
            ::usleep(20000);
    }
    EXPECT_EQ(status, 200);
}

// Texts far longer than the bench writes, as a broken or hostile store holds them: the list,
// the record's page and the summary answer at once and name the record and the field.
TEST(WebHttpTest, HugeStoredTextsAreRefusedByName) {
    ServedStore store;
    ASSERT_EQ(fillRuns(store.address), std::nullopt);
    const QString run = QStringLiteral("ee000003-0000-4000-8000-000000000000");
    const QString step = QStringLiteral("ee000004-0000-4000-8000-000000000000");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "huge");
        db.setDatabaseName(store.address.path);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        // 20 million characters "x" and 10 million "y".
        ASSERT_TRUE(query.exec("UPDATE runs SET unit_serial = replace(hex(zeroblob(10000000)), "
                               "'0', 'x') WHERE id = '" +
                               run + "'"));
        ASSERT_TRUE(query.exec("UPDATE run_steps SET key_figure = replace(hex(zeroblob(5000000)), "
                               "'0', 'y') WHERE run_id = '" +
                               step + "'"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("huge"));
    WebServer server({QStringLiteral("--results"), store.url, QStringLiteral("--listen"),
                      QStringLiteral("127.0.0.1:0")});
    ASSERT_FALSE(server.url().isEmpty());
    QElapsedTimer timer;
    timer.start();
    const Answer list = server.get(QStringLiteral("/"));
    EXPECT_EQ(list.status, 200);
    EXPECT_TRUE(list.body.contains(run.toUtf8()) &&
                list.body.contains("unit_serial is longer than 64 characters"))
        << list.body.left(4000).toStdString();
    const Answer page = server.get(QStringLiteral("/record/") + step);
    EXPECT_EQ(page.status, 500);
    EXPECT_TRUE(page.body.contains("key_figure is longer than 1024 characters"));
    EXPECT_FALSE(page.body.contains("yyyy"));
    EXPECT_EQ(server.get(QStringLiteral("/summary")).status, 200);
    EXPECT_LT(timer.elapsed(), 5000);
}
