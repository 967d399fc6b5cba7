#pragma once

#include "LoadFrame.h"
#include "Measurement.h"
#include "Unit.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace velmor {

// What decided a step or a run that did not pass: the measurement that crossed its limit, the
// supply's shutdown, a supply that never came up, or the unit gone silent. The record keeps it in
// one language-free form (kind word and figures); it is put into words only when shown.
struct Finding {
    enum class Kind {
        Crossed,    // what: "+12 V 11.29 V < 11.40 V"; where the step was; loads then
        ShutDown,   // every output fell below power-good with the supply on and up before
        NoPower,    // switched on and never power-good: the unit's fault as far as the bench knows
        NoReply,    // what: the seconds without a reply; the bench could not test
        PortLost,   // what: the port's reason, "/dev/ttyUSB0: Input/output error"; likewise
        FileRefused // what: why a plan or models file was refused, naming it; likewise
    };
    Kind kind = Kind::Crossed;
    QString what;
    QString where; // "P3", "cell 12, 40", "1 min 30 s"; empty where it says nothing
    QString loads; // "+5 V 15.0 A, +12 V 8.0 A, +3.3 V 5.0 A, 150 W"; empty where none
    friend bool operator==(const Finding&, const Finding&) = default;
};

// The figures of a crossed limit: "+12 V 11.29 V < 11.40 V" (the guard band's edge for a
// marginal value); nothing for a value inside its guard band or with no limit.
std::optional<QString> crossing(const QString& output, double value, const QString& unit,
                                std::optional<double> low, std::optional<double> high);

// The same for an output's volts judged with its outcome: the limit it crossed (the guard band's
// edge when marginal), or the end of the unit's range it lies at, "+5 V < 4.00 V"; nothing for
// volts that passed.
std::optional<QString> voltsCrossing(const QString& output, const UnitOutput& unit, double volts,
                                     Outcome outcome, const Limits& limits);

// The loads a frame sets and their power at nominal volts, as a finding gives them.
QString loadsText(const LoadAmps& amps);

// The form the record keeps ("crossed|P3|+12 V 11.29 V < 11.40 V|+5 V ..."), and back; nothing
// for text that is not one.
QString storedFinding(const std::optional<Finding>& finding);
std::optional<Finding> findingStored(QStringView text);

// In the run's language: "+12 V 11.29 V < 11.40 V at P3 (+5 V …)", "the supply shut down at P4
// (…)", "did not power on", "no reply from the unit for 30 s", "port lost: /dev/ttyUSB0: …". Short
// leaves out the loads, for a list's line.
QString findingText(const Finding& finding, bool shortForm = false);
// A stored finding in words; text stored by earlier programs as it is.
QString shownFinding(const QString& stored, bool shortForm = false);

} // namespace velmor
