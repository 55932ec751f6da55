#pragma once
// A grid over a table: selecting a row moves the table's cursor there, and the selection
// follows the cursor when something else moves it. Read-only by default; an editable grid
// writes cell changes into the row (starting the edit under the automatic-edit switch).

#include "tablemodel.h"

#include <QTableView>

namespace kova::ui {

class DataGrid : public QTableView {
    Q_OBJECT
public:
    DataGrid(DataSource* source, std::vector<GridColumn> columns, QWidget* parent = nullptr);

    TableModel* tableModel() const { return model_; }
    void setEditable(bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void followCursor(int row);
    void moveCursor(const QModelIndex& current);
    int designWidth(const GridColumn& column) const;
    void stretchColumn();

    TableModel* model_;
    bool following_ = false;
    int stretch_ = -1; // the column that takes the extra room; -1: the last one
};

} // namespace kova::ui
