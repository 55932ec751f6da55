#pragma once
// "Select Existing Job to View or Edit": the saved jobs by name, with the date, location and
// planner of the one selected. "OK" (or a double click) takes the selected job, "Cancel" none.

#include "store/table.h"
#include "ui/datasource.h"

#include <QDialog>

class QPushButton;

namespace kova::ui {
class DataGrid;
}

namespace kova::mainwin {

class JobListForm : public QDialog {
    Q_OBJECT
public:
    explicit JobListForm(const QString& alias, QWidget* parent = nullptr);

    // 'Job Name' of the selected job; empty when the list is empty.
    QString selectedJob() const;
    // Selects the job named exactly so; false when it is not listed.
    bool selectJob(const QString& jobName);
    ui::DataGrid* grid() const { return grid_; }
    QPushButton* okButton() const { return ok_; }

private:
    store::Table jobs_;
    ui::DataSource source_{&jobs_};
    ui::DataGrid* grid_;
    QPushButton* ok_;
};

} // namespace kova::mainwin
