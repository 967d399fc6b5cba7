#include "MapCsv.h"

#include "NumberText.h"
#include "Unit.h"

#include <QStringList>

namespace velmor {

namespace {

// The currents are multiples of 1/128 A: ten significant digits write them exactly and short.
QString exact(double value) {
    return QString::number(value, 'g', 10);
}

} // namespace

const QByteArray crossLoadCsvHeader =
    "row,column,load5_setting,load12_setting,current5_A,current12_A,b2,b3,b4,"
    "volts5_V,volts12_V,volts33_V,k5,k12,cell_class";

QByteArray crossLoadCsv(const MapRecord& record) {
    QByteArray csv = crossLoadCsvHeader + '\n';
    csv.reserve(csv.size() + static_cast<qsizetype>(record.size()) * 80);
    for (const MapCell& cell : record) {
        const Reading reading = cellReading(cell);
        const QStringList fields{QString::number(cell.row),
                                 QString::number(cell.column),
                                 QString::number(2 * cell.row),
                                 QString::number(2 * cell.column),
                                 exact(nominalCurrent5(cell.row)),
                                 exact(nominalCurrent12(cell.column)),
                                 QString::number(cell.b2),
                                 QString::number(cell.b3),
                                 QString::number(cell.b4),
                                 fixed(reading.volts5, 4),
                                 fixed(reading.volts12, 4),
                                 fixed(reading.volts33, 4),
                                 QString::number(cell.k5),
                                 QString::number(cell.k12),
                                 QString::number(cellClass(cell.k5, cell.k12))};
        csv += fields.join(QLatin1Char(',')).toLatin1() + '\n';
    }
    return csv;
}

} // namespace velmor
