#include "table.h"

#include "ddl.h"
#include "filterexpr.h"
#include "sqlitestatement.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace kova::store {

namespace {

bool isText(FieldType t) {
    return t == FieldType::String || t == FieldType::Memo;
}

// A stored value as the programs see it: Booleans as bool, numbers as numbers, text as text.
QVariant fromStorage(const FieldDef& f, const QVariant& v) {
    if (v.isNull())
        return {};
    switch (f.type) {
    case FieldType::Boolean:
        return v.toInt() != 0;
    case FieldType::Smallint:
    case FieldType::AutoInc:
        return v.toInt();
    case FieldType::Float:
        return v.toDouble();
    case FieldType::String:
    case FieldType::Memo:
        return v.toString();
    }
    return v;
}

QVariant toStorage(const FieldDef& f, const QVariant& v) {
    if (v.isNull())
        return QVariant();
    if (f.type == FieldType::Boolean)
        return v.toBool() ? 1 : 0;
    return v;
}

std::optional<bool> parseBoolean(const QVariant& v) {
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString s = v.toString().trimmed().toUpper();
    if (s == QLatin1String("T") || s == QLatin1String("TRUE") || s == QLatin1String("1") ||
        s == QLatin1String("Y") || s == QLatin1String("YES"))
        return true;
    if (s == QLatin1String("F") || s == QLatin1String("FALSE") || s == QLatin1String("0") ||
        s == QLatin1String("N") || s == QLatin1String("NO"))
        return false;
    return std::nullopt;
}

std::optional<double> parseNumber(const QVariant& v) {
    bool ok = false;
    const double d =
        v.typeId() == QMetaType::QString ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

} // namespace

Table::Table(const QString& tableName, const QString& alias, QObject* parent)
    : QObject(parent), alias_(alias) {
    if (!tableName.isEmpty())
        setTableName(tableName);
}

Table::~Table() {
    if (db_)
        db_->detach(this);
}

void Table::setTableName(const QString& name) {
    if (isOpen())
        close();
    def_ = findTable(name);
    if (!def_)
        error_ = QStringLiteral("Table '%1' is not a table of alias '%2'.").arg(name, alias_);
}

QString Table::tableName() const {
    return def_ ? def_->name : QString();
}

const TableDef& Table::def() const {
    static const TableDef none;
    return def_ ? *def_ : none;
}

void Table::setIndexName(const QString& indexName) {
    indexName_ = indexName;
    if (!isOpen() || !def_)
        return;
    const qint64 keep = currentRowId();
    index_ = def_->index(indexName_);
    keyFields_.clear();
    if (index_)
        for (const QString& f : index_->fields)
            keyFields_.push_back(def_->fieldIndex(f));
    hasRange_ = false;
    load();
    if (!moveToRowId(keep))
        first();
    emit rowsReset();
}

bool Table::fail(const QString& message) {
    error_ = message;
    return false;
}

bool Table::ensureDatabase() {
    if (!def_)
        return false;
    if (!db_) {
        QString err;
        db_ = Database::open(alias_, &err);
        if (!db_)
            return fail(err);
    }
    return true;
}

bool Table::open() {
    if (isOpen())
        return true;
    error_.clear();
    if (!def_)
        return fail(error_.isEmpty() ? QStringLiteral("No table name given.") : error_);
    if (!ensureDatabase())
        return false;
    if (!db_->hasTable(def_->name))
        return fail(
            QStringLiteral("Table '%1' does not exist in %2.").arg(def_->name, db_->describe()));
    index_ = def_->index(indexName_);
    if (!indexName_.isEmpty() && !index_)
        return fail(QStringLiteral("Index '%1' is not defined for %2.")
                        .arg(indexName_, db_->describeTable(def_->name)));
    keyFields_.clear();
    if (index_)
        for (const QString& f : index_->fields)
            keyFields_.push_back(def_->fieldIndex(f));
    current_ = Record(def_);
    buffer_ = Record(def_);
    if (!load())
        return false;
    db_->attach(this);
    state_ = EditState::Browse;
    first();
    emit stateChanged(state_);
    emit rowsReset();
    return true;
}

void Table::close() {
    if (!isOpen())
        return;
    if (db_)
        db_->detach(this);
    rows_.clear();
    lo_ = hi_ = 0;
    pos_ = -1;
    hasRange_ = false;
    currentLoaded_ = -1;
    selectQuery_.reset();
    insertStatement_.reset();
    updateStatement_.reset();
    setState(EditState::Inactive);
    emit rowsReset();
}

// --- loading and ordering ----------------------------------------------------------------

Table::KeyPart Table::keyPart(int fieldIndex, const QVariant& v) const {
    if (v.isNull() || fieldIndex < 0)
        return std::monostate{};
    const FieldDef& f = def_->fields[static_cast<size_t>(fieldIndex)];
    if (isText(f.type)) {
        const QString s = v.toString();
        if (s.isEmpty())
            return std::monostate{};
        return index_ && index_->caseInsensitive ? s.toCaseFolded() : s;
    }
    if (f.type == FieldType::Boolean)
        return parseBoolean(v).value_or(false) ? 1.0 : 0.0;
    if (const auto d = parseNumber(v))
        return *d;
    return std::monostate{};
}

std::vector<Table::KeyPart> Table::keyOf(const Record& r) const {
    std::vector<KeyPart> key;
    key.reserve(keyFields_.size());
    for (int fi : keyFields_)
        key.push_back(keyPart(fi, fromStorage(def_->fields[static_cast<size_t>(fi)], r.value(fi))));
    return key;
}

std::vector<Table::KeyPart> Table::searchKey(const QVariantList& key) const {
    std::vector<KeyPart> out;
    for (size_t i = 0; i < keyFields_.size() && i < static_cast<size_t>(key.size()); ++i)
        out.push_back(keyPart(keyFields_[i], key[static_cast<qsizetype>(i)]));
    return out;
}

int Table::compareKeys(const std::vector<KeyPart>& a, const std::vector<KeyPart>& b, size_t parts) {
    for (size_t i = 0; i < parts && i < a.size() && i < b.size(); ++i) {
        if (a[i].index() != b[i].index())
            return a[i].index() < b[i].index() ? -1 : 1;
        if (const auto* da = std::get_if<double>(&a[i])) {
            const double db = std::get<double>(b[i]);
            if (*da != db)
                return *da < db ? -1 : 1;
        } else if (const auto* sa = std::get_if<QString>(&a[i])) {
            const int c = sa->compare(std::get<QString>(b[i]));
            if (c != 0)
                return c < 0 ? -1 : 1;
        }
    }
    return 0;
}

bool Table::rowLess(const Row& a, const Row& b) const {
    const int c = compareKeys(keys_[a.key], keys_[b.key], keyFields_.size());
    return c != 0 ? c < 0 : a.rowId < b.rowId;
}

bool Table::accepts(const Record& r) const {
    if (!filtered_)
        return true;
    for (const Condition& c : conditions_) {
        const FieldDef& f = def_->fields[static_cast<size_t>(c.field)];
        const QVariant v = fromStorage(f, r.value(c.field));
        int cmp = 0;
        if (isText(f.type)) {
            cmp = v.toString().compare(c.value.toString()); // exact, as name comparisons are
        } else if (v.isNull()) {
            if (c.op != QLatin1String("<>"))
                return false;
            continue;
        } else {
            const double a = v.toDouble(), b = c.value.toDouble();
            cmp = a < b ? -1 : (a > b ? 1 : 0);
        }
        const bool ok =
            (c.op == QLatin1String("=") && cmp == 0) || (c.op == QLatin1String("<>") && cmp != 0) ||
            (c.op == QLatin1String("<") && cmp < 0) || (c.op == QLatin1String("<=") && cmp <= 0) ||
            (c.op == QLatin1String(">") && cmp > 0) || (c.op == QLatin1String(">=") && cmp >= 0);
        if (!ok)
            return false;
    }
    if (recordFilter_) {
        Record typed(def_);
        for (int i = 0; i < r.count(); ++i)
            typed.setRaw(i, fromStorage(def_->fields[static_cast<size_t>(i)], r.value(i)));
        return recordFilter_(typed);
    }
    return true;
}

bool Table::load() {
    stale_ = false;
    rows_.clear();
    // Rows come in index order from SQLite; their keys are read only when a search, a range
    // or a posted row first needs them (ensureKeys), which keeps opening a large table cheap.
    std::vector<int> cols;
    if (filtered_ && recordFilter_) {
        for (int i = 0; i < static_cast<int>(def_->fields.size()); ++i)
            cols.push_back(i);
    } else if (filtered_) {
        for (const Condition& c : conditions_)
            if (std::find(cols.begin(), cols.end(), c.field) == cols.end())
                cols.push_back(c.field);
    }
    QSqlQuery q(db_->connection());
    q.setForwardOnly(true);
    if (!q.exec(selectStatement(cols, true)))
        return fail(
            QStringLiteral("%1: %2").arg(db_->describeTable(def_->name), q.lastError().text()));
    Record r(def_);
    while (q.next()) {
        for (size_t i = 0; i < cols.size(); ++i)
            r.setRaw(cols[i], q.value(static_cast<int>(i) + 1));
        if (accepts(r))
            rows_.push_back(Row{q.value(0).toLongLong(), 0});
    }
    keys_.assign(1, {}); // every row shares the empty key until the keys are read
    keysLoaded_ = keyFields_.empty();
    if (hasRange_)
        ensureKeys();
    updateRangeBounds();
    currentLoaded_ = -1;
    return true;
}

QString Table::selectStatement(const std::vector<int>& cols, bool ordered) const {
    QStringList names{QStringLiteral("rowid")};
    for (int c : cols)
        names << quoteIdentifier(def_->fields[static_cast<size_t>(c)].name);
    QString sql = QStringLiteral("SELECT %1 FROM %2")
                      .arg(names.join(QStringLiteral(", ")), quoteIdentifier(def_->name));
    if (ordered) {
        QStringList order;
        for (int k : keyFields_) {
            const FieldDef& f = def_->fields[static_cast<size_t>(k)];
            order << quoteIdentifier(f.name) + (index_->caseInsensitive && isText(f.type)
                                                    ? QStringLiteral(" COLLATE NOCASE")
                                                    : QString());
        }
        order << QStringLiteral("rowid");
        sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    }
    return sql;
}

void Table::ensureKeys() {
    if (keysLoaded_)
        return;
    keysLoaded_ = true;
    QSqlQuery q(db_->connection());
    q.setForwardOnly(true);
    if (!q.exec(selectStatement(keyFields_, false)))
        return;
    keys_.clear();
    std::unordered_map<qint64, std::vector<KeyPart>> keys;
    keys.reserve(rows_.size());
    Record r(def_);
    while (q.next()) {
        for (size_t i = 0; i < keyFields_.size(); ++i)
            r.setRaw(keyFields_[i], q.value(static_cast<int>(i) + 1));
        keys.emplace(q.value(0).toLongLong(), keyOf(r));
    }
    for (Row& row : rows_) {
        row.key = keys_.size();
        keys_.push_back(std::move(keys[row.rowId]));
    }
    // The cursor's own comparison is authoritative: SQLite folds only ASCII letters.
    const auto less = [this](const Row& a, const Row& b) { return rowLess(a, b); };
    if (!std::is_sorted(rows_.begin(), rows_.end(), less)) {
        const qint64 keep = currentRowId();
        std::sort(rows_.begin(), rows_.end(), less);
        updateRangeBounds();
        moveToRowId(keep);
    }
}

void Table::updateRangeBounds() {
    if (hasRange_)
        ensureKeys();
    if (!hasRange_) {
        lo_ = 0;
        hi_ = rows_.size();
        return;
    }
    const size_t sp = rangeStart_.size(), ep = rangeEnd_.size();
    lo_ = static_cast<size_t>(
        std::lower_bound(rows_.begin(), rows_.end(), rangeStart_,
                         [this, sp](const Row& r, const std::vector<KeyPart>& k) {
                             return compareKeys(keys_[r.key], k, sp) < 0;
                         }) -
        rows_.begin());
    hi_ = static_cast<size_t>(
        std::upper_bound(rows_.begin(), rows_.end(), rangeEnd_,
                         [this, ep](const std::vector<KeyPart>& k, const Row& r) {
                             return compareKeys(keys_[r.key], k, ep) > 0;
                         }) -
        rows_.begin());
    if (hi_ < lo_)
        hi_ = lo_;
}

void Table::markStale() {
    if (stale_)
        return;
    stale_ = true;
    emit rowsReset();
}

void Table::ensureFresh() const {
    if (stale_ && isOpen())
        const_cast<Table*>(this)->refresh();
}

void Table::refresh() {
    if (!isOpen())
        return;
    const qint64 keep = currentRowId();
    const int oldPos = pos_;
    load();
    if (!moveToRowId(keep))
        setPosition(std::min(oldPos, recordCount() - 1));
    emit rowsReset();
    emit currentChanged();
}

// --- navigation ---------------------------------------------------------------------------

int Table::recordCount() const {
    ensureFresh();
    return static_cast<int>(hi_ - lo_);
}

int Table::recNo() const {
    ensureFresh();
    return pos_;
}

qint64 Table::currentRowId() const {
    if (pos_ < 0 || lo_ + static_cast<size_t>(pos_) >= hi_)
        return -1;
    return rows_[lo_ + static_cast<size_t>(pos_)].rowId;
}

void Table::setPosition(int visiblePos) {
    const int count = static_cast<int>(hi_ - lo_);
    const int p = count == 0 ? -1 : std::clamp(visiblePos, 0, count - 1);
    const bool moved = p != pos_;
    pos_ = p;
    if (moved)
        emit currentChanged();
}

// Moving away from a row being edited posts it first, as the data-aware controls expect.
bool Table::leaveEdit() {
    return (state_ != EditState::Edit && state_ != EditState::Insert) || post();
}

void Table::first() {
    if (!leaveEdit())
        return;
    ensureFresh();
    setPosition(0);
    bof_ = true;
    eof_ = recordCount() == 0;
}

void Table::last() {
    if (!leaveEdit())
        return;
    ensureFresh();
    setPosition(recordCount() - 1);
    eof_ = true;
    bof_ = recordCount() == 0;
}

bool Table::next() {
    if (!leaveEdit())
        return false;
    ensureFresh();
    if (pos_ + 1 >= recordCount()) {
        eof_ = true;
        return false;
    }
    setPosition(pos_ + 1);
    bof_ = eof_ = false;
    return true;
}

bool Table::prior() {
    if (!leaveEdit())
        return false;
    ensureFresh();
    if (pos_ <= 0) {
        bof_ = true;
        return false;
    }
    setPosition(pos_ - 1);
    bof_ = eof_ = false;
    return true;
}

bool Table::eof() const {
    ensureFresh();
    return eof_ || recordCount() == 0;
}

bool Table::bof() const {
    ensureFresh();
    return bof_ || recordCount() == 0;
}

bool Table::moveTo(int position) {
    if (!leaveEdit())
        return false;
    ensureFresh();
    if (position < 0 || position >= recordCount())
        return false;
    setPosition(position);
    bof_ = eof_ = false;
    return true;
}

bool Table::moveToRowId(qint64 rowId) {
    if (rowId < 0)
        return false;
    for (size_t i = lo_; i < hi_; ++i)
        if (rows_[i].rowId == rowId) {
            setPosition(static_cast<int>(i - lo_));
            bof_ = eof_ = false;
            return true;
        }
    return false;
}

// --- keys ---------------------------------------------------------------------------------

// First visible row whose leading key fields are not less than `key`, as a visible
// position (recordCount() when none is); `exact` tells whether that row's key equals it.
int Table::seek(const QVariantList& key, bool* exact) {
    ensureFresh();
    ensureKeys();
    const auto k = searchKey(key);
    const size_t parts = k.size();
    const auto begin = rows_.begin() + static_cast<std::ptrdiff_t>(lo_);
    const auto end = rows_.begin() + static_cast<std::ptrdiff_t>(hi_);
    const auto it = std::lower_bound(begin, end, k, [this, parts](const Row& r, const auto& kk) {
        return compareKeys(keys_[r.key], kk, parts) < 0;
    });
    *exact = it != end && compareKeys(keys_[it->key], k, parts) == 0;
    return static_cast<int>(it - begin);
}

bool Table::findKey(const QVariantList& key) {
    if (!leaveEdit())
        return false;
    bool exact = false;
    const int at = seek(key, &exact);
    if (!exact)
        return false;
    setPosition(at);
    bof_ = eof_ = false;
    return true;
}

void Table::findNearest(const QVariantList& key) {
    if (!leaveEdit())
        return;
    bool exact = false;
    const int at = seek(key, &exact);
    // Past the end: the last row, as the reference-table lookups expect.
    setPosition(std::min(at, recordCount() - 1));
    bof_ = eof_ = false;
}

void Table::setRange(const QVariantList& start, const QVariantList& end) {
    if (!leaveEdit())
        return;
    ensureFresh();
    ensureKeys();
    rangeStart_ = searchKey(start);
    rangeEnd_ = searchKey(end);
    hasRange_ = true;
    updateRangeBounds();
    pos_ = -1;
    first();
    emit rowsReset();
    emit currentChanged();
}

void Table::cancelRange() {
    if (!hasRange_)
        return;
    if (!leaveEdit())
        return;
    const qint64 keep = currentRowId();
    hasRange_ = false;
    updateRangeBounds();
    if (!moveToRowId(keep))
        first();
    emit rowsReset();
    emit currentChanged();
}

// --- filters ------------------------------------------------------------------------------

bool Table::setFilter(const QString& expression) {
    const auto terms = parseFilter(expression, &error_);
    if (!terms)
        return false;
    std::vector<Condition> conditions;
    for (const FilterTerm& t : *terms) {
        const int fi = def_ ? def_->fieldIndex(t.field) : -1;
        if (fi < 0)
            return fail(QStringLiteral("Filter names an unknown field '%1' of table '%2'.")
                            .arg(t.field, tableName()));
        const FieldDef& f = def_->fields[static_cast<size_t>(fi)];
        QVariant v = t.value;
        if (f.type == FieldType::Boolean)
            v = parseBoolean(t.value).value_or(false) ? 1.0 : 0.0;
        else if (!isText(f.type))
            v = parseNumber(t.value).value_or(0.0);
        conditions.push_back(Condition{fi, t.op, v});
    }
    filterText_ = expression;
    conditions_ = std::move(conditions);
    if (isOpen() && filtered_) {
        load();
        pos_ = -1;
        first();
        emit rowsReset();
    }
    return true;
}

void Table::setRecordFilter(RecordFilter filter) {
    recordFilter_ = std::move(filter);
    if (isOpen() && filtered_) {
        load();
        pos_ = -1;
        first();
        emit rowsReset();
    }
}

void Table::setFiltered(bool on) {
    if (filtered_ == on)
        return;
    if (!leaveEdit())
        return;
    filtered_ = on;
    if (isOpen()) {
        const qint64 keep = currentRowId();
        load();
        pos_ = -1;
        if (!moveToRowId(keep))
            first();
        emit rowsReset();
        emit currentChanged();
    }
}

// --- fields -------------------------------------------------------------------------------

bool Table::readRow(qint64 rowId, Record* out) const {
    if (!selectQuery_) {
        QStringList names;
        for (const FieldDef& f : def_->fields)
            names << quoteIdentifier(f.name);
        selectQuery_ = std::make_unique<QSqlQuery>(db_->connection());
        selectQuery_->prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                .arg(names.join(QStringLiteral(", ")), quoteIdentifier(def_->name)));
    }
    QSqlQuery& q = *selectQuery_;
    q.addBindValue(rowId);
    const bool found = q.exec() && q.next();
    if (found)
        for (int i = 0; i < static_cast<int>(def_->fields.size()); ++i)
            out->setRaw(i, fromStorage(def_->fields[static_cast<size_t>(i)], q.value(i)));
    q.finish(); // a statement left open would hold a read lock against other programs
    return found;
}

const Record& Table::record() const {
    if (state_ == EditState::Edit || state_ == EditState::Insert)
        return buffer_;
    ensureFresh();
    const qint64 id = currentRowId();
    if (id != currentLoaded_) {
        current_ = Record(def_);
        if (id >= 0)
            readRow(id, &current_);
        currentLoaded_ = id;
    }
    return current_;
}

int Table::knownField(const QString& field) const {
    return def_ ? checkedFieldIndex(*def_, field, &error_) : -1;
}

QVariant Table::value(const QString& field) const {
    const int index = knownField(field);
    return index < 0 ? QVariant() : record().value(index);
}
QString Table::asString(const QString& field) const {
    return value(field).toString();
}
double Table::asFloat(const QString& field) const {
    return value(field).toDouble();
}
int Table::asInt(const QString& field) const {
    return value(field).toInt();
}
bool Table::asBool(const QString& field) const {
    return value(field).toBool();
}
bool Table::isNull(const QString& field) const {
    return value(field).isNull();
}

bool Table::setValue(const QString& field, const QVariant& value) {
    if (state_ != EditState::Edit && state_ != EditState::Insert)
        return fail(QStringLiteral("%1 is not in edit or insert mode.")
                        .arg(db_ ? db_->describeTable(tableName()) : tableName()));
    const int fi = knownField(field);
    if (fi < 0)
        return false;
    const FieldDef& f = def_->fields[static_cast<size_t>(fi)];
    const auto bad = [&](const QString& why) {
        return fail(QStringLiteral("Field '%1' of %2: %3")
                        .arg(f.name, db_->describeTable(tableName()), why));
    };
    QVariant stored;
    const bool empty = value.isNull() || (value.typeId() == QMetaType::QString &&
                                          value.toString().trimmed().isEmpty() &&
                                          f.type != FieldType::String && f.type != FieldType::Memo);
    if (f.type == FieldType::AutoInc)
        return bad(QStringLiteral("the value is assigned by the table and cannot be changed."));
    if (!empty) {
        switch (f.type) {
        case FieldType::String: {
            const QString s = value.toString();
            if (!s.isEmpty())
                stored = f.width > 0 ? s.left(f.width) : s;
            break;
        }
        case FieldType::Memo:
            if (!value.toString().isEmpty())
                stored = value.toString();
            break;
        case FieldType::Float: {
            const auto d = parseNumber(value);
            if (!d)
                return bad(QStringLiteral("'%1' is not a valid number.").arg(value.toString()));
            stored = *d;
            break;
        }
        case FieldType::Smallint: {
            const auto d = parseNumber(value);
            if (!d || *d != std::floor(*d))
                return bad(QStringLiteral("'%1' is not a whole number.").arg(value.toString()));
            if (*d < -32768 || *d > 32767)
                return bad(
                    QStringLiteral("%1 is out of range (-32768 to 32767).").arg(value.toString()));
            stored = static_cast<int>(*d);
            break;
        }
        case FieldType::Boolean: {
            const auto b = parseBoolean(value);
            if (!b)
                return bad(QStringLiteral("'%1' is not True or False.").arg(value.toString()));
            stored = *b;
            break;
        }
        case FieldType::AutoInc:
            break;
        }
    }
    buffer_.setRaw(fi, stored);
    emit fieldChanged(f.name);
    return true;
}

// --- editing ------------------------------------------------------------------------------

void Table::setState(EditState s) {
    if (state_ == s)
        return;
    state_ = s;
    emit stateChanged(s);
}

bool Table::edit() {
    if (state_ == EditState::Edit || state_ == EditState::Insert)
        return true;
    if (state_ != EditState::Browse)
        return fail(QStringLiteral("Table '%1' is not open.").arg(tableName()));
    ensureFresh();
    if (currentRowId() < 0)
        return fail(
            QStringLiteral("%1 has no current row to edit.").arg(db_->describeTable(tableName())));
    buffer_ = record();
    editRowId_ = currentRowId();
    setState(EditState::Edit);
    return true;
}

bool Table::insert() {
    if (!isOpen())
        return fail(QStringLiteral("Table '%1' is not open.").arg(tableName()));
    if (!leaveEdit())
        return false;
    buffer_ = Record(def_);
    editRowId_ = -1;
    setState(EditState::Insert);
    emit currentChanged();
    return true;
}

bool Table::append() {
    return insert();
}

bool Table::checkRequired() {
    // Every missing field at once, so the row can be completed in one go.
    QStringList& missing = refusal_.missingFields;
    for (int i = 0; i < static_cast<int>(def_->fields.size()); ++i) {
        const FieldDef& f = def_->fields[static_cast<size_t>(i)];
        const QVariant v = buffer_.value(i);
        if (f.required && (v.isNull() || (isText(f.type) && v.toString().isEmpty())))
            missing << f.name;
    }
    if (missing.isEmpty())
        return true;
    return fail(QStringLiteral("%1 '%2' of %3 must have a value.")
                    .arg(missing.size() == 1 ? QStringLiteral("Field") : QStringLiteral("Fields"),
                         missing.join(QStringLiteral("', '")), db_->describeTable(tableName())));
}

QString Table::uniqueViolation(const QString& sqlError) {
    // SQLite names the columns of the violated key: "UNIQUE constraint failed: T.a, T.b".
    for (const IndexDef& ix : def_->indexes) {
        if (!ix.unique)
            continue;
        bool all = true;
        for (const QString& f : ix.fields)
            all = all && sqlError.contains(def_->name + QLatin1Char('.') + f);
        if (all) {
            refusal_.duplicateKey = ix.fields;
            QStringList quoted;
            for (const QString& f : ix.fields)
                quoted << QLatin1Char('\'') + f + QLatin1Char('\'');
            return QStringLiteral("Key violation in %1: another row already has the same %2%3.")
                .arg(db_->describeTable(tableName()), quoted.join(QStringLiteral(", ")),
                     ix.name.isEmpty() ? QString() : QStringLiteral(" (index '%1')").arg(ix.name));
        }
    }
    return QStringLiteral("Key violation in %1: %2").arg(db_->describeTable(tableName()), sqlError);
}

SqliteStatement& Table::writeStatement(bool inserting) {
    auto& cached = inserting ? insertStatement_ : updateStatement_;
    if (!cached) {
        QStringList cols, marks;
        for (const FieldDef& f : def_->fields) {
            if (f.type == FieldType::AutoInc)
                continue;
            cols << quoteIdentifier(f.name);
            marks << QStringLiteral("?");
        }
        cached = std::make_unique<SqliteStatement>(
            db_->connection(),
            inserting ? QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoteIdentifier(def_->name), cols.join(QStringLiteral(", ")),
                                 marks.join(QStringLiteral(", ")))
                      : QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                            .arg(quoteIdentifier(def_->name), cols.join(QStringLiteral(" = ?, "))));
    }
    return *cached;
}

bool Table::writeBuffer(qint64* rowId) {
    const bool inserting = state_ == EditState::Insert;
    SqliteStatement& st = writeStatement(inserting);
    int position = 0;
    for (int i = 0; i < static_cast<int>(def_->fields.size()); ++i) {
        const FieldDef& f = def_->fields[static_cast<size_t>(i)];
        if (f.type != FieldType::AutoInc)
            st.bind(++position, toStorage(f, buffer_.value(i)));
    }
    if (!inserting)
        st.bind(++position, editRowId_);
    if (!st.run()) {
        const QString err = st.error();
        if (err.contains(QLatin1String("UNIQUE constraint failed")))
            return fail(uniqueViolation(err));
        return fail(QStringLiteral("%1: %2").arg(db_->describeTable(tableName()), err));
    }
    *rowId = inserting ? st.lastInsertRowId() : editRowId_;
    return true;
}

void Table::dropRow(qint64 rowId) {
    const auto it = std::find_if(rows_.begin(), rows_.end(),
                                 [rowId](const Row& r) { return r.rowId == rowId; });
    if (it != rows_.end())
        rows_.erase(it);
}

std::optional<size_t> Table::placeRow(qint64 rowId, const Record& r) {
    if (!accepts(r))
        return std::nullopt;
    ensureKeys();
    keys_.push_back(keyOf(r));
    Row row{rowId, keys_.size() - 1};
    const auto at = std::upper_bound(rows_.begin(), rows_.end(), row,
                                     [this](const Row& a, const Row& b) { return rowLess(a, b); });
    // The insert may move the rows: the distance is taken from the moved vector's begin, never
    // from one read before the insert (the two sides of a '-' are evaluated in any order).
    const auto inserted = rows_.insert(at, std::move(row));
    return static_cast<size_t>(inserted - rows_.begin());
}

bool Table::post() {
    refusal_ = {};
    if (state_ == EditState::Browse)
        return true;
    if (state_ != EditState::Edit && state_ != EditState::Insert)
        return fail(QStringLiteral("Table '%1' is not open.").arg(tableName()));
    if (db_->isReadOnly(def_->name))
        return fail(QStringLiteral("%1 is read-only; the row was not saved.")
                        .arg(db_->describeTable(tableName())));
    if (!checkRequired())
        return false;
    qint64 rowId = -1;
    if (!writeBuffer(&rowId))
        return false;
    // What was stored is the buffer; an AutoInc field is the row id SQLite assigned.
    Record stored = buffer_;
    for (int i = 0; i < stored.count(); ++i)
        if (def_->fields[static_cast<size_t>(i)].type == FieldType::AutoInc)
            stored.setRaw(i, static_cast<int>(rowId));
    if (state_ == EditState::Edit)
        dropRow(rowId);
    const auto placed = placeRow(rowId, stored);
    updateRangeBounds();
    current_ = stored;
    currentLoaded_ = rowId;
    state_ = EditState::Browse;
    if (placed && *placed >= lo_ && *placed < hi_) {
        setPosition(static_cast<int>(*placed - lo_));
        bof_ = eof_ = false;
    } else {
        setPosition(std::min(pos_, recordCount() - 1)); // the filter or range hides it
    }
    db_->tableChanged(def_->name, this);
    emit stateChanged(state_);
    emit rowsReset();
    emit currentChanged();
    return true;
}

void Table::cancel() {
    if (state_ != EditState::Edit && state_ != EditState::Insert)
        return;
    setState(EditState::Browse);
    emit currentChanged();
}

bool Table::remove() {
    if (state_ == EditState::Insert) {
        cancel();
        return true;
    }
    if (state_ == EditState::Edit)
        cancel();
    if (state_ != EditState::Browse)
        return fail(QStringLiteral("Table '%1' is not open.").arg(tableName()));
    const qint64 id = currentRowId();
    if (id < 0)
        return fail(QStringLiteral("%1 has no current row to delete.")
                        .arg(db_->describeTable(tableName())));
    if (db_->isReadOnly(def_->name))
        return fail(QStringLiteral("%1 is read-only; the row was not deleted.")
                        .arg(db_->describeTable(tableName())));
    QSqlQuery q(db_->connection());
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoteIdentifier(def_->name)));
    q.addBindValue(id);
    if (!q.exec())
        return fail(
            QStringLiteral("%1: %2").arg(db_->describeTable(tableName()), q.lastError().text()));
    const int oldPos = pos_;
    dropRow(id);
    updateRangeBounds();
    pos_ = -1;
    setPosition(std::min(oldPos, recordCount() - 1));
    db_->tableChanged(def_->name, this);
    emit rowsReset();
    emit currentChanged();
    return true;
}

bool Table::emptyTable() {
    if (!ensureDatabase())
        return false;
    if (db_->isReadOnly(def_->name))
        return fail(QStringLiteral("%1 is read-only.").arg(db_->describeTable(tableName())));
    if (state_ == EditState::Edit || state_ == EditState::Insert)
        cancel();
    QSqlQuery q(db_->connection());
    if (!q.exec(QStringLiteral("DELETE FROM %1").arg(quoteIdentifier(def_->name))))
        return fail(
            QStringLiteral("%1: %2").arg(db_->describeTable(tableName()), q.lastError().text()));
    rows_.clear();
    updateRangeBounds();
    pos_ = -1;
    db_->tableChanged(def_->name, this);
    emit rowsReset();
    emit currentChanged();
    return true;
}

} // namespace kova::store
