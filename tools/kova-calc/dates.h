#pragma once
// kova-calc dates: the growth-date tool as "Compute Dates for Site" opens it for a created crop
// added to a job at a station, then "Re-Calculate" with the values given.

#include "commands.h"

#include "calc/growthdates.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <optional>

class QCommandLineParser;

namespace kova::tools {

// --grow-days, --begin-temp and --end-temp.
QList<QCommandLineOption> datesOptions();

// What the tool showed: the crop's default dates always, the rest as far as it got.
struct DatesResult {
    QString station, crop, etMethod;
    calc::MonthDay defaultPlant, defaultHarvest;
    calc::DateToolValues values; // not opened when the station is too warm
    std::optional<calc::DateToolMessage> message;
};

// Reads --station, --crop and the three values from `parser`. Bad input throws InputError; a
// failure of the database throws std::runtime_error.
DatesResult runDates(const Options& options, const QCommandLineParser& parser);

QString formatDates(const DatesResult& result, Format format);

} // namespace kova::tools
