#include "Recorder.h"

#include <QDateTime>
#include <QSysInfo>
#include <QUuid>

namespace velmor::results {

namespace {

QString sweepEndState(SweepEnd end) {
    switch (end) {
    case SweepEnd::Completed:
        return QStringLiteral("completed");
    case SweepEnd::Reset:
        return QStringLiteral("reset");
    case SweepEnd::LinkLost:
        return QStringLiteral("link-lost");
    case SweepEnd::Abandoned:
        break;
    }
    return QStringLiteral("abandoned");
}

QString sessionEndState(SessionEnd end) {
    switch (end) {
    case SessionEnd::SwitchedOff:
        return QStringLiteral("switched-off");
    case SessionEnd::HandedOver:
        return QStringLiteral("hand-over");
    case SessionEnd::Exited:
        break;
    }
    return QStringLiteral("exit");
}

} // namespace

QString recordTime() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
}

QString newRecordId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

Recorder::Recorder(Post post, QString port)
    : post_(std::move(post)), host_(QSysInfo::machineHostName()), port_(std::move(port)) {}

void Recorder::sweepStarted(const SweepLimits& limits, QSize mapPixels, qreal ratio) {
    sweep_ = lastSweep_ = newRecordId();
    cellSeq_ = 0;
    post_(SweepBegan{sweep_, recordTime(), host_, port_, limits.loadLimit1, limits.loadLimit2,
                     limits.powerLimit, mapPixels.width(), mapPixels.height(), ratio, unit_});
}

void Recorder::cellPainted(const MapCell& cell) {
    if (sweep_.isEmpty())
        return;
    post_(CellPainted{sweep_, cellSeq_++, recordTime(), cell.row, cell.column, cell.b2, cell.b3,
                      cell.b4, cell.k5, cell.k12});
}

void Recorder::sweepEnded(SweepEnd end) {
    if (sweep_.isEmpty())
        return;
    post_(RecordEnded{sweep_, true, recordTime(), sweepEndState(end)});
    sweep_.clear();
}

void Recorder::sweepSaved(const QString& name, const MapFiles& files) {
    if (!lastSweep_.isEmpty())
        post_(SweepSaved{lastSweep_, name, files.bmp, files.csv, files.txt});
}

void Recorder::sessionStarted() {
    if (!session_.isEmpty())
        return;
    session_ = newRecordId();
    tickSeq_ = eventSeq_ = 0;
    post_(SessionBegan{session_, recordTime(), host_, port_, unit_});
}

void Recorder::reading(const SessionReading& r) {
    if (session_.isEmpty())
        return;
    const QString at = recordTime();
    post_(TickRead{session_, tickSeq_++, at, r.reply.b1, r.reply.b2, r.reply.b3, r.reply.b4,
                   r.load5, r.load12, r.load33, r.power, r.overload});
    if (r.clamped)
        event(at, QStringLiteral("clamp"));
    if (r.overload)
        event(at, QStringLiteral("overload-cut"),
              QStringLiteral("%1 W").arg(QString::number(r.power, 'f', 1)));
}

void Recorder::linkChanged(const std::optional<QString>& lostReason) {
    if (!session_.isEmpty())
        event(recordTime(), lostReason ? QStringLiteral("link-lost") : QStringLiteral("link-back"),
              lostReason.value_or(QString()));
}

void Recorder::sessionEnded(SessionEnd how) {
    if (session_.isEmpty())
        return;
    post_(RecordEnded{session_, false, recordTime(), sessionEndState(how)});
    session_.clear();
}

void Recorder::event(const QString& at, const QString& kind, const QString& detail) {
    post_(SessionEvent{session_, eventSeq_++, at, kind, detail});
}

} // namespace velmor::results
