#include "tablemodel.h"

#include <QColor>

namespace kova::ui {

using store::EditState;

TableModel::TableModel(DataSource* source, std::vector<GridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), source_(source), columns_(std::move(columns)) {
    store::Table* table = source_->table();
    connect(table, &store::Table::rowsReset, this, &TableModel::reload);
    connect(table, &store::Table::stateChanged, this, &TableModel::stateChanged);
    connect(table, &store::Table::currentChanged, this, &TableModel::refreshCurrentRow);
    connect(table, &store::Table::fieldChanged, this, &TableModel::refreshCurrentRow);
    reload();
}

QStringList TableModel::fieldNames() const {
    QStringList names;
    for (const GridColumn& column : columns_)
        names << column.field;
    return names;
}

int TableModel::pendingInsertRow() const {
    if (source_->table()->state() != EditState::Insert)
        return -1;
    return std::max(source_->table()->recNo(), 0);
}

int TableModel::currentRow() const {
    return insertAt_ >= 0 ? insertAt_ : source_->table()->recNo();
}

void TableModel::stateChanged() {
    // Entering or leaving an insert adds or takes away a row; other changes keep the rows.
    if ((pendingInsertRow() >= 0) != (insertAt_ >= 0))
        reload();
    else
        refreshCurrentRow();
}

void TableModel::reload() {
    // Reading the rows walks the cursor, which is only done while the table browses; in edit
    // the rows read last stay and the current row shows the edit buffer.
    if (reloading_)
        return;
    reloading_ = true;
    beginResetModel();
    store::Table* table = source_->table();
    if (table->state() == EditState::Browse)
        rows_ = TableScan::rows(*table, fieldNames());
    else if (table->state() == EditState::Inactive)
        rows_.clear();
    insertAt_ = pendingInsertRow();
    endResetModel();
    reloading_ = false;
    emit currentRowChanged(currentRow());
}

void TableModel::refreshCurrentRow() {
    if (reloading_)
        return;
    store::Table* table = source_->table();
    if (table->state() == EditState::Browse &&
        table->recordCount() != static_cast<int>(rows_.size())) {
        reload();
        return;
    }
    const int row = currentRow();
    if (row >= 0 && row < rowCount()) {
        if (insertAt_ < 0 && row < static_cast<int>(rows_.size()) &&
            table->state() == EditState::Browse) {
            std::vector<QVariant>& cached = rows_[static_cast<size_t>(row)];
            for (size_t c = 0; c < columns_.size(); ++c)
                cached[c] = table->value(columns_[c].field);
        }
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
    emit currentRowChanged(row);
}

int TableModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(rows_.size()) + (insertAt_ >= 0 ? 1 : 0);
}

int TableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

void TableModel::setRowNote(RowNote note) {
    rowNote_ = std::move(note);
    notesChanged();
}

void TableModel::notesChanged() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::ForegroundRole, Qt::ToolTipRole});
}

QString TableModel::noteOf(int row) const {
    if (!rowNote_ || row < 0)
        return {};
    std::vector<QVariant> values;
    for (int c = 0; c < columnCount(); ++c)
        values.push_back(data(index(row, c), Qt::EditRole));
    return rowNote_(values);
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
    if (index.isValid() && (role == Qt::ForegroundRole || role == Qt::ToolTipRole)) {
        const QString note = noteOf(index.row());
        if (note.isEmpty())
            return {};
        return role == Qt::ToolTipRole ? QVariant(note) : QVariant(QColor(Qt::red));
    }
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const store::Table* table = source_->table();
    const QString& field = columns_[static_cast<size_t>(index.column())].field;
    const bool editing = table->state() == EditState::Edit || table->state() == EditState::Insert;
    int stored = index.row();
    if (insertAt_ >= 0 && stored > insertAt_)
        --stored;
    QVariant value;
    if (editing && index.row() == currentRow())
        value = table->value(field);
    else if (stored < static_cast<int>(rows_.size()))
        value = rows_[static_cast<size_t>(stored)][static_cast<size_t>(index.column())];
    return role == Qt::DisplayRole ? QVariant(fieldText(value)) : value;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= columnCount())
        return {};
    const GridColumn& column = columns_[static_cast<size_t>(section)];
    return column.caption.isEmpty() ? column.field : column.caption;
}

Qt::ItemFlags TableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && editable_ && source_->canModify())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || !editable_)
        return false;
    if (index.row() != currentRow() && !source_->table()->moveTo(index.row()))
        return false;
    return source_->writeField(columns_[static_cast<size_t>(index.column())].field, value);
}

} // namespace kova::ui
