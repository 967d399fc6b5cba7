#pragma once

#include "OpenStore.h"
#include "Recorder.h"
#include "Schema.h"
#include "StoreAddress.h"
#include "StoreWrite.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velmor::testing {

// Stores the records into the store as the bench's writer does, its schema made first; why
// not.
inline std::optional<QString> storeAll(const results::StoreAddress& address,
                                       const std::vector<results::Record>& records) {
    using namespace results;
    const QString connection = QStringLiteral("fill-") + newRecordId();
    std::optional<QString> failed;
    {
        auto opened = openStore(address, connection);
        if (auto* error = std::get_if<QString>(&opened)) {
            failed = *error;
        } else {
            QSqlDatabase db = std::get<QSqlDatabase>(opened);
            if (auto error = prepareSchema(db))
                failed = error;
            else if (auto refused = storeRecords(db, records))
                failed = refused->reason;
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return failed;
}

// A store filled as benches fill it: sweeps of two models on two benches, a session, and one
// sweep whose texts are hostile markup and a path out of any folder.
inline std::optional<QString> fillStore(const results::StoreAddress& address) {
    using namespace results;
    const QDateTime base =
        QDateTime::fromString(QStringLiteral("2026-12-01T08:00:00.000Z"), Qt::ISODateWithMs);
    std::vector<Record> records;
    const auto at = [&](int day, int ms) {
        return base.addDays(day).addMSecs(ms).toString(Qt::ISODateWithMs);
    };
    // Sweep i: day i % 3, unit PSU-(i % 4), model ATX-500 or ATX-650, bench-1 or bench-2;
    // every third one fails (+5 V at 4.67 V, 6 % low).
    for (int i = 0; i < 60; ++i) {
        const QString id =
            QStringLiteral("aa%1-0000-4000-8000-000000000000").arg(i, 6, 10, QLatin1Char('0'));
        records.push_back(
            SweepBegan{id, at(i % 3, i * 1000), QStringLiteral("bench-%1").arg(1 + i % 2),
                       QStringLiteral("/dev/ttyS0"), 80, 80, 70, 693, 685, 1,
                       UnitIdentity{QStringLiteral("PSU-%1").arg(i % 4),
                                    i % 2 ? QStringLiteral("ATX-650") : QStringLiteral("ATX-500"),
                                    QStringLiteral("A. Petrov")}});
        // The first a whole map of 40 by 40 cells, drifting with the load.
        if (i == 0)
            for (int seq = 0; seq < 1600; ++seq)
                records.push_back(CellPainted{id, seq, at(0, 10 + seq / 4), seq / 40, seq % 40,
                                              128 - seq / 40, 128 - seq % 40, 128, seq / 40 / 6,
                                              seq % 40 / 7});
        for (int seq = 0; seq < (i == 0 ? 0 : 12); ++seq)
            records.push_back(CellPainted{id, seq, at(i % 3, i * 1000 + 10 + seq), seq / 4, seq % 4,
                                          i % 3 == 0 ? 85 : 128, 128, 128, i % 3 == 0 ? 6 : 0, 0});
        records.push_back(RecordEnded{id, true, at(i % 3, i * 1000 + 900), "completed"});
    }
    const QString session = QStringLiteral("bb000000-0000-4000-8000-000000000000");
    records.push_back(SessionBegan{session, at(1, 500), QStringLiteral("bench-3"),
                                   QStringLiteral("/dev/ttyUSB0"),
                                   UnitIdentity{QStringLiteral("PSU-9"), {}, {}}});
    for (int seq = 0; seq < 5; ++seq)
        records.push_back(
            TickRead{session, seq, at(1, 600 + seq), 65, 128, 128, 128, 20, 20, 10, 100, false});
    records.push_back(SessionEvent{session, 0, at(1, 603), QStringLiteral("overload-cut"),
                                   QStringLiteral("<i>+12 V 10.5 A</i>")});
    records.push_back(RecordEnded{session, false, at(1, 900), "switched-off"});
    const QString hostile = QStringLiteral("cc000000-0000-4000-8000-000000000000");
    records.push_back(
        SweepBegan{hostile, at(2, 100000), QStringLiteral("<b>bench</b>"),
                   QStringLiteral("/dev/ttyS0"), 80, 80, 70, 693, 685, 1,
                   UnitIdentity{QStringLiteral("<script>alert(1)</script>"),
                                QStringLiteral("\"><img src=x>"), QStringLiteral("O'Brien & Co")}});
    records.push_back(CellPainted{hostile, 0, at(2, 100010), 0, 0, 128, 128, 128, 0, 0});
    records.push_back(SweepSaved{hostile, QStringLiteral("../../escaped"),
                                 QStringLiteral("Graf/x.bmp"), QStringLiteral("Graf/x.csv"),
                                 QStringLiteral("Graf/x.txt")});
    records.push_back(RecordEnded{hostile, true, at(2, 100900), "completed"});
    return storeAll(address, records);
}

// One answer.
struct Answer {
    int status = 0;
    QByteArray headers;
    QByteArray body;
};

// velmor-results serve on a free loopback port of its own, stopped with the object.
class WebServer {
public:
    explicit WebServer(const QStringList& arguments) {
        process_.setProgram(QCoreApplication::applicationDirPath() +
                            QStringLiteral("/velmor-results"));
        process_.setArguments(QStringList{QStringLiteral("--language"), QStringLiteral("en"),
                                          QStringLiteral("serve")} +
                              arguments);
        process_.start();
        if (!process_.waitForReadyRead(20000))
            return;
        const QByteArray line = process_.readLine();
        const qsizetype at = line.indexOf("http://");
        if (at >= 0)
            url_ = QString::fromUtf8(line.mid(at).trimmed());
    }
    // Stopped as a service manager stops it: it ends by itself, with the signal's status, not by
    // a crash on the way out (its page threads' connections once outlived Qt's list of them).
    ~WebServer() {
        process_.terminate();
        process_.waitForFinished(10000);
        if (!url_.isEmpty()) {
            EXPECT_TRUE(process_.exitStatus() == QProcess::NormalExit &&
                        process_.exitCode() == 128 + SIGTERM)
                << "velmor-results serve ended with " << process_.exitCode()
                << (process_.exitStatus() == QProcess::CrashExit ? " (a crash)" : "");
        }
    }
    // "http://127.0.0.1:PORT/", empty when it did not start.
    const QString& url() const { return url_; }
    QProcess& process() { return process_; }

    // A plain socket connected to the server (the test links no Qt Network: its precompiled
    // header), waiting at most `patience` seconds for each read; -1 when it cannot connect.
    int connectToServer(int patience = 20) const {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(static_cast<quint16>(QUrl(url_).port()));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        timeval wait{patience, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to) != 0) {
            ::close(fd);
            return -1;
        }
        return fd;
    }

    // Sends the bytes on a connection of their own and reads until the server closes it (or
    // 20 s pass): the whole answer, headers and all.
    QByteArray exchange(const QByteArray& request) const {
        const int fd = connectToServer();
        QByteArray all;
        if (fd < 0)
            return all;
        if (::send(fd, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL) >=
            0) {
            char chunk[65536];
            for (ssize_t got; (got = ::recv(fd, chunk, sizeof chunk, 0)) > 0;)
                all.append(chunk, got);
        }
        ::close(fd);
        return all;
    }

    // One GET over a plain socket.
    Answer get(const QString& path, const QByteArray& extraHeaders = {}) const {
        Answer answer;
        const int fd = connectToServer();
        if (fd < 0)
            return answer;
        const QByteArray request = "GET " + path.toUtf8() + " HTTP/1.1\r\nHost: localhost\r\n" +
                                   extraHeaders + "Connection: close\r\n\r\n";
        if (::send(fd, request.constData(), static_cast<size_t>(request.size()), MSG_NOSIGNAL) <
            0) {
            ::close(fd);
            return answer;
        }
        QByteArray all;
        qsizetype end = -1;
        qsizetype length = -1;
        char chunk[65536];
        while (length < 0 || all.size() < end + 4 + length) {
            const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
            if (got <= 0)
                break;
            all.append(chunk, got);
            end = all.indexOf("\r\n\r\n");
            if (end >= 0 && length < 0)
                for (const QByteArray& line : all.left(end).split('\n'))
                    if (line.toLower().startsWith("content-length:"))
                        length = line.mid(15).trimmed().toLongLong();
        }
        ::close(fd);
        answer.headers = all.left(end);
        answer.body = all.mid(end + 4);
        answer.status = answer.headers.mid(9, 3).toInt();
        return answer;
    }

private:
    QProcess process_;
    QString url_;
};

} // namespace velmor::testing
