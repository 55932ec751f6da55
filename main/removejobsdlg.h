#pragma once
// "Remove Jobs": the saved jobs with every field; "&Delete" (or a double click) removes the
// job selected with its crops, after a question that defaults to No.

#include "store/table.h"
#include "ui/datasource.h"

#include <QDialog>

class QPushButton;

namespace kova::job {
class JobSession;
}

namespace kova::ui {
class DataGrid;
}

namespace kova::mainwin {

class RemoveJobsDlg : public QDialog {
    Q_OBJECT
public:
    RemoveJobsDlg(job::JobSession& session, QWidget* parent = nullptr);

    void deleteSelectedJob();
    ui::DataGrid* grid() const { return grid_; }
    QPushButton* deleteButton() const { return delete_; }

private:
    void showDeletable();

    job::JobSession& session_;
    store::Table jobs_;
    ui::DataSource source_{&jobs_};
    ui::DataGrid* grid_;
    QPushButton* delete_;
};

} // namespace kova::mainwin
