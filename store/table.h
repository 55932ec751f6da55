#pragma once
// A cursor over one table of the database: the current row, navigation in the order of the
// selected index, ranges on that index, nearest-key and exact-key positioning, record
// filters, and editing with post/cancel. Field rules (widths, ranges, required fields,
// unique keys) are enforced here so every program gets the same behaviour.

#include "database.h"
#include "record.h"
#include "schema.h"

#include <QObject>
#include <QSqlQuery>
#include <QVariantList>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace kova::store {

class SqliteStatement;

enum class EditState { Inactive, Browse, Edit, Insert };

class Table : public QObject {
    Q_OBJECT
public:
    using RecordFilter = std::function<bool(const Record&)>;

    explicit Table(const QString& tableName = {}, const QString& alias = kDefaultAlias,
                   QObject* parent = nullptr);
    ~Table() override;

    // --- opening -------------------------------------------------------------------------
    void setTableName(const QString& name); // while closed; extension and case do not matter
    QString tableName() const;              // canonical ("KovaWkCrop")
    const TableDef& def() const;
    void setIndexName(const QString& indexName); // "" = primary key (or natural order)
    QString indexName() const { return indexName_; }
    const IndexDef* currentIndex() const { return index_; }

    bool open();
    void close();
    bool isOpen() const { return state_ != EditState::Inactive; }
    // The last failure of open/post/setValue/remove, naming alias, file, table and field; also
    // the last field name asked for that the table does not have (a fault in the caller).
    QString errorString() const { return error_; }
    Database* database() const { return db_.get(); }

    // --- navigation ----------------------------------------------------------------------
    void first();
    void last();
    bool next();  // false (and eof) past the last row
    bool prior(); // false (and bof) before the first row
    bool eof() const;
    bool bof() const;
    int recordCount() const;
    int recNo() const; // 0-based position of the current row; -1 when empty
    bool moveTo(int position);
    bool isEmpty() const { return recordCount() == 0; }
    qint64 currentRowId() const;
    bool moveToRowId(qint64 rowId);

    // --- keys on the current index -----------------------------------------------------
    // Exact search on the leading fields of the index: true and positioned when found, else
    // false and the position is unchanged.
    bool findKey(const QVariantList& key);
    // First row whose key is not less than `key`; past the end: the last row.
    void findNearest(const QVariantList& key);
    // Shows only rows whose leading key fields lie between start and end (inclusive).
    void setRange(const QVariantList& start, const QVariantList& end);
    void cancelRange();
    bool hasRange() const { return hasRange_; }

    // --- filters -----------------------------------------------------------------------
    // Expression of the form "Field = 'value'" (also <>, <, <=, >, >=; several joined by
    // "and"). The text between the first and the last quote is the value, so a value may hold
    // apostrophes ("County = 'O'Brien, IA'"). Field names may be bracketed: [Station Name].
    bool setFilter(const QString& expression);
    QString filter() const { return filterText_; }
    void setRecordFilter(RecordFilter filter); // per-table callback
    void setFiltered(bool on);                 // applies expression and callback
    bool filtered() const { return filtered_; }

    // --- fields --------------------------------------------------------------------------
    const Record& record() const; // the current row (or the edit buffer while editing)
    QVariant value(const QString& field) const;
    QString asString(const QString& field) const;
    double asFloat(const QString& field) const;
    int asInt(const QString& field) const;
    bool asBool(const QString& field) const;
    bool isNull(const QString& field) const;
    // A field name the table does not have stops a debug build; a release build reads null
    // (or refuses the write) and errorString() names the table and the field.
    // Only in Edit or Insert. Strings keep their first n characters; Smallint is range
    // checked; AutoInc is read-only. Empty text clears the field. False with errorString().
    bool setValue(const QString& field, const QVariant& value);

    // --- editing -------------------------------------------------------------------------
    EditState state() const { return state_; }
    bool edit();
    bool insert(); // new row at the current position
    bool append(); // new row at the end
    // Checks required fields and unique keys; on failure the row stays in edit and
    // errorString() names the table and every missing field, or the key.
    bool post();
    // Why the last post was refused, so windows can say it in the user's words; empty after a
    // post that went through or failed for another reason.
    struct PostRefusal {
        QStringList missingFields; // required fields left empty, in declaration order
        QStringList duplicateKey;  // fields of a unique key another row already holds
    };
    const PostRefusal& postRefusal() const { return refusal_; }
    void cancel();
    bool remove();     // deletes the current row; the cursor moves to the next one
    bool emptyTable(); // deletes every row
    void refresh();    // re-reads rows, keeping the current row when it is still shown

signals:
    void currentChanged(); // another row became current (or rows reloaded)
    void stateChanged(kova::store::EditState state);
    void fieldChanged(const QString& field); // a value of the edit buffer changed
    void rowsReset();                        // order, range, filter or contents changed

private:
    friend class Database;
    using KeyPart = std::variant<std::monostate, double, QString>;
    // Rows stay small and trivially movable; their keys live in keys_ (rows are inserted in
    // the middle of rows_ on every post).
    struct Row {
        qint64 rowId = 0;
        size_t key = 0; // index into keys_
    };

    bool ensureDatabase();
    void markStale();
    void ensureFresh() const;
    bool load();
    KeyPart keyPart(int fieldIndex, const QVariant& v) const;
    std::vector<KeyPart> keyOf(const Record& r) const;
    std::vector<KeyPart> searchKey(const QVariantList& key) const;
    static int compareKeys(const std::vector<KeyPart>& a, const std::vector<KeyPart>& b,
                           size_t parts);
    bool rowLess(const Row& a, const Row& b) const;
    bool accepts(const Record& r) const;
    void updateRangeBounds();
    bool readRow(qint64 rowId, Record* out) const;
    std::optional<size_t> placeRow(qint64 rowId, const Record& r); // index in rows_
    void ensureKeys();
    int seek(const QVariantList& key, bool* exact);
    QString selectStatement(const std::vector<int>& cols, bool ordered) const;
    void dropRow(qint64 rowId);
    void setPosition(int visiblePos);
    void setState(EditState s);
    bool leaveEdit();
    bool fail(const QString& message);
    int knownField(const QString& field) const; // -1 (reported) when not declared
    bool checkRequired();
    bool writeBuffer(qint64* rowId);
    SqliteStatement& writeStatement(bool inserting);
    QString uniqueViolation(const QString& sqlError);

    struct Condition {
        int field = -1;
        QString op;
        QVariant value;
    };

    QString alias_;
    const TableDef* def_ = nullptr;
    std::shared_ptr<Database> db_;
    QString indexName_;
    const IndexDef* index_ = nullptr;
    std::vector<int> keyFields_;

    std::vector<Row> rows_; // rows passing the filters, in index order
    std::vector<std::vector<KeyPart>> keys_;
    size_t lo_ = 0, hi_ = 0; // visible rows: rows_[lo_, hi_)
    bool hasRange_ = false;
    std::vector<KeyPart> rangeStart_, rangeEnd_;
    int pos_ = -1; // visible position of the current row
    bool eof_ = true, bof_ = true;

    QString filterText_;
    std::vector<Condition> conditions_;
    RecordFilter recordFilter_;
    bool filtered_ = false;

    EditState state_ = EditState::Inactive;
    mutable Record current_;
    mutable qint64 currentLoaded_ = -1;
    Record buffer_;
    qint64 editRowId_ = -1;
    bool stale_ = false;
    bool keysLoaded_ = false;
    mutable QString error_; // reads of unknown fields report here too
    PostRefusal refusal_;
    // Prepared once per open table; declared last so they go before the database does.
    mutable std::unique_ptr<QSqlQuery> selectQuery_;
    std::unique_ptr<SqliteStatement> insertStatement_, updateStatement_;
};

} // namespace kova::store
