#pragma once
// The scan of an import: every county file of a directory is converted into "TmpTP.txt" and
// the counties of the converted stations are collected for the county selection.

#include "importfeedback.h"
#include "workfiles.h"

#include <QStringList>

namespace kova::climimport {

// Names of the county files of a directory: five digits and ".txt", in name order.
QStringList countyFileNames(const QString& directory);

struct ScanResult {
    bool started = false; // false: the work file could not be prepared (a message says why)
    int files = 0;        // county files converted (whatever their outcome)
    int stations = 0;     // station records written to "TmpTP.txt"
    QStringList counties; // "Available Counties": in order of appearance, no repeats
};

class ClimateScan {
public:
    ClimateScan(WorkFiles& workFiles, RunningNumber& numbers, ImportMessages& messages)
        : workFiles_(workFiles), numbers_(numbers), messages_(messages) {}

    void setProgress(ImportProgress progress) { progress_ = std::move(progress); }
    ScanResult run(const QString& directory);

private:
    WorkFiles& workFiles_;
    RunningNumber& numbers_;
    ImportMessages& messages_;
    ImportProgress progress_;
};

} // namespace kova::climimport
