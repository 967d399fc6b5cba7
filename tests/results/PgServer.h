#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <signal.h>
#include <unistd.h>

#include <optional>

namespace velmor::testing {

// A throw-away PostgreSQL 15 server of the test's own: its data and its Unix socket in a
// temporary folder, no TCP at all, run as the postgres user when the test runs as root (the
// server refuses root). Stopped and removed with the object. A throw-away cluster is never
// flushed to the disk: neither initdb nor the server waits for fsync, which is most of their time
// on a busy machine. The cluster is a copy of the tree's template, which ctest's fixture makes
// before the cases (results/postgres-template.cmake), or the first case that finds none.
class PgServer {
public:
    static constexpr int port = 5433; // names the socket file in the private folder only

    PgServer() {
        if (geteuid() == 0)
            QProcess::execute(QStringLiteral("chown"), {QStringLiteral("postgres"), dir_.path()});
    }
    ~PgServer() { stop(); }

    // Creates the cluster on the first call; the error when it cannot.
    std::optional<QString> start() {
        if (!QFile::exists(dataDir()))
            if (auto error = copyTemplate())
                return error;
        return pg(QStringLiteral("pg_ctl"),
                  {QStringLiteral("-D"), dataDir(), QStringLiteral("-o"),
                   QStringLiteral("-k %1 -c listen_addresses='' -p %2 -c fsync=off "
                                  "-c synchronous_commit=off -c full_page_writes=off")
                       .arg(dir_.path())
                       .arg(port),
                   QStringLiteral("-l"), dir_.filePath(QStringLiteral("log")), QStringLiteral("-w"),
                   QStringLiteral("start")});
    }

    void stop() {
        if (QFile::exists(dataDir() + QStringLiteral("/postmaster.pid")))
            pg(QStringLiteral("pg_ctl"),
               {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"), QStringLiteral("fast"),
                QStringLiteral("-w"), QStringLiteral("stop")});
    }

    // Sends the signal to the server and each of its processes: SIGSTOP freezes it as a hung
    // machine would, SIGCONT lets it go on.
    void signalAll(int signal) const {
        QFile pidFile(dataDir() + QStringLiteral("/postmaster.pid"));
        if (!pidFile.open(QIODevice::ReadOnly))
            return;
        const pid_t postmaster = pidFile.readLine().trimmed().toInt();
        ::kill(postmaster, signal);
        for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = stat.readAll();
            // After the name in parentheses: the state, then the parent's pid.
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields[1].toInt() == postmaster)
                ::kill(entry.toInt(), signal);
        }
    }

    // Runs SQL through psql as the bench user; the error when it fails.
    std::optional<QString> sql(const QString& statement) {
        return pg(QStringLiteral("psql"),
                  {QStringLiteral("-h"), dir_.path(), QStringLiteral("-p"), QString::number(port),
                   QStringLiteral("-U"), QStringLiteral("bench"), QStringLiteral("-d"),
                   QStringLiteral("postgres"), QStringLiteral("-v"),
                   QStringLiteral("ON_ERROR_STOP=1"),
                   // so that a read-only database can be made writable again
                   QStringLiteral("-c"), QStringLiteral("SET default_transaction_read_only = off"),
                   QStringLiteral("-c"), statement});
    }

    QString url() const {
        return QStringLiteral("postgresql://bench@localhost:%1/postgres?host=%2")
            .arg(port)
            .arg(dir_.path());
    }

private:
    QString dataDir() const { return dir_.filePath(QStringLiteral("data")); }

    std::optional<QString> copyTemplate() {
        const QString cluster = QStringLiteral(VELMOR_PG_TEMPLATE);
        if (!QFile::exists(cluster + QStringLiteral("/PG_VERSION")))
            if (auto error =
                    run(QStringLiteral("the template cluster"), QStringLiteral(VELMOR_CMAKE),
                        {QStringLiteral("-DTEMPLATE=") + cluster, QStringLiteral("-P"),
                         QStringLiteral(VELMOR_PG_TEMPLATE_SCRIPT)}))
                return error;
        if (!QFile::exists(cluster + QStringLiteral("/PG_VERSION")))
            return QStringLiteral("no template cluster: PostgreSQL 15's initdb is not installed");
        // As root too, the copy keeps its owner.
        return run(QStringLiteral("cp"), QStringLiteral("cp"),
                   {QStringLiteral("-a"), cluster, dataDir()});
    }

    // Runs one of the server's tools, as the postgres user when the test runs as root.
    std::optional<QString> pg(const QString& tool, const QStringList& arguments) {
        const QString program = QStringLiteral("/usr/lib/postgresql/15/bin/") + tool;
        if (geteuid() == 0)
            return run(tool, QStringLiteral("runuser"),
                       QStringList{QStringLiteral("-u"), QStringLiteral("postgres"),
                                   QStringLiteral("--"), program} +
                           arguments);
        return run(tool, program, arguments);
    }

    // Runs a program; the error, named after what it does, when it fails.
    std::optional<QString> run(const QString& name, const QString& program,
                               const QStringList& arguments) {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0)
            return QStringLiteral("%1 failed: %2%3")
                .arg(name, QString::fromLocal8Bit(process.readAllStandardError()),
                     process.errorString());
        return std::nullopt;
    }

    QTemporaryDir dir_;
};

} // namespace velmor::testing
