#pragma once
// A private copy of the delivered CSV files that a test may spoil line by line, and the
// build of a database from it.

#include "problem.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kova::test {

class DataDirCopy {
public:
    DataDirCopy(); // copies every CSV of the source data folder
    QString path() const { return dir_.path(); }
    QString outFile() const { return dir_.filePath(QStringLiteral("out/Kova.sqlite")); }

    QStringList lines(const QString& csv) const;
    void writeLines(const QString& csv, const QStringList& lines);
    // Replaces the first occurrence of `from` on line `line` (1-based) of `csv`.
    void editLine(const QString& csv, int line, const QString& from, const QString& to);
    void appendLine(const QString& csv, const QString& text);

    // Builds outFile() and returns the problems as text lines.
    QStringList build() const;

private:
    QTemporaryDir dir_;
};

QString sourceDataDir();
QStringList problemTexts(const dbbuild::Problems& problems);

} // namespace kova::test
