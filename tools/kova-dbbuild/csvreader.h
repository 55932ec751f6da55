#pragma once
// Reads a comma-separated file: quoted cells may hold commas, doubled quotes and line breaks;
// lines may end in CRLF or LF. Every record remembers the line it starts on.

#include "problem.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kova::dbbuild {

struct CsvRecord {
    int line = 0; // 1-based line on which the record starts
    QStringList cells;
};

// Records of `text` in file order. Empty lines are skipped. On a malformed record (an
// unterminated quote, text after a closing quote) returns the problem instead; `fileName`
// only names the file in it.
struct CsvParseResult {
    std::vector<CsvRecord> records;
    std::optional<Problem> problem;
};
CsvParseResult parseCsv(const QString& text, const QString& fileName);

// Reads and parses a UTF-8 file (a leading byte-order mark is ignored).
CsvParseResult readCsvFile(const QString& path);

} // namespace kova::dbbuild
