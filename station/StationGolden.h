#pragma once

#include "StoreAddress.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

class QThread;

namespace velmor {

// The bench's golden run per shift, as the station keeps it: under station.conf's
// golden = "shift" with its shifts' start times, a unit that is not a golden one of the models
// file is refused, with what to do, until a golden unit has passed on this bench since the
// current shift began. The store is asked off the UI thread when the window opens, and again
// whenever a unit is refused for want of one (a golden run kept by another program on this bench
// then counts); a golden pass at this station counts at once. Off by default.
class StationGolden final : public QObject {
    Q_OBJECT
public:
    // station.conf (its file for the messages) and its values of golden and shifts.
    StationGolden(const std::optional<results::StoreAddress>& store, const QString& conf,
                  const QVariant& golden, const QVariant& shifts, QObject* parent = nullptr);
    ~StationGolden() override; // waits for the look-up

    // Why the unit may not start now (what to do is in it), or nothing.
    std::optional<QString> refusal(const QString& serial);
    // A unit passed at this station: a golden one's pass counts for the shift from now.
    void passed(const QString& serial);

    // The start of the shift that `now` (local time) falls in: the latest of the starts not after
    // it, else the last start the day before.
    static QDateTime shiftStart(const std::vector<QTime>& starts, const QDateTime& now);

private:
    // The models file's golden serials, or why it was refused.
    static std::variant<QStringList, QString> goldenSerials();
    void ask(const QStringList& golden);

    std::optional<results::StoreAddress> store_;
    bool on_ = false;
    std::vector<QTime> starts_; // sorted
    QString setupRefused_;      // station.conf's golden or shifts, refused
    std::optional<QDateTime> lastPass_;
    QString storeError_; // the last look-up's, if it failed
    std::unique_ptr<QThread> lookUp_;
};

} // namespace velmor
