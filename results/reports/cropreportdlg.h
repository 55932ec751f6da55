#pragma once
// "Print Crop Report" (TCropReportDlg): the crop of the job in work that a single-crop report
// is for. The grid moves the working-crop table's cursor; "OK" or a double click on a crop
// chooses the crop under the cursor, "Cancel" chooses none.

#include <QDialog>

namespace kova::store {
class Table;
}
namespace kova::ui {
class DataGrid;
class DataSource;
} // namespace kova::ui

class QPushButton;

namespace kova::results {

class CropReportDlg : public QDialog {
    Q_OBJECT
public:
    explicit CropReportDlg(store::Table& workingCrops, QWidget* parent = nullptr);

    ui::DataGrid* grid() const { return grid_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    // The 'Crop Name' chosen with "OK" or a double click.
    QString cropName() const { return cropName_; }
    bool reportCancelled() const { return reportCancelled_; }

private slots:
    void okButtonClick();
    void cancelButtonClick();

private:
    store::Table& workingCrops_;
    ui::DataSource* source_;
    ui::DataGrid* grid_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QString cropName_;
    bool reportCancelled_ = true;
};

} // namespace kova::results
