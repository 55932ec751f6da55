#pragma once
// Reads one station section of a county file: the station line, location, county, twelve
// month lines and the "50 percent" frost-date line, then moves on to the section's end.

#include "importfeedback.h"
#include "stationrecord.h"
#include "textcursor.h"

#include <optional>

namespace kova::climimport {

// Marker of the line that begins a station section.
inline constexpr char kStationMarker[] = "S Station :";

class StationSectionParser {
public:
    StationSectionParser(TextCursor& cursor, ImportMessages& messages)
        : cursor_(cursor), messages_(messages) {}

    // `stationLine` is the line holding the marker, already read from the cursor. Fills
    // `station` when the section gave a complete record (without its running number).
    // Returns 0 when another section may follow, 2 when the text ended.
    int parse(const QByteArray& stationLine, std::optional<StationRecord>* station);

private:
    struct Step {
        bool ok = true;
        QString abortText; // message of a failed step ("%s": the station); empty: silent
    };
    static Step done() { return {}; }
    static Step failed(const char* text) { return {false, QString::fromLatin1(text)}; }

    void readStationLine(const QByteArray& line, StationRecord* r) const;
    Step readBody(StationRecord* r);
    Step readLocation(StationRecord* r);
    Step readCounty(const QString& stateCode, StationRecord* r);
    Step readMonths(StationRecord* r);
    Step readFrostDates(StationRecord* r);
    int skipToSectionEnd();
    // Values a `Climate` row may not hold, noted as "T Dec 9e99 (valid -80 to 130)".
    void checkNumber(const QString& field, double value, const QString& asRead);
    void checkText(const QString& field, const QString& value);

    TextCursor& cursor_;
    ImportMessages& messages_;
    QStringList invalid_;
};

// The part of a county file from its first "W" on, behind a line feed and with LF line ends,
// as "Tmp2.txt" holds it; nullopt when an "N" or the end of the file comes first (the file
// holds no station section).
std::optional<QByteArray> sectionsText(const QByteArray& countyFile);

// The station sections of a text as `sectionsText` gives it, one complete record at a time.
class StationSections {
public:
    StationSections(QByteArray text, ImportMessages& messages)
        : cursor_(std::move(text)), parser_(cursor_, messages) {}

    // The next complete station (without its running number); nullopt when no more follow.
    std::optional<StationRecord> next();
    // After the last: 2 when the text ended at a section end, else 0.
    int endCode() const { return endCode_; }

private:
    TextCursor cursor_;
    StationSectionParser parser_;
    int endCode_ = 0;
};

// Helpers of the fixed-column layout, public for their tests.
// Digits found in columns first..last (from 0) joined into a whole number; none: nullopt.
std::optional<qint64> digitsInColumns(const QByteArray& line, int first, int last);
// The number written in columns first..last; nullopt when the cell holds anything else.
std::optional<double> numberInColumns(const QByteArray& line, int first, int last);
// A five-character frost-date cell as stored: "05/02", "00/00" for no date; nullopt when the
// cell is not a date. Fall dates also read a letter as "no date".
std::optional<QString> frostDateFromCell(QByteArray cell, bool fallDate);
// Source text as stored: UTF-8 when valid, else Latin-1, as `recordText`.
QString sourceText(const QByteArray& bytes);

} // namespace kova::climimport
