#pragma once

#include <QString>

namespace velmor {

// Measurement names and key figures are record data: kept in English whatever the run's
// language ("trip power", "trip at 326.9 W"), so that exports, comparisons and summaries agree
// between benches, and put into the run's language only where a person reads them.

// A stored name or key figure in its English form: earlier versions kept the trip's and the
// sweep's in the run's language ("срабатывание: мощность" is "trip power").
QString canonicalRecordText(const QString& stored);

// A name or key figure in the run's language, for a person; English ones the catalogue does
// not know stay as they are.
QString shownRecordText(const QString& canonical);

// Figures kept in English put in the run's language: the outputs' names and the units after a
// number ("+12 V 11.29 V < 11.40 V", "+5 V 15.1 A, …, 150 W").
QString shownWords(const QString& part);

} // namespace velmor
