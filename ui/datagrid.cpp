#include "datagrid.h"

#include <QHeaderView>
#include <QStyle>

namespace kova::ui {

DataGrid::DataGrid(DataSource* source, std::vector<GridColumn> columns, QWidget* parent)
    : QTableView(parent), model_(new TableModel(source, std::move(columns), this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < model_->columnCount(); ++c) {
        const GridColumn& column = model_->columns()[static_cast<size_t>(c)];
        if (const int width = designWidth(column); width > 0)
            setColumnWidth(c, width);
        if (column.stretch)
            stretch_ = c;
    }
    horizontalHeader()->setStretchLastSection(stretch_ < 0);
    connect(model_, &TableModel::currentRowChanged, this, &DataGrid::followCursor);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { moveCursor(current); });
    // A reset drops the selection model's current index; the cursor row is selected again.
    connect(model_, &QAbstractItemModel::modelReset, this,
            [this] { followCursor(model_->currentRow()); });
    followCursor(model_->currentRow());
}

int DataGrid::designWidth(const GridColumn& column) const {
    if (column.width != GridColumn::kFieldWidth)
        return column.width;
    const store::FieldDef* def = model_->source()->table()->def().field(column.field);
    const int characters = def && def->width > 0 ? def->width : 10;
    // Names are mostly capitals: a capital's width per character, blanks included.
    return fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('N'))) * 9 / 10 +
           2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
}

void DataGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    stretchColumn();
}

void DataGrid::stretchColumn() {
    if (stretch_ < 0)
        return;
    // The stretching column never gets narrower than designed: a narrow grid scrolls instead.
    int others = 0;
    for (int c = 0; c < model_->columnCount(); ++c)
        if (c != stretch_)
            others += columnWidth(c);
    const int design = designWidth(model_->columns()[static_cast<size_t>(stretch_)]);
    setColumnWidth(stretch_, std::max(design, viewport()->width() - others));
}

void DataGrid::setEditable(bool on) {
    model_->setEditable(on);
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
}

void DataGrid::followCursor(int row) {
    if (following_)
        return;
    following_ = true;
    if (row >= 0 && row < model_->rowCount()) {
        const QModelIndex target = model_->index(row, std::max(currentIndex().column(), 0));
        if (currentIndex().row() != row)
            selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect |
                                                          QItemSelectionModel::Rows);
        scrollTo(target);
    } else {
        selectionModel()->clearSelection();
    }
    following_ = false;
}

void DataGrid::moveCursor(const QModelIndex& current) {
    if (following_ || !current.isValid() || current.row() == model_->currentRow())
        return;
    store::Table* table = model_->source()->table();
    // Leaving a row in edit posts it; a refused post keeps the row and the selection on it.
    if (!model_->source()->post() || !table->moveTo(current.row()))
        followCursor(model_->currentRow());
}

} // namespace kova::ui
