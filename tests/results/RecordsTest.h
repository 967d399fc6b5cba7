#pragma once

#include "OpenStore.h"
#include "PgServer.h"
#include "RecordWriter.h"
#include "Recorder.h"
#include "StoreAddress.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <sys/mount.h>
#include <unistd.h>

namespace velmor::testing {

// How long a test waits for records to be delivered.
constexpr int recordsPatienceMs = 30000;

inline results::SweepBegan sweepBegan(const QString& id) {
    return {id,
            results::recordTime(),
            QStringLiteral("bench-1"),
            QStringLiteral("/dev/ttyS0"),
            80,
            80,
            70,
            693,
            685,
            1.0};
}

inline results::CellPainted cell(const QString& id, int seq) {
    return {id, seq, results::recordTime(), seq / 40, seq % 40, 128, 128, 128, 0, 0};
}

// A home of the test's own: the user's data and configuration folders in a temporary folder,
// so the spool and the default store are the test's alone.
struct PrivateHome {
    PrivateHome() {
        qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    results::StoreAddress sqliteStore() const {
        return std::get<results::StoreAddress>(
            results::parseResultsUrl(QStringLiteral("sqlite:") + file("results.sqlite")));
    }
    QTemporaryDir dir;
};

// A tmpfs of 2 MiB of the test's own, as root; nothing otherwise.
struct SmallDisk {
    SmallDisk() {
        if (::geteuid() != 0 ||
            ::mount("tmpfs", qPrintable(dir.path()), "tmpfs", 0, "size=2m") != 0)
            return;
        mounted = true;
    }
    ~SmallDisk() {
        if (mounted)
            ::umount(qPrintable(dir.path()));
    }
    // Fills it until `room` bytes are left.
    void fill(qint64 room) const {
        QFile filler(dir.filePath("filler"));
        filler.open(QIODevice::WriteOnly);
        filler.write(QByteArray(2 * 1024 * 1024 - room, 'x'));
    }
    QTemporaryDir dir;
    bool mounted = false;
};

inline results::StoreAddress pgStore(const PgServer& server) {
    return std::get<results::StoreAddress>(results::parseResultsUrl(server.url()));
}

// Runs the work on a connection to the store of its own, closed after.
template <typename Work> void withStore(const results::StoreAddress& store, Work work) {
    const QString name = QStringLiteral("probe");
    {
        auto opened = results::openStore(store, name);
        if (auto* db = std::get_if<QSqlDatabase>(&opened)) {
            work(*db);
            db->close();
        } else {
            ADD_FAILURE() << std::get<QString>(opened).toStdString();
        }
    }
    QSqlDatabase::removeDatabase(name);
}

// Every row of every table of the store, ordered, as text: two stores holding the same records
// dump the same.
inline QString dump(const results::StoreAddress& store) {
    QString text;
    withStore(store, [&](QSqlDatabase& db) {
        for (const char* table :
             {"sweeps ORDER BY started_at", "sweep_cells ORDER BY sweep_id, seq",
              "sessions ORDER BY started_at", "session_ticks ORDER BY session_id, seq",
              "session_events ORDER BY session_id, seq"}) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(QStringLiteral("SELECT * FROM ") + QLatin1String(table)))
                << table;
            while (query.next()) {
                for (int i = 0; i < query.record().count(); ++i)
                    text += query.value(i).toString() + QLatin1Char('|');
                text += QLatin1Char('\n');
            }
        }
    });
    return text;
}

// What velmor-results answered: its status, output and errors.
struct Answer {
    int status = -1;
    QString out;
    QString err;
};

// velmor-results in English over the store.
inline Answer askResults(const QString& url, const QStringList& arguments) {
    QProcess program;
    program.start(QCoreApplication::applicationDirPath() + "/velmor-results",
                  QStringList{"--language", "en", "--results", url} + arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    return {program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

// The first value of a query's first row.
inline QVariant scalar(const results::StoreAddress& store, const QString& statement) {
    QVariant value;
    withStore(store, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (query.exec(statement) && query.next())
            value = query.value(0);
    });
    return value;
}

} // namespace velmor::testing
