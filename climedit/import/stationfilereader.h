#pragma once
// Reads the records of "TmpTP.txt" back, line by line, so that a large import never holds
// the whole file in memory.

#include "stationrecord.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <optional>
#include <vector>

namespace kova::climimport {

struct RecordHeader {
    QString county;
    QString name;
    QString number;
};

class StationFileReader {
public:
    explicit StationFileReader(QIODevice& device) : device_(device) {}

    // Skips to the next "#" and returns the rest of its line; false at the end of the file.
    bool nextRecord(QByteArray* rest);
    // The next line without its line end; false at the end of the file.
    bool readLine(QByteArray* line);
    // The four lines after a record's header into `station`: location, temperatures,
    // precipitation and frost dates. Empty when all were read, else the message of the first
    // line missing or unreadable ("2 End of file or error" ...).
    QString readBody(StationRecord* station);

private:
    QIODevice& device_;
};

// "12 Laramie, WY|CHEYENNE|WY24018 " (after the "#"): running number, blank, county, bar,
// name, bar, number. nullopt when the bars are missing.
std::optional<RecordHeader> parseRecordHeader(const QByteArray& rest);
// Exactly `count` numbers separated by blanks; nullopt when fewer or not numbers.
std::optional<std::vector<double>> parseNumbers(const QByteArray& line, int count);
// Exactly `count` words separated by blanks.
std::optional<QStringList> parseWords(const QByteArray& line, int count);

} // namespace kova::climimport
