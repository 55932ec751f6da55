#include "stationrecord.h"

#include <algorithm>
#include <cstdio>

namespace kova::climimport {

namespace {

QByteArray series(const std::array<double, 12>& values, const char* format) {
    QByteArray line;
    char cell[64];
    for (double v : values) {
        const int n = std::snprintf(cell, sizeof cell, format, v);
        line.append(cell, n < 0 ? 0 : std::min<qsizetype>(n, qsizetype(sizeof cell) - 1));
    }
    return line;
}

} // namespace

QByteArray formatStationRecord(const StationRecord& station) {
    QByteArray out;
    out += "#" + QByteArray::number(station.number) + ' ' + station.county.toUtf8() + '|' +
           station.name.toUtf8() + '|' + station.token.toUtf8() + " \n";
    out += QByteArray::number(station.latitude) + ' ' + QByteArray::number(station.longitude) +
           ' ' + QByteArray::number(station.elevation) + " \n";
    out += series(station.temperature, "%-5.1lf ") + '\n';
    out += series(station.precipitation, "%-5.2lf ") + '\n';
    for (const QString& date : station.frostDates)
        out += date.toUtf8() + ' ';
    out += "\n\n";
    return out;
}

} // namespace kova::climimport
