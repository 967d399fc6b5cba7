#pragma once

#include "OutcomeColour.h"
#include "PageFlow.h"
#include "Reading.h"
#include "RunReport.h"

#include <QCoreApplication>

#include <vector>

namespace velmor {

// The run report's texts, looked up in the catalogue under "RunReport".
struct RunText {
    Q_DECLARE_TR_FUNCTIONS(RunReport)
};

// The page width in page units.
inline constexpr double reportPageWidth = 1098;

// A text from outside as a page shows it: control characters as \xNN.
QString pageText(const QString& text);

// A line at x, y (its baseline) cut with an ellipsis to the width, in the painter's font.
void drawLine(QPainter& p, double x, double y, double width, const QString& line);

// A unit as a page shows it: V, A, W and s in the run's language, others as they are.
QString unitText(const QString& unit);
// A number with its unit; a value that is not a finite number as a dash.
QString valueText(double value, const QString& unit, int decimals = 3);
// A measurement's value with its unit; an output's volts at an end of the unit's range as
// "< 4.00 V".
QString measuredText(const Measurement& m);
// "4.750 … 5.250 V (guard 4.800 … 5.200)", or a dash when nothing is judged.
QString limitsText(const Limits& limits, const QString& unit);

// The guard band alone: "(guard 4.800 – 5.200)".
QString guardText(const Limits& limits);
// A time as localTimeText shows it, or a dash when there is none.
QString timeText(const QDateTime& time);

// The reading in volts, as the sweep and the plan's steps take them.
Reading readingVolts(const RunReportReading& reading);

// Each kind's pages, one part each: the step's head, what its kind draws, then its measurements
// (those the kind's own drawing does not show).
void addStepHead(PageFlow& flow, const RunReportStep& step, int index, int steps);
void addMeasurementList(PageFlow& flow, const std::vector<const Measurement*>& measurements);
void addPointsPages(PageFlow& flow, const RunReportStep& step);
void addSweepPages(PageFlow& flow, const RunReportStep& step);
void addTripPages(PageFlow& flow, const RunReportStep& step);
void addHoldPages(PageFlow& flow, const RunReportStep& step, const Profile& profile);

// Each output's volts over time in the profile's limits, judged readings in colour, and the load
// settings beneath, from top down: the hold step's page and a run's picture. At least one reading.
inline constexpr double voltsOverTimeHeight = 1020;
void drawVoltsOverTime(QPainter& p, double top, const std::vector<RunReportReading>& readings,
                       const Profile& profile);

// Every measurement of the step, for the list.
std::vector<const Measurement*> allMeasurements(const RunReportStep& step);

} // namespace velmor
