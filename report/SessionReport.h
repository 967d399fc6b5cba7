#pragma once

#include "SessionSheet.h"

#include <QByteArray>
#include <QImage>

namespace velmor {

// The one-page PDF report: the three voltages over time with their ±5 % bands, the load settings
// and the power beneath, overload cuts and link losses marked on every chart, and the figures
// of each output.
QByteArray sessionReportPdf(const SessionSheet& session);
// The report's charts alone as a picture.
QImage sessionChartsImage(const SessionSheet& session);
inline constexpr int sessionChartsImageHeight = 1100; // its width is voltsImageWidth

} // namespace velmor
