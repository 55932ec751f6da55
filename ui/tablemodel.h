#pragma once
// A Qt table model over a store table: one row per visible row of the table, in the table's
// current order under its range and filter, kept live as the table changes. While a row is
// being inserted it shows as an extra row at the cursor; while a row is in edit its cells show
// the edit buffer.

#include "datasource.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

namespace kova::ui {

struct GridColumn {
    // A width wide enough for the field's declared number of characters.
    static constexpr int kFieldWidth = -1;

    QString field;
    QString caption;      // empty: the field name
    int width = 0;        // pixels; 0: the view decides; kFieldWidth
    bool stretch = false; // takes the room the grid has beyond its columns
};

class TableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TableModel(DataSource* source, std::vector<GridColumn> columns, QObject* parent = nullptr);

    DataSource* source() const { return source_; }
    const std::vector<GridColumn>& columns() const { return columns_; }
    void setEditable(bool on) { editable_ = on; }
    bool isEditable() const { return editable_; }

    // The model row of the table's current row; -1 when there is none.
    int currentRow() const;

    // A note on a row (a problem the user should see: a created crop whose curve is gone),
    // from the values of the row's columns; a row with a note shows in red with the note as
    // its tooltip. notesChanged() shows notes that changed without the rows changing.
    using RowNote = std::function<QString(const std::vector<QVariant>& values)>;
    void setRowNote(RowNote note);
    void notesChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void currentRowChanged(int row);

private:
    void reload();
    void stateChanged();
    void refreshCurrentRow();
    QStringList fieldNames() const;
    int pendingInsertRow() const; // where the table's pending insert shows; -1 when none
    QString noteOf(int row) const;

    DataSource* source_;
    std::vector<GridColumn> columns_;
    std::vector<std::vector<QVariant>> rows_; // stored rows, as last read
    int insertAt_ = -1;                       // model row of the insert row shown; -1 none
    bool editable_ = false;
    bool reloading_ = false;
    RowNote rowNote_;
};

} // namespace kova::ui
