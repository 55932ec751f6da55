#pragma once
// "Get Crop Name": the created crops of the crop editor, the curves and notes of the one
// selected, and "OK" adding it to the job with its defaults. Cancel, Esc and the close box
// add nothing and put the job's state back as it was before "Add New Crop".

#include "store/table.h"
#include "ui/datasource.h"

#include <QDialog>

class QPushButton;

namespace kova::job {
class JobSession;
}

namespace kova::ui {
class DataGrid;
class DataRadioGroup;
} // namespace kova::ui

namespace kova::mainwin {

class GetCropNamDlg : public QDialog {
    Q_OBJECT
public:
    GetCropNamDlg(job::JobSession& session, QWidget* parent = nullptr);

    // "OK" added the crop: its new working row waits, unposted, for the crop parameters dialog.
    bool added() const { return added_; }

    ui::DataGrid* grid() const { return grid_; }
    ui::DataRadioGroup* humidityWind() const { return humidityWind_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    void reject() override;

private:
    QWidget* buildCropData();
    void takeCrop();

    job::JobSession& session_;
    store::Table crops_;
    ui::DataSource source_{&crops_};
    ui::DataGrid* grid_ = nullptr;
    ui::DataRadioGroup* humidityWind_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool added_ = false;
    bool done_ = false;
};

} // namespace kova::mainwin
