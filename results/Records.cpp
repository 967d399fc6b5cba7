#include "Records.h"
#include "Text.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <tuple>

namespace velmor::results {

namespace {

template <std::size_t N> struct Columns {
    const char* table;
    std::array<const char*, N> names;
};

// Each record's fields in the order they are spooled and, for a record that adds a row to the
// store, beside them the table and each field's column in the same order. A new field goes at the
// end of both lists (the journal reads older entries without it; see below).
auto fields(SweepBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.loadLimit1, r.loadLimit2, r.powerLimit,
                    r.mapWidth, r.mapHeight, r.mapRatio, r.unit.serial, r.unit.model,
                    r.unit.operatorName, r.calibration, r.calibrationWarning);
}
Columns<15> columns(const SweepBegan&) {
    return {"sweeps",
            {"id", "started_at", "host", "port", "load_limit1", "load_limit2", "power_limit",
             "map_width", "map_height", "map_ratio", "unit_serial", "unit_model", "operator",
             "calibration", "calibration_warning"}};
}
auto fields(CellPainted& r) {
    return std::tie(r.sweepId, r.seq, r.at, r.row, r.column, r.b2, r.b3, r.b4, r.k5, r.k12);
}
Columns<10> columns(const CellPainted&) {
    return {"sweep_cells",
            {"sweep_id", "seq", "at", "cell_row", "cell_column", "b2", "b3", "b4", "k5", "k12"}};
}
auto fields(SweepSaved& r) {
    return std::tie(r.sweepId, r.name, r.bmp, r.csv, r.txt);
}
auto fields(SessionBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.unit.serial, r.unit.model, r.unit.operatorName);
}
Columns<7> columns(const SessionBegan&) {
    return {"sessions",
            {"id", "started_at", "host", "port", "unit_serial", "unit_model", "operator"}};
}
auto fields(TickRead& r) {
    return std::tie(r.sessionId, r.seq, r.at, r.b1, r.b2, r.b3, r.b4, r.load5, r.load12, r.load33,
                    r.power, r.overload);
}
Columns<12> columns(const TickRead&) {
    return {"session_ticks",
            {"session_id", "seq", "at", "b1", "b2", "b3", "b4", "load5", "load12", "load33",
             "power", "overload"}};
}
auto fields(SessionEvent& r) {
    return std::tie(r.sessionId, r.seq, r.at, r.kind, r.detail);
}
Columns<5> columns(const SessionEvent&) {
    return {"session_events", {"session_id", "seq", "at", "kind", "detail"}};
}
auto fields(RecordEnded& r) {
    return std::tie(r.id, r.sweep, r.at, r.state);
}
auto fields(RunBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.planName, r.planFile, r.planText, r.profile,
                    r.unit.serial, r.unit.model, r.unit.operatorName, r.calibration,
                    r.calibrationWarning);
}
Columns<13> columns(const RunBegan&) {
    return {"runs",
            {"id", "started_at", "host", "port", "plan_name", "plan_file", "plan_text", "profile",
             "unit_serial", "unit_model", "operator", "calibration", "calibration_warning"}};
}
auto fields(RunReadingTaken& r) {
    return std::tie(r.runId, r.seq, r.at, r.stepSeq, r.supplyOn, r.load5, r.load12, r.load33, r.b1,
                    r.b2, r.b3, r.b4, r.settling);
}
Columns<13> columns(const RunReadingTaken&) {
    return {"run_readings",
            {"run_id", "seq", "at", "step_seq", "supply_on", "load5", "load12", "load33", "b1",
             "b2", "b3", "b4", "settling"}};
}
auto fields(RunStepEnded& r) {
    return std::tie(r.runId, r.seq, r.at, r.startedAt, r.kind, r.name, r.outcome, r.keyFigure,
                    r.judged, r.unsettled, r.reason);
}
Columns<11> columns(const RunStepEnded&) {
    return {"run_steps",
            {"run_id", "seq", "ended_at", "started_at", "kind", "name", "outcome", "key_figure",
             "judged", "unsettled", "reason"}};
}
auto fields(RunMeasurement& r) {
    return std::tie(r.runId, r.stepSeq, r.seq, r.name, r.value, r.unit, r.low, r.high, r.guardLow,
                    r.guardHigh, r.asked, r.outcome, r.uncertainty);
}
Columns<13> columns(const RunMeasurement&) {
    return {"run_measurements",
            {"run_id", "step_seq", "seq", "name", "value", "unit", "low", "high", "guard_low",
             "guard_high", "asked", "outcome", "uncertainty"}};
}
auto fields(RunEnded& r) {
    return std::tie(r.id, r.at, r.state, r.outcome, r.failingStep, r.keyFigure, r.reason);
}

// A field as the store keeps it: a flag as 0 or 1, the unit's fields NULL where not given.
QVariant storedValue(bool flag, const char*) {
    return flag ? 1 : 0;
}
QVariant storedValue(const QString& text, const char* column) {
    static constexpr std::string_view nullWhenEmpty[] = {"unit_serial", "unit_model", "operator",
                                                         "calibration", "calibration_warning"};
    if (text.isEmpty() && std::find(std::begin(nullWhenEmpty), std::end(nullWhenEmpty),
                                    std::string_view(column)) != std::end(nullWhenEmpty))
        return QVariant(QMetaType::fromType<QString>());
    return text;
}
// A limit or asked value that is not there (NaN) as NULL.
QVariant storedValue(double value, const char*) {
    return std::isnan(value) ? QVariant(QMetaType::fromType<double>()) : QVariant(value);
}
template <typename Value> QVariant storedValue(const Value& value, const char*) {
    return QVariant::fromValue(value);
}

// The number of fields each record had in the first layout: an entry must hold at least these.
constexpr std::size_t requiredFields(const SweepBegan&) {
    return 10;
}
constexpr std::size_t requiredFields(const CellPainted&) {
    return 10;
}
constexpr std::size_t requiredFields(const SweepSaved&) {
    return 5;
}
constexpr std::size_t requiredFields(const SessionBegan&) {
    return 4;
}
constexpr std::size_t requiredFields(const TickRead&) {
    return 12;
}
constexpr std::size_t requiredFields(const SessionEvent&) {
    return 5;
}
constexpr std::size_t requiredFields(const RecordEnded&) {
    return 4;
}
// A step's and a run's end had no reason at first.
constexpr std::size_t requiredFields(const RunStepEnded&) {
    return 10;
}
constexpr std::size_t requiredFields(const RunEnded&) {
    return 6;
}
// The other records of a run are read whole: each has had all its fields from the start.
template <typename Value> constexpr std::size_t requiredFields(const Value& value) {
    return std::tuple_size_v<decltype(fields(const_cast<Value&>(value)))>;
}

// A journal entry is
//   quint8 versionedMark, quint8 layoutVersion, quint8 the record's kind (its index in Record),
//   quint32 the length in bytes of the fields that follow, then the fields in fields() order.
// Entries of earlier programs have no header: the kind, then the fields, to the end.
// A field is added at the end of its record's fields(): an entry without it reads it as its
// default, and an earlier program reads a newer entry by its length, skipping the fields it does
// not know. layoutVersion changes only when an existing field changes its type or meaning.
constexpr quint8 versionedMark = 0xff;
constexpr quint8 layoutVersion = 1;
constexpr int headerBytes = 7;
constexpr int streamVersion = QDataStream::Qt_6_4;

// Reads the fields the stream holds, in order; those after its end keep their defaults.
template <typename Value> std::optional<QString> readFields(QDataStream& in, Value& value) {
    std::size_t read = 0;
    const auto readOne = [&](auto& field) {
        if (in.atEnd() || in.status() != QDataStream::Ok)
            return;
        in >> field;
        ++read;
    };
    std::apply([&](auto&... field) { (readOne(field), ...); }, fields(value));
    if (in.status() != QDataStream::Ok)
        return Text::tr("field %1 is cut short").arg(read);
    if (read < requiredFields(value))
        return Text::tr("it holds %1 of its %2 fields").arg(read).arg(requiredFields(value));
    return std::nullopt;
}

template <std::size_t I = 0> std::variant<Record, QString> decodeAs(quint8 kind, QDataStream& in) {
    if constexpr (I < std::variant_size_v<Record>) {
        if (kind != I)
            return decodeAs<I + 1>(kind, in);
        std::variant_alternative_t<I, Record> value;
        if (auto error = readFields(in, value))
            return *error;
        return Record{std::move(value)};
    } else {
        return Text::tr("unknown kind of record %1").arg(kind);
    }
}

} // namespace

QByteArray encode(const Record& record) {
    QByteArray body;
    QDataStream out(&body, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    std::visit(
        [&out](auto value) {
            std::apply([&out](auto&... f) { (out << ... << f); }, fields(value));
        },
        record);
    QByteArray entry;
    QDataStream header(&entry, QIODevice::WriteOnly);
    header.setVersion(streamVersion);
    header << versionedMark << layoutVersion << static_cast<quint8>(record.index())
           << static_cast<quint32>(body.size());
    return entry + body;
}

std::variant<Record, QString> decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    quint8 first = 0;
    in >> first;
    if (in.status() != QDataStream::Ok)
        return Text::tr("the entry is empty");
    if (first != versionedMark) // an entry of an earlier program
        return decodeAs(first, in);
    quint8 version = 0;
    quint8 kind = 0;
    quint32 length = 0;
    in >> version >> kind >> length;
    if (in.status() != QDataStream::Ok)
        return Text::tr("its header is cut short");
    if (version > layoutVersion)
        return Text::tr("its layout %1 is newer than this program reads (%2)")
            .arg(version)
            .arg(layoutVersion);
    if (length != static_cast<quint64>(bytes.size() - headerBytes))
        return Text::tr("its header gives %1 bytes of fields, it holds %2")
            .arg(length)
            .arg(bytes.size() - headerBytes);
    QDataStream fieldsIn(bytes.mid(headerBytes));
    fieldsIn.setVersion(streamVersion);
    return decodeAs(kind, fieldsIn);
}

std::optional<StoreRow> storeRow(const Record& record) {
    return std::visit(
        [](auto value) -> std::optional<StoreRow> {
            if constexpr (requires { columns(value); }) {
                const auto listed = columns(value);
                const auto& names = listed.names;
                auto values = fields(value);
                static_assert(std::tuple_size_v<decltype(values)> ==
                                  std::tuple_size_v<std::remove_cvref_t<decltype(names)>>,
                              "a record's columns follow its fields one for one");
                StoreRow row{QString::fromLatin1(listed.table), {}, {}};
                std::size_t i = 0;
                std::apply(
                    [&](const auto&... field) {
                        ((row.columns << QString::fromLatin1(names[i]),
                          row.values << storedValue(field, names[i]), ++i),
                         ...);
                    },
                    values);
                return row;
            } else {
                return std::nullopt;
            }
        },
        record);
}

QString recordId(const Record& record) {
    return std::visit(
        [](const auto& r) -> QString {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, CellPainted> || std::is_same_v<T, SweepSaved>)
                return r.sweepId;
            else if constexpr (std::is_same_v<T, TickRead> || std::is_same_v<T, SessionEvent>)
                return r.sessionId;
            else if constexpr (requires { r.runId; })
                return r.runId;
            else
                return r.id;
        },
        record);
}

} // namespace velmor::results
