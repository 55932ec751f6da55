#pragma once
// Where the import keeps its work files "TmpTP.txt" (every converted station of one scan)
// and "Tmp2.txt" (the county file being converted).

#include <QString>
#include <optional>

namespace kova::climimport {

class WorkFiles {
public:
    explicit WorkFiles(QString directory);

    // The working directory when it can be written, else the per-user work directory;
    // nullopt with `error` set when neither can be.
    static std::optional<WorkFiles> locate(QString* error);

    QString directory() const { return directory_; }
    QString stationFile() const; // "TmpTP.txt"
    QString copyFile() const;    // "Tmp2.txt"

    // A scan starts from an empty station file; false with `error` when the old one stays.
    bool clearStationFile(QString* error) const;

private:
    QString directory_;
};

// The station running number, counted from 1 over the whole program run.
class RunningNumber {
public:
    int next() { return ++last_; }
    static RunningNumber& programRun();

private:
    int last_ = 0;
};

} // namespace kova::climimport
