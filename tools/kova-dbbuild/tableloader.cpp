#include "tableloader.h"

#include "cellvalue.h"
#include "csvreader.h"
#include "store/ddl.h"
#include "uniquekeys.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace kova::dbbuild {

using store::FieldDef;
using store::FieldType;
using store::TableDef;

int LoadedTable::lineOf(qint64 rowId) const {
    const auto it = lineOfRow.find(rowId);
    return it == lineOfRow.end() ? 0 : it->second;
}

namespace {

constexpr int kHeaderLine = 1;

// Field position of every header column, or the faults of the header.
class HeaderMap {
public:
    HeaderMap(const TableDef& def, const CsvRecord& header, const QString& file,
              Problems& problems) {
        const size_t before = problems.size();
        auto report = [&](const QString& field, const QString& message) {
            problems.push_back({file, header.line, field, message});
        };
        std::vector<bool> given(def.fields.size(), false);
        for (const QString& name : header.cells) {
            const int at = exactFieldIndex(def, name);
            if (at < 0) {
                report(name, QStringLiteral("is not a field of table %1").arg(def.name));
            } else if (given[static_cast<size_t>(at)]) {
                report(name, QStringLiteral("is named twice in the header"));
            } else if (def.fields[static_cast<size_t>(at)].type == FieldType::AutoInc) {
                report(name, QStringLiteral("is numbered by the table; leave it out of the file"));
            } else {
                given[static_cast<size_t>(at)] = true;
            }
            columns_.push_back(at);
        }
        for (size_t i = 0; i < def.fields.size(); ++i)
            if (!given[i] && def.fields[i].type != FieldType::AutoInc)
                report(def.fields[i].name, QStringLiteral("is missing from the header"));
        ok_ = problems.size() == before;
    }

    bool ok() const { return ok_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    int fieldOfColumn(int column) const { return columns_[static_cast<size_t>(column)]; }

private:
    // Header names must be the stored names letter for letter.
    static int exactFieldIndex(const TableDef& def, const QString& name) {
        for (size_t i = 0; i < def.fields.size(); ++i)
            if (def.fields[i].name == name)
                return static_cast<int>(i);
        return -1;
    }

    std::vector<int> columns_;
    bool ok_ = false;
};

// INSERT of every field but the AutoInc ones, values bound by field position.
class RowInserter {
public:
    RowInserter(QSqlDatabase db, const TableDef& def) : def_(def), query_(db) {
        QStringList columns, marks;
        for (const FieldDef& f : def.fields) {
            if (f.type == FieldType::AutoInc)
                continue;
            columns << store::quoteIdentifier(f.name);
            marks << QStringLiteral("?");
        }
        query_.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(store::quoteIdentifier(def.name), columns.join(QLatin1Char(',')),
                                marks.join(QLatin1Char(','))));
    }

    // The new row's id, or the database's reason for refusing it.
    std::variant<qint64, QString> insert(const std::vector<QVariant>& values) {
        int at = 0;
        for (size_t i = 0; i < def_.fields.size(); ++i) {
            if (def_.fields[i].type == FieldType::AutoInc)
                continue;
            query_.bindValue(at++, values[i].isNull() ? nullOf(def_.fields[i]) : values[i]);
        }
        if (!query_.exec())
            return query_.lastError().text();
        return query_.lastInsertId().toLongLong();
    }

private:
    static QVariant nullOf(const FieldDef& f) {
        switch (f.type) {
        case FieldType::Float:
            return QVariant(QMetaType::fromType<double>());
        case FieldType::Smallint:
        case FieldType::Boolean:
        case FieldType::AutoInc:
            return QVariant(QMetaType::fromType<int>());
        default:
            return QVariant(QMetaType::fromType<QString>());
        }
    }

    const TableDef& def_;
    QSqlQuery query_;
};

} // namespace

LoadedTable TableLoader::load(const QString& csvPath, Problems& problems) {
    LoadedTable loaded{QFileInfo(csvPath).fileName(), {}};
    const QString& file = loaded.file;
    CsvParseResult csv = readCsvFile(csvPath);
    if (csv.problem) {
        problems.push_back(*csv.problem);
        return loaded;
    }
    if (csv.records.empty()) {
        problems.push_back({file, kHeaderLine, {}, QStringLiteral("no header line")});
        return loaded;
    }
    const HeaderMap header(def_, csv.records.front(), file, problems);
    if (!header.ok())
        return loaded;

    UniqueKeys keys(def_);
    RowInserter inserter(db_, def_);
    for (size_t r = 1; r < csv.records.size(); ++r) {
        const CsvRecord& rec = csv.records[r];
        if (rec.cells.size() != header.columnCount()) {
            problems.push_back({file,
                                rec.line,
                                {},
                                QStringLiteral("%1 cells where the header names %2 fields")
                                    .arg(rec.cells.size())
                                    .arg(header.columnCount())});
            continue;
        }
        std::vector<QVariant> values(def_.fields.size());
        bool rowOk = true;
        for (int c = 0; c < header.columnCount(); ++c) {
            const FieldDef& field = def_.fields[static_cast<size_t>(header.fieldOfColumn(c))];
            CellValue cell = convertCell(field, rec.cells[c]);
            if (!cell.ok()) {
                problems.push_back({file, rec.line, field.name, cell.error});
                rowOk = false;
            }
            values[static_cast<size_t>(header.fieldOfColumn(c))] = std::move(cell.value);
        }
        if (!rowOk)
            continue;
        if (const auto clash = keys.add(values, rec.line)) {
            problems.push_back({file, rec.line, clash->index->fields.join(QStringLiteral(", ")),
                                QStringLiteral("repeats the key of line %1 (unique index '%2')")
                                    .arg(clash->firstLine)
                                    .arg(clash->index->name)});
            continue;
        }
        const auto inserted = inserter.insert(values);
        if (const QString* error = std::get_if<QString>(&inserted))
            problems.push_back({file, rec.line, {}, *error});
        else
            loaded.lineOfRow[std::get<qint64>(inserted)] = rec.line;
    }
    return loaded;
}

} // namespace kova::dbbuild
