#pragma once
// What kova-calc prints: the results of computed crops as a month-by-month table, JSON or
// CSV, and the one-line-per-crop CSV of a batch run.

#include "calc/batch.h"
#include "calc/messages.h"
#include "calc/tkova.h"

#include <QString>
#include <vector>

namespace kova::tools {

enum class Format { Table, Json, Csv };

struct CropResults {
    QString crop;
    int cropNo = 0;
    int curveIndex = -1;
    calc::TKova kova; // the record right after the crop's computation
    std::vector<calc::CalcMessage> messages;
};

struct JobResults {
    QString job, station, etMethod;
    std::vector<CropResults> crops;
};

QString formatJob(const JobResults& job, Format format);

// Shortest text that reads back to the same double.
QString number(double value);
// A JSON string literal of `s`, quotes included.
QString jsonString(const QString& s);

struct BatchLine {
    QString station, crop, etMethod;
    calc::StationCropResult result;
    std::vector<calc::CalcMessage> messages;
};
QString batchHeader(Format format);
QString batchLine(const BatchLine& line, Format format, bool first);
QString batchFooter(Format format);

} // namespace kova::tools
