#pragma once
// "Select County": the county list with OK and Cancel. The county chosen is the current row
// of `County` when the dialog is accepted.

#include <QDialog>

namespace kova::ui {
class DataGrid;
class DataSource;
} // namespace kova::ui

namespace kova::climedit {

class CountyFilterDialog : public QDialog {
    Q_OBJECT
public:
    explicit CountyFilterDialog(ui::DataSource& counties, QWidget* parent = nullptr);
    ui::DataGrid* grid() const { return grid_; }

private:
    ui::DataGrid* grid_;
};

} // namespace kova::climedit
