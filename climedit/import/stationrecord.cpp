#include "stationrecord.h"

#include "store/fieldnames.h"

namespace kova::climimport {

namespace {

// A cell at least five characters wide, the value left-aligned, then a blank. The cell grows
// with the value, so no value is ever cut or runs into the next one.
QByteArray series(const std::array<double, 12>& values, int decimals) {
    QByteArray line;
    for (double v : values)
        line += QByteArray::number(v, 'f', decimals).leftJustified(5) + ' ';
    return line;
}

} // namespace

QString recordText(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c == QLatin1Char('|'))
            c = QLatin1Char(' ');
    return text;
}

double asWritten(double value, int decimals) {
    return QByteArray::number(value, 'f', decimals).toDouble() + 0.0; // no "-0.0"
}

std::vector<std::pair<QString, QVariant>> climateValues(const StationRecord& station) {
    std::vector<std::pair<QString, QVariant>> values = {
        {QStringLiteral("County"), station.county},
        {QStringLiteral("Station Name"), station.name},
        {QStringLiteral("Station No"), station.token},
        {QStringLiteral("Latitude"), double(station.latitude)},
        {QStringLiteral("Longitude"), double(station.longitude)},
        {QStringLiteral("Elevation"), double(station.elevation)}};
    for (int month = 1; month <= 12; ++month) {
        values.emplace_back(store::monthField(QStringLiteral("T"), month),
                            station.temperature[size_t(month - 1)]);
        values.emplace_back(store::monthField(QStringLiteral("P"), month),
                            station.precipitation[size_t(month - 1)]);
    }
    for (size_t i = 0; i < kFrostDateFields.size(); ++i)
        values.emplace_back(QLatin1String(kFrostDateFields[i]), station.frostDates[i]);
    return values;
}

QByteArray formatStationRecord(const StationRecord& station) {
    QByteArray out;
    out += "#" + QByteArray::number(station.number) + ' ' + station.county.toUtf8() + '|' +
           station.name.toUtf8() + '|' + station.token.toUtf8() + " \n";
    out += QByteArray::number(station.latitude) + ' ' + QByteArray::number(station.longitude) +
           ' ' + QByteArray::number(station.elevation) + " \n";
    out += series(station.temperature, kTemperatureDecimals) + '\n';
    out += series(station.precipitation, kPrecipitationDecimals) + '\n';
    for (const QString& date : station.frostDates)
        out += date.toUtf8() + ' ';
    out += "\n\n";
    return out;
}

} // namespace kova::climimport
