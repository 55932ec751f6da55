#pragma once
// The three commands of kova-calc on the private database.

#include "output.h"

#include "calc/calendar.h"
#include "calc/inputs.h"
#include "calc/replacedinputs.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QTextStream;

namespace kova::tools {

// Bad input: one clear line for the user, exit status 2.
struct InputError {
    QString message;
};

struct CropOverrides {
    std::optional<calc::MonthDay> plant, harvest, firstCut, lastCut;
    std::optional<double> netIrr, carryBeg, carryEnd, stress;
    std::optional<int> cuttings;
    std::optional<QString> soil, irrigation;
};

struct Options {
    QString alias;
    Format format = Format::Table;
    calc::WindForm wind = calc::WindForm::Driver;
    int etIndex = calc::kETTR21;
};

// A crop whose dates had to be replaced has no results worth printing: bad input, naming each
// field as `fieldName` gives it (the saved job's names for a crop of a saved job).
void refuseReplacedDates(const std::vector<calc::ReplacedInput>& replaced, const QString& crop,
                         const std::function<QString(const QString&)>& fieldName);
// "crop "NAME" of job "JOB"", as the messages name a crop of a saved job.
QString jobCropText(const QString& crop, const QString& job);

// Bad input throws InputError; a failure of the database throws std::runtime_error.
JobResults runJob(const Options& options, const QString& jobName);
JobResults runCrop(const Options& options, const QString& station, const QString& crop,
                   const CropOverrides& overrides);
// Writes the lines as they are computed; progress goes to `progress`.
void runBatch(const Options& options, const QStringList& stations, const QStringList& crops,
              QTextStream& out, QTextStream& progress);

} // namespace kova::tools
