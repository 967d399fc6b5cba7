#include "JournalEntry.h"
#include "RecordFields.h"
#include "Text.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace velmor::results {

namespace {

// The number of fields a record had in the first layout: an entry must hold at least these. A
// sweep's beginning had no unit or calibration, a session's no unit, a step's and a run's end no
// reason; every other record has had all its fields from the start.
template <typename Value> constexpr std::size_t requiredFields() {
    if constexpr (std::is_same_v<Value, SweepBegan>)
        return 10;
    else if constexpr (std::is_same_v<Value, SessionBegan>)
        return 4;
    else if constexpr (std::is_same_v<Value, RunStepEnded>)
        return 10;
    else if constexpr (std::is_same_v<Value, RunEnded>)
        return 6;
    else
        return std::tuple_size_v<decltype(fields(std::declval<Value&>()))>;
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
    if (read < requiredFields<Value>())
        return Text::tr("it holds %1 of its %2 fields").arg(read).arg(requiredFields<Value>());
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

} // namespace velmor::results
