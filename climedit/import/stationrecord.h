#pragma once
// One converted station as it travels from a county file through the work file "TmpTP.txt"
// into `Climate`.

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <array>
#include <utility>
#include <vector>

namespace kova::climimport {

struct StationRecord {
    int number = 0; // running number of the program run
    QString county; // "County name, ST"
    QString name;
    QString token; // station number as printed: state code and digits ("WY24018")
    qint64 latitude = 0;
    qint64 longitude = 0;
    qint64 elevation = 0;
    std::array<double, 12> temperature{};
    std::array<double, 12> precipitation{};
    // In the order of the source line: spring 28, fall 28, spring 32, fall 32.
    std::array<QString, 4> frostDates;
};

// Frost-date fields of `Climate` in the order of StationRecord::frostDates.
inline constexpr std::array<const char*, 4> kFrostDateFields = {"Spr mo/dy 28", "Fall mo/dy 28",
                                                                "Spr mo/dy 32", "Fall mo/dy 32"};

// A text as a record carries it: every control character (Unicode category Cc: C0, DEL and
// the C1 range such as U+009B) and the record separator "|" become blanks.
QString recordText(QString text);

// Decimals of the monthly series in "TmpTP.txt".
inline constexpr int kTemperatureDecimals = 1;
inline constexpr int kPrecipitationDecimals = 2;
// `value` as the station file keeps it, rounded to `decimals`.
double asWritten(double value, int decimals);

// The `Climate` fields the station fills, with their values (every field but 'Marked').
std::vector<std::pair<QString, QVariant>> climateValues(const StationRecord& station);

// The six lines of a record in "TmpTP.txt", each ended by a line feed.
QByteArray formatStationRecord(const StationRecord& station);

} // namespace kova::climimport
