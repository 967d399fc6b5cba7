#include "JournalRepair.h"

#include "Spool.h"
#include "Sql.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace velmor::results {

namespace {

// SQLite's primary result codes for a damaged file: SQLITE_CORRUPT, SQLITE_NOTADB.
bool isDamage(const QSqlError& error) {
    const int primary = error.nativeErrorCode().toInt() & 0xff;
    return primary == 11 || primary == 26;
}

// A connection to the file alone, without the pragmas a store gets: a damaged file may refuse
// them. Removed when it goes.
class Look {
public:
    explicit Look(const QString& path)
        : name_(QStringLiteral("velmor-look-") + QUuid::createUuid().toString(QUuid::Id128)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        db.open();
    }
    ~Look() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
};

constexpr int salvageBatch = 1000;
constexpr int stepsOverDamage = 40; // a skip doubled that often passes any seq there can be

} // namespace

std::optional<QString> journalDamage(const QString& path) {
    if (!QFileInfo::exists(path))
        return std::nullopt;
    // An empty file passes the check, but a journal has its tables from the moment it is made:
    // one emptied lost its entries.
    if (QFileInfo(path).size() == 0)
        return QCoreApplication::translate("results", "the file is empty: its entries are gone");
    std::optional<QString> damage;
    {
        Look look(path);
        QSqlDatabase db = look.db();
        if (!db.isOpen())
            return std::nullopt;
        QSqlQuery check(db);
        if (!check.exec(QStringLiteral("PRAGMA quick_check"))) {
            if (isDamage(check.lastError()))
                damage = check.lastError().text();
        } else {
            QStringList found;
            while (check.next())
                found << check.value(0).toString();
            if (check.lastError().isValid() && isDamage(check.lastError()))
                found << check.lastError().text();
            // Its first findings are enough to say what is wrong; a page torn apart gives hundreds.
            constexpr int shown = 200;
            const QString said = found.join(QStringLiteral("; ")).simplified();
            if (found != QStringList{QStringLiteral("ok")} && !found.isEmpty())
                damage = said.size() > shown ? said.left(shown) + QStringLiteral(" …") : said;
        }
    }
    return damage;
}

namespace {

QString utcStamp() {
    return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
}

bool taken(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// Renames the journal's files to the first free name of stem, stem-2, stem-3 …
std::variant<KeptAs, QString> renameJournal(const QString& path, const QString& stem) {
    QString keptAs = stem;
    for (int n = 2; taken(keptAs); ++n)
        keptAs = stem + QStringLiteral("-%1").arg(n);
    // The -wal file first: a journal renamed without the committed pages beside it loses them.
    for (const char* part : {"-wal", "-shm", ""}) {
        const QString from = path + QLatin1String(part);
        if (QFileInfo::exists(from) && !QFile::rename(from, keptAs + QLatin1String(part)))
            return QCoreApplication::translate("results", "%1 cannot be renamed to %2")
                .arg(from, keptAs + QLatin1String(part));
    }
    return KeptAs{keptAs};
}

} // namespace

std::variant<KeptAs, QString> setJournalAside(const QString& path, const char* why) {
    return renameJournal(path, path + QLatin1Char('.') + QLatin1String(why) + QLatin1Char('-') +
                                   utcStamp());
}

std::variant<KeptAs, QString> moveJournal(const QString& from, const QString& to) {
    return renameJournal(from, taken(to) ? to + QStringLiteral(".waiting-") + utcStamp() : to);
}

std::optional<JournalOf> journalOf(const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    Look look(path);
    QSqlQuery query(look.db());
    if (!query.exec(QStringLiteral("SELECT (SELECT address FROM destination), (SELECT count(*) "
                                   "FROM journal)")) ||
        !query.next() || query.isNull(0))
        return std::nullopt;
    return JournalOf{query.value(0).toString(), query.value(1).toLongLong()};
}

std::variant<Salvage, QString> salvageJournal(const QString& damagedPath, QSqlDatabase& journal) {
    Salvage salvage;
    std::vector<Record> records;
    std::vector<QByteArray> unreadable;
    std::vector<OpenRecord> open;
    {
        Look look(damagedPath);
        QSqlDatabase db = look.db();
        // Read in batches from after the last entry read; a damaged page ends a batch early, and
        // the next read starts further on each time until it finds entries again.
        qint64 after = 0;
        qint64 skip = 1;
        for (int misses = 0; misses < stepsOverDamage;) {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            query.prepare(QStringLiteral("SELECT seq, body FROM journal WHERE seq > ? ORDER BY "
                                         "seq LIMIT %1")
                              .arg(salvageBatch));
            query.addBindValue(after);
            bool readSome = false;
            if (query.exec())
                while (query.next()) {
                    after = query.value(0).toLongLong();
                    const QByteArray body = query.value(1).toByteArray();
                    auto record = readJournalEntry(body);
                    if (auto* r = std::get_if<Record>(&record))
                        records.push_back(std::move(*r));
                    else
                        unreadable.push_back(body);
                    readSome = true;
                }
            if (!query.lastError().isValid() && !readSome)
                break; // the end
            if (readSome) {
                skip = 1;
                misses = 0;
            } else {
                after += skip;
                skip *= 2;
                ++misses;
            }
        }
        QSqlQuery query(db);
        if (query.exec(QStringLiteral("SELECT id, sweep, last_at FROM open_records")))
            while (query.next())
                open.push_back({query.value(0).toString(),
                                static_cast<OpenKind>(query.value(1).toInt()),
                                query.value(2).toString()});
    }
    // Not one transaction: should this be cut short, the damaged journal is still kept.
    for (const OpenRecord& r : open)
        if (auto error = run(journal,
                             QStringLiteral("INSERT OR IGNORE INTO open_records VALUES "
                                            "(?, ?, ?)"),
                             {r.id, static_cast<int>(r.kind), r.lastAt}))
            return *error;
    // Spooled again as they were spooled first, so the open records follow them; an entry that
    // cannot be read is set aside with its reason when it comes to be delivered.
    if (auto error = spoolRecords(journal, records))
        return *error;
    for (const QByteArray& body : unreadable)
        if (auto error =
                run(journal, QStringLiteral("INSERT INTO journal (body) VALUES (?)"), {body}))
            return *error;
    salvage.entries = static_cast<qint64>(records.size() + unreadable.size());
    salvage.open = static_cast<qint64>(open.size());
    return salvage;
}

} // namespace velmor::results
