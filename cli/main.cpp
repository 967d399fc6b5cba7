// velmor-results: reads the test records the bench keeps.
#include "CalibrationText.h"
#include "Commands.h"
#include "History.h"
#include "Language.h"
#include "ListText.h"
#include "MeasurementCsv.h"
#include "Outcome.h"
#include "Printable.h"
#include "ReadOnlyStore.h"
#include "RecordFind.h"
#include "RecordList.h"
#include "Recording.h"
#include "Repeatability.h"
#include "RunCommands.h"
#include "RunReportOf.h"
#include "RunSelection.h"
#include "Schema.h"
#include "Serve.h"
#include "SessionRead.h"
#include "Sql.h"
#include "StoreAddress.h"
#include "StoreChoice.h"
#include "SweepRead.h"
#include "Table.h"
#include "Text.h"
#include "Verdict.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

using namespace velmor::results;

namespace {

// The commands, each with what follows its name; the help is made from this table and from the
// parser's options, so that neither can say what the program does not take.
struct Command {
    const char* name;
    const char* synopsis;
    int ids; // the arguments after the name
    const char* description;
};
const Command commands[] = {
    {"list",
     "list [--limit N | --all] [--since DATE] [--name TEXT] [--verdict V]\n"
     "     [--kind sweep|session|run] [--unit SERIAL] [--model NAME]",
     0,
     "the newest 50 records (or N, or all), a line each, and how many more; V is pass, fail, "
     "none (judged nothing), incomplete, or a run's marginal, error, aborted; --name matches "
     "names and plans"},
    {"history", "history SERIAL", 1,
     "a unit's newest 50 (--limit N, --all), oldest first, with figures"},
    {"show", "show ID", 1,
     "a record's bench, unit, times and verdict; a sweep's worst cells, a session's "
     "voltages, a run's steps, measurements; a calibration"},
    {"calibrations", "calibrations", 0, "the unit's calibrations, newest first"},
    {"export", "export ID --to DIR [--format json|junit]", 1,
     "a sweep's saved files, a session's CSV, a run's JSON or JUnit XML"},
    {"export", "export --format csv [--measurements] --to DIR [list's filters]", 0,
     "runs.csv, a line per run list shows; --measurements: measurements.csv, a line per "
     "measurement, for spreadsheets"},
    {"repeatability", "repeatability --unit SERIAL --plan NAME", 0,
     "%GRR of each measurement of one unit's completed runs of a plan"},
    {"report", "report ID [--to DIR]", 1,
     "the record's PDF report: map, voltages over time or a run's steps"},
    {"compare", "compare ID1 ID2 [--to DIR]", 2,
     "two sweeps cell by cell, a difference map (BMP) in DIR"},
    {"deliver", "deliver JOURNAL", 1, "delivers a journal kept for another store to this one"},
    {"serve", "serve [--listen ADDRESS:PORT] [--token-file FILE] [--models FILE]", 0,
     "the records' read-only web view (default 127.0.0.1:8080); off loopback only with "
     "--token-file (0600); --models: golden units"},
};

// text in lines of at most width characters, each after indent blanks.
QString wrapped(const QString& text, int indent, int width = 92) {
    QString out;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > width) {
            out += QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + QString(indent, QLatin1Char(' ')) + line + QLatin1Char('\n');
}

// An entry of the help: the name, and the description beside it or, where the name is long,
// below it.
QString entry(const QString& name, const QString& description) {
    constexpr int column = 26;
    const QString text = wrapped(description, column);
    if (name.contains(QLatin1Char('\n')) || name.size() + 4 > column)
        return QStringLiteral("  ") + name + QLatin1Char('\n') + text;
    return QStringLiteral("  ") + name.leftJustified(column - 2) + text.mid(column);
}

QString usageText(const QList<QCommandLineOption>& options) {
    QString text = QStringLiteral(
        "Usage: velmor-results [--results URL] COMMAND ...\n\n"
        "Reads the test records of velmor-test: every sweep of the graph window, every\n"
        "switched-on session of the manual window and every run of a test plan.\n\nCommands:\n");
    for (const Command& c : commands)
        text += entry(
            QString::fromLatin1(c.synopsis).replace(QLatin1Char('\n'), QStringLiteral("\n  ")),
            QString::fromLatin1(c.description));
    text += QStringLiteral(
        "\nID is a record's id or its first characters (at least 4), as list shows them. Times "
        "are\nshown in local time with their offset from UTC. Control characters in stored "
        "texts are\nshown escaped (\\n, \\x1b).\n\nOptions:\n");
    for (const QCommandLineOption& o : options) {
        if (o.description().isEmpty())
            continue; // a command's own, shown with it
        QStringList names;
        for (const QString& n : o.names())
            names << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        text += entry(names.join(QStringLiteral(", ")) +
                          (o.valueName().isEmpty() ? QString() : QLatin1Char(' ') + o.valueName()),
                      o.description());
    }
    return text;
}

// Why a command line names no command it knows, or not as the command takes it; nothing when it
// does.
std::optional<QString> usageRefused(const QString& command, const Command* known, qsizetype ids,
                                    bool toGiven, const QString& format) {
    if (known == std::end(commands)) {
        QStringList names;
        for (const Command& c : commands)
            if (!names.contains(QLatin1String(c.name)))
                names << QString::fromLatin1(c.name);
        return Text::tr("no command \"%1\"; the commands are %2")
            .arg(command, names.join(QStringLiteral(", ")));
    }
    // export over a selection takes no id.
    const int wanted =
        command == QLatin1String("export") && format == QLatin1String("csv") ? 0 : known->ids;
    if (ids != wanted)
        return Text::tr("ids after %1: %2 given, %3 wanted").arg(command).arg(ids).arg(wanted);
    if (command == QLatin1String("export") && !toGiven)
        return Text::tr("export needs --to DIR, the folder to write into");
    return std::nullopt;
}

int fail(const QString& message) {
    std::fprintf(stderr, "velmor-results: %s\n", qPrintable(printable(message)));
    return 1;
}

int print(const QString& text) {
    // A piece at a time: a list of 10,000 records is megabytes, and one conversion of it all
    // would be a second copy the size of the first. A piece never ends between the two halves
    // of a character outside the Basic Multilingual Plane.
    constexpr qsizetype piece = 16384;
    for (qsizetype at = 0; at < text.size();) {
        qsizetype size = std::min(piece, text.size() - at);
        if (at + size < text.size() && text.at(at + size - 1).isHighSurrogate())
            ++size;
        const QByteArray bytes = QStringView(text).sliced(at, size).toLocal8Bit();
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        at += size;
    }
    return 0;
}

template <typename T> const T* valueOf(const std::variant<T, QString>& v, int* exitCode) {
    if (const auto* error = std::get_if<QString>(&v)) {
        *exitCode = fail(*error);
        return nullptr;
    }
    return &std::get<T>(v);
}

} // namespace

int main(int argc, char** argv) {
    // Drawing maps needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // With TZ unset, the C library looks at /etc/localtime again for every time it turns local:
    // two file look-ups per record listed, a third of a list of 10,000. Named once, it reads it
    // once; the times shown are the same.
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("this text"));
    const QCommandLineOption results(
        QStringLiteral("results"),
        QStringLiteral("postgresql://user@host:port/database, sqlite:/path/file.sqlite; default: "
                       "\"results\" in ~/.config/velmor-test/velmor-test.conf, else "
                       "~/.local/share/velmor-test/results.sqlite"),
        QStringLiteral("URL"));
    const QCommandLineOption since(QStringLiteral("since"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption name(QStringLiteral("name"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption verdict(QStringLiteral("verdict"), QString(), QStringLiteral("V"));
    const QCommandLineOption kind(QStringLiteral("kind"), QString(), QStringLiteral("KIND"));
    const QCommandLineOption limit(QStringLiteral("limit"), QString(), QStringLiteral("N"));
    const QCommandLineOption all(QStringLiteral("all"), QString());
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption unit(QStringLiteral("unit"), QString(), QStringLiteral("SERIAL"));
    const QCommandLineOption model(QStringLiteral("model"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption listen(QStringLiteral("listen"), QString(),
                                    QStringLiteral("ADDRESS:PORT"),
                                    QStringLiteral("127.0.0.1:8080"));
    const QCommandLineOption tokenFile(QStringLiteral("token-file"), QString(),
                                       QStringLiteral("FILE"));
    const QCommandLineOption modelsFile(QStringLiteral("models"), QString(),
                                        QStringLiteral("FILE"));
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption measurements(QStringLiteral("measurements"), QString());
    const QCommandLineOption plan(QStringLiteral("plan"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QStringLiteral("messages and reports: ru, or en where LC_ALL, LC_MESSAGES or LANG "
                       "starts with \"en\"; this text is English"),
        QStringLiteral("ru|en"));
    const QList<QCommandLineOption> options{
        languageOption, results, since,  name,      verdict,    kind,   limit,        all,  to,
        unit,           model,   listen, tokenFile, modelsFile, format, measurements, plan, help};
    parser.addOptions(options);
    const QString usage = usageText(options);

    // Only the commands that draw a map or a page need the graphical application, with its
    // platform plugin and fonts; the others start faster without, and where no display plugin
    // would start at all (over ssh). The command is looked up before the application exists and
    // parsed again below, so that a refusal comes in the messages' language.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    parser.parse(raw);
    const QStringList early = parser.positionalArguments();
    const bool draws =
        !early.isEmpty() &&
        (early.first() == QLatin1String("export") || early.first() == QLatin1String("report") ||
         early.first() == QLatin1String("compare") || early.first() == QLatin1String("serve"));
    const std::unique_ptr<QCoreApplication> app =
        draws ? std::make_unique<QGuiApplication>(argc, argv)
              : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmor-test")); // its data and config
    // Russian unless the locale or --language says English; Qt's own texts follow, so that a
    // file's reason for a failed write reads in the same language as the sentence around it.
    const velmor::Language language = velmor::chosenLanguage(QCoreApplication::arguments());
    velmor::useProgramTexts(*app, language, false);
    if (language == velmor::Language::Russian)
        velmor::useRussianQtTexts(*app);

    if (!parser.parse(QCoreApplication::arguments())) {
        fail(parser.errorText());
        return 2;
    }
    if (parser.isSet(languageOption) && !velmor::isLanguageName(parser.value(languageOption))) {
        fail(velmor::languageRefused(parser.value(languageOption)));
        return 2;
    }
    const QStringList args = parser.positionalArguments();
    if (parser.isSet(help) || args.isEmpty()) {
        std::fputs(qPrintable(usage), args.isEmpty() && !parser.isSet(help) ? stderr : stdout);
        return parser.isSet(help) ? 0 : 2;
    }
    const QString command = args.first();
    const auto known =
        std::find_if(std::begin(commands), std::end(commands),
                     [&](const Command& c) { return command == QLatin1String(c.name); });
    if (const auto reason =
            usageRefused(command, known, args.size() - 1, parser.isSet(to), parser.value(format))) {
        fail(*reason);
        std::fprintf(stderr, "Usage: velmor-results [--results URL] %s\n%s\n",
                     known == std::end(commands) ? "COMMAND ..." : known->synopsis,
                     "(velmor-results --help lists the commands and options)");
        return 2;
    }
    int exitCode = 0;
    const auto chosen = chooseStore(
        parser.isSet(results) ? std::optional<QString>(parser.value(results)) : std::nullopt);
    const StoreAddress* store = valueOf(chosen, &exitCode);
    if (!store)
        return exitCode;
    if (store->kind == StoreAddress::Kind::Off)
        return fail(Text::tr("recording is off: there are no records to read"));
    if (command == QLatin1String("deliver")) // the one command that writes, as velmor-test does
        return deliverJournal(*store, args[1]) ? 0 : 1;
    if (store->kind == StoreAddress::Kind::SQLite && !QFile::exists(store->path))
        return fail(Text::tr("%1: no records yet").arg(store->path));
    if (command == QLatin1String("serve")) // opens the store read-only itself
        return serveRecords(*store, parser.value(listen), parser.value(tokenFile),
                            parser.isSet(modelsFile) ? parser.value(modelsFile) : modelsFilePath());
    // Read as serve reads it: a store on a read-only mount, or in another journal mode, is read
    // as it is.
    auto opened = openReadOnly(*store, QStringLiteral("velmor-results"));
    QSqlDatabase* db = const_cast<QSqlDatabase*>(valueOf(opened, &exitCode));
    if (!db)
        return exitCode;
    const qint64 stored = storedSchemaVersion(*db);
    if (stored < 0 || stored > schemaVersion)
        return fail(unknownSchemaRefused(*db, stored));
    const auto version = static_cast<int>(stored);
    if (version < oldestReadableVersion)
        return fail(Text::tr("%1 holds no velmor-test records").arg(describe(*db)));
    if (version < schemaVersion)
        std::fprintf(stderr, "velmor-results: %s\n",
                     qPrintable(printable(
                         Text::tr("%1 has schema version %2 of an older velmor-test; it is read as "
                                  "it is. velmor-test brings it up to date (version %3) the next "
                                  "time it records into it.")
                             .arg(describe(*db))
                             .arg(version)
                             .arg(schemaVersion))));

    // The records list shows, as its options choose them.
    ListFilter filter{QString(),          parser.value(name), parser.value(verdict),
                      parser.value(kind), parser.value(unit), parser.value(model)};
    if (!filter.verdict.isEmpty() && !velmor::verdictNamed(filter.verdict) &&
        !velmor::parseOutcome(filter.verdict))
        return fail(Text::tr("--verdict takes pass, marginal, fail, none, incomplete, error or "
                             "aborted"));
    if (!filter.kind.isEmpty() && !QStringList{"sweep", "session", "run"}.contains(filter.kind))
        return fail(Text::tr("--kind takes sweep, session or run"));
    if (parser.isSet(since)) {
        const QDate date = QDate::fromString(parser.value(since), Qt::ISODate);
        if (!date.isValid())
            return fail(Text::tr("--since takes a date as YYYY-MM-DD"));
        filter.since = date.toString(Qt::ISODate);
    }
    const QString exportFormat = parser.value(format);
    if (parser.isSet(format) && (command != QLatin1String("export") ||
                                 !QStringList{"json", "junit", "csv"}.contains(exportFormat)))
        return fail(Text::tr("--format goes with export and takes json, junit or csv"));

    if (parser.isSet(measurements) && exportFormat != QLatin1String("csv"))
        return fail(Text::tr("--measurements goes with export --format csv"));
    if ((parser.isSet(limit) || parser.isSet(all)) && command != QLatin1String("list") &&
        command != QLatin1String("history"))
        return fail(Text::tr("--limit and --all go with list and history"));
    if (parser.isSet(limit) && parser.isSet(all))
        return fail(Text::tr("--limit and --all: give one of them"));
    constexpr int newestShown = 50;
    filter.first = parser.isSet(all) ? 0 : newestShown;
    filter.countRest = true; // the list says how many more there are
    if (parser.isSet(limit)) {
        bool number = false;
        filter.first = parser.value(limit).toInt(&number);
        if (!number || filter.first < 1)
            return fail(Text::tr("--limit takes a number of records, 1 or more"));
    }

    if (command == QLatin1String("list")) {
        ListText table;
        // Every record straight into the table as the server sends it; the newest few sorted
        // and cut first.
        const auto listed = listRecords(
            *db, version, filter,
            filter.first > 0 ? std::function<void(Listed &&)>()
                             : [&](Listed&& record) { table.add(record); });
        const auto* listing = valueOf(listed, &exitCode);
        if (!listing)
            return exitCode;
        for (const Listed& record : listing->records)
            table.add(record);
        print(table.text(listing->unread));
        // The records that could be read are listed; each refused one is named, and the status
        // says the list is not whole.
        for (const QString& refused : listing->refused)
            exitCode = fail(refused);
        return exitCode;
    }

    if (command == QLatin1String("calibrations")) {
        const auto calibrations = readCalibrations(*db);
        const auto* list = valueOf(calibrations, &exitCode);
        return list ? print(calibrationsText(*list)) : exitCode;
    }
    if (command == QLatin1String("show")) {
        const auto calibration = findCalibration(*db, args.at(1));
        const auto* found = valueOf(calibration, &exitCode);
        if (!found)
            return exitCode;
        if (*found)
            return print(calibrationText(**found));
    }

    if (command == QLatin1String("history")) {
        const auto history = unitHistory(*db, version, args.at(1), filter.first);
        const auto* text = valueOf(history, &exitCode);
        return text ? print(text->text) : exitCode;
    }
    if (command == QLatin1String("repeatability")) {
        if (!parser.isSet(unit) || !parser.isSet(plan))
            return fail(Text::tr("repeatability takes --unit SERIAL and --plan NAME"));
        const auto found = repeatability(*db, version, parser.value(unit), parser.value(plan));
        const auto* r = valueOf(found, &exitCode);
        if (!r)
            return exitCode;
        print(repeatabilityText(*r));
        for (const QString& refused : r->refused)
            exitCode = fail(refused);
        return exitCode;
    }
    const QString folder = parser.isSet(to) ? parser.value(to) : QStringLiteral(".");
    const auto written = [&](const std::variant<QStringList, QString>& files) {
        const auto* list = valueOf(files, &exitCode);
        return list ? print(list->join(QLatin1Char('\n')) + QLatin1Char('\n')) : exitCode;
    };
    if (parser.isSet(measurements)) {
        const auto rows = measurementsCsv(*db, version, filter);
        const auto* csv = valueOf(rows, &exitCode);
        if (!csv)
            return exitCode;
        // The measurements that could be read are written; each refused one is named.
        const int status = written(exportMeasurements(*csv, folder));
        for (const QString& refused : csv->refused)
            fail(refused);
        return csv->refused.isEmpty() ? status : 1;
    }
    if (command == QLatin1String("export") && exportFormat == QLatin1String("csv")) {
        const auto selected = selectRuns(*db, version, filter);
        const auto* selection = valueOf(selected, &exitCode);
        if (!selection)
            return exitCode;
        // The runs that could be read are written; each refused one is named.
        const int status = written(exportRuns(selection->runs, folder));
        for (const QString& refused : selection->refused)
            fail(refused);
        return selection->refused.isEmpty() ? status : 1;
    }

    std::vector<FoundRecord> ids;
    for (const QString& prefix : args.mid(1)) {
        const auto found = findRecord(*db, prefix);
        const auto* id = valueOf(found, &exitCode);
        if (!id)
            return exitCode;
        ids.push_back(*id);
    }
    const QString id = ids.front().id;
    const RecordKind recordKind = ids.front().kind;
    if (command == QLatin1String("compare")) {
        if (recordKind != RecordKind::Sweep || ids.back().kind != RecordKind::Sweep)
            return fail(Text::tr("compare takes two sweeps"));
        const auto a = loadSweep(*db, version, id);
        const auto b = loadSweep(*db, version, ids.back().id);
        const auto* first = valueOf(a, &exitCode);
        const auto* second = first ? valueOf(b, &exitCode) : nullptr;
        if (!second)
            return exitCode;
        const auto compared = compareSweeps(*first, *second, folder);
        const auto* text = valueOf(compared, &exitCode);
        return text ? print(text->text) : exitCode;
    }
    if (recordKind == RecordKind::Run) {
        const auto run = loadRun(*db, id);
        const auto* r = valueOf(run, &exitCode);
        if (!r)
            return exitCode;
        if (command == QLatin1String("report"))
            return written(reportRun(*r, folder));
        return command == QLatin1String("show")
                   ? print(runText(*r))
                   : written(exportRun(
                         *r, exportFormat.isEmpty() ? QStringLiteral("json") : exportFormat,
                         folder));
    }
    if (parser.isSet(format))
        return fail(Text::tr("--format is for plan runs; a sweep or session exports as it is"));
    if (recordKind == RecordKind::Sweep) {
        const auto sweep = loadSweep(*db, version, id);
        const auto* s = valueOf(sweep, &exitCode);
        if (!s)
            return exitCode;
        if (command == QLatin1String("report"))
            return written(reportSweep(*s, folder));
        return command == QLatin1String("show") ? print(sweepText(*s))
                                                : written(exportSweep(*s, folder));
    }
    const auto session = loadSession(*db, version, id);
    const auto* s = valueOf(session, &exitCode);
    if (!s)
        return exitCode;
    if (command == QLatin1String("report"))
        return written(reportSession(*s, folder));
    return command == QLatin1String("show") ? print(sessionText(*s))
                                            : written(exportSession(*s, folder));
}
