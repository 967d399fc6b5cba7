#pragma once

#include "LocalTime.h"

#include "UnitIdentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>

namespace velmor {

// One A4 page drawn at reportDpi with QPainter into a PDF, its content from the top-left corner
// of the printable area (12 mm margins).
inline constexpr int reportDpi = 150;
QByteArray onePagePdf(const QString& title, const std::function<void(QPainter&)>& draw);
// The same with `pages` pages, each drawn by draw(painter, page) from page 0.
QByteArray pagesPdf(const QString& title, int pages,
                    const std::function<void(QPainter&, int)>& draw);

// A picture of width × height page units drawn as a page is (reportDpi, so that the report's
// fonts keep their size), on white: what the web view shows of a record.
QImage pageImage(int width, int height, const std::function<void(QPainter&)>& draw);
// The width of the pictures of a page's charts: the page's, and room for the time axis's last
// label beyond it.
inline constexpr int voltsImageWidth = 1120;

// The printable height of a page in page units.
inline constexpr double reportPageHeight = 1612;

// A sans-serif font of the given size in points, bold or not.
QFont reportFont(qreal points, bool bold = false);

// "Unit PSU-0001    Model ATX-500    Operator A. Petrov", with a dash for what was not given.
QString unitLine(const UnitIdentity& unit);

} // namespace velmor
