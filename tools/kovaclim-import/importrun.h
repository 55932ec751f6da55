#pragma once
// One scripted import: scan a directory, choose the counties, load them as Continue does, and
// report on the way. Exit status 0 loaded, 1 nothing to load, 2 failure (nothing changed).

#include "climedit/import/importfeedback.h"

#include <QStringList>
#include <QTextStream>

namespace kova::climimport {

struct ImportOptions {
    QString directory;
    QString databaseFile; // empty: the alias "Kova" as configured
    bool replace = false; // replace the whole climate database instead of adding
    bool yes = false;     // replace counties already in the database
    bool allCounties = true;
    QStringList counties; // the chosen ones when not all
};

enum ExitStatus { kLoaded = 0, kNothingLoaded = 1, kFailed = 2 };

// Prints every message as it comes and counts them.
class PrintedMessages : public ImportMessages {
public:
    explicit PrintedMessages(QTextStream& err) : err_(err) {}
    void report(const ImportMessage& message) override;
    int count() const { return count_; }

private:
    QTextStream& err_;
    int count_ = 0;
};

// --yes answers Yes to "Replace it?"; otherwise the county is skipped with a line saying so.
class FlagAnswerer : public ImportAnswerer {
public:
    FlagAnswerer(bool yes, QTextStream& out) : yes_(yes), out_(out) {}
    bool confirm(const QString& question) override;

private:
    bool yes_;
    QTextStream& out_;
};

int runImport(const ImportOptions& options, QTextStream& out, QTextStream& err);

} // namespace kova::climimport
