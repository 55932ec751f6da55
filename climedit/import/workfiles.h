#pragma once
// The work files of one import: "TmpTP.txt" (every converted station of the scan) and
// "Tmp2.txt" (the county file being converted), in a directory no other import uses, and a
// tally of the stations written so the load can tell that it found them all.

#include <QHash>
#include <QString>
#include <memory>
#include <optional>

class QTemporaryDir;

namespace kova::climimport {

class WorkFiles {
public:
    // Work files in `directory`, which the caller owns (tests, benchmarks).
    explicit WorkFiles(QString directory);
    WorkFiles(WorkFiles&&) noexcept;
    WorkFiles& operator=(WorkFiles&&) noexcept;
    ~WorkFiles();

    // A fresh private directory for one import, removed with the object: in the system's
    // temporary folder, else under the per-user data folder. nullopt with `error` set when
    // neither can be made.
    static std::optional<WorkFiles> locate(QString* error);

    QString directory() const { return directory_; }
    QString stationFile() const; // "TmpTP.txt"
    QString copyFile() const;    // "Tmp2.txt"

    // A scan starts from an empty station file; false with `error` when the old one stays.
    bool clearStationFile(QString* error);
    // Station records appended to the station file since it was cleared, by county.
    void noteStationWritten(const QString& county) { ++written_[county]; }
    int stationsWritten(const QString& county) const { return written_.value(county); }

private:
    explicit WorkFiles(std::unique_ptr<QTemporaryDir> owned);

    std::unique_ptr<QTemporaryDir> owned_; // the private directory, when this object made it
    QString directory_;
    QHash<QString, int> written_;
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
