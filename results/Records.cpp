#include "Records.h"

#include <QDataStream>
#include <QIODevice>

#include <tuple>

namespace velmor::results {

namespace {

// Each record's fields in the order they are spooled.
auto fields(SweepBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.loadLimit1, r.loadLimit2, r.powerLimit,
                    r.mapWidth, r.mapHeight, r.mapRatio, r.unit.serial, r.unit.model,
                    r.unit.operatorName);
}
auto fields(CellPainted& r) {
    return std::tie(r.sweepId, r.seq, r.at, r.row, r.column, r.b2, r.b3, r.b4, r.k5, r.k12);
}
auto fields(SweepSaved& r) {
    return std::tie(r.sweepId, r.name, r.bmp, r.csv, r.txt);
}
auto fields(SessionBegan& r) {
    return std::tie(r.id, r.at, r.host, r.port, r.unit.serial, r.unit.model, r.unit.operatorName);
}
auto fields(TickRead& r) {
    return std::tie(r.sessionId, r.seq, r.at, r.b1, r.b2, r.b3, r.b4, r.load5, r.load12, r.load33,
                    r.power, r.overload);
}
auto fields(SessionEvent& r) {
    return std::tie(r.sessionId, r.seq, r.at, r.kind, r.detail);
}
auto fields(RecordEnded& r) {
    return std::tie(r.id, r.sweep, r.at, r.state);
}

constexpr int streamVersion = QDataStream::Qt_6_4;

template <std::size_t I = 0> std::optional<Record> decodeAs(quint8 index, QDataStream& in) {
    if constexpr (I < std::variant_size_v<Record>) {
        if (index != I)
            return decodeAs<I + 1>(index, in);
        std::variant_alternative_t<I, Record> value;
        std::apply([&in](auto&... f) { (in >> ... >> f); }, fields(value));
        if (in.status() != QDataStream::Ok)
            return std::nullopt;
        return Record{std::move(value)};
    } else {
        return std::nullopt;
    }
}

} // namespace

QByteArray encode(const Record& record) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << static_cast<quint8>(record.index());
    std::visit(
        [&out](auto value) {
            std::apply([&out](auto&... f) { (out << ... << f); }, fields(value));
        },
        record);
    return bytes;
}

std::optional<Record> decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    quint8 index = 0;
    in >> index;
    return decodeAs(index, in);
}

QString recordId(const Record& record) {
    return std::visit(
        [](const auto& r) -> QString {
            using T = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<T, CellPainted> || std::is_same_v<T, SweepSaved>)
                return r.sweepId;
            else if constexpr (std::is_same_v<T, TickRead> || std::is_same_v<T, SessionEvent>)
                return r.sessionId;
            else
                return r.id;
        },
        record);
}

} // namespace velmor::results
