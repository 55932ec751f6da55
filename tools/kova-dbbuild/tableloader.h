#pragma once
// Loads one CSV file into its declared table. The header names the fields exactly (AutoInc
// fields are left out and numbered by the table); every cell is checked against its field and
// every unique index against the rows before it. Faulty rows are reported, never stored.

#include "problem.h"
#include "store/schema.h"

#include <QSqlDatabase>
#include <QString>
#include <map>

namespace kova::dbbuild {

// Where the stored rows of one table came from: its file and, by row id, the line of each row.
struct LoadedTable {
    QString file;
    std::map<qint64, int> lineOfRow;
    int lineOf(qint64 rowId) const;
};

class TableLoader {
public:
    TableLoader(QSqlDatabase db, const store::TableDef& def) : db_(std::move(db)), def_(def) {}

    // Appends every fault of the file to `problems`; the rows without fault are stored.
    LoadedTable load(const QString& csvPath, Problems& problems);

private:
    QSqlDatabase db_;
    const store::TableDef& def_;
};

} // namespace kova::dbbuild
