#pragma once
// "Summary of Current Crop for Current Job": the computed requirement of one crop of the job,
// its header of job, site and crop settings, the month grid of a dry and a normal year, the
// season totals and the three footnotes. It only shows what the last computation left in the
// calculation record and in the working crop row it stands on.

#include "cropsummary.h"
#include "resultsactions.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kova::ui {
class DataSource;
}

namespace kova::results {

class Outputdlg : public QDialog {
    Q_OBJECT
public:
    Outputdlg(const CropResultsContext& crop, const CropResultsActions& actions,
              QWidget* parent = nullptr);
    ~Outputdlg() override;

    const CropSummary& summary() const { return summary_; }
    QTableWidget* grid() const { return grid_; }
    QPushButton* summaryReportButton() const { return summaryReport_; }
    QPushButton* detailsReportButton() const { return detailsReport_; }
    QPushButton* chartButton() const { return chart_; }
    QPushButton* curvesButton() const { return curves_; }
    // Ctrl+C in the grid: the selected cells (all of them when none is selected).
    void copyGrid();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildButtonBar();
    QWidget* buildHeader();
    QWidget* buildTable();
    QWidget* buildFootnotes();
    QPushButton* addAction(const QString& caption, const QString& hint,
                           const CropResultsAction& action);

    CropResultsContext crop_;
    CropResultsActions actions_;
    CropSummary summary_;
    ui::DataSource* cropRow_;
    QTableWidget* grid_ = nullptr;
    QPushButton* summaryReport_ = nullptr;
    QPushButton* detailsReport_ = nullptr;
    QPushButton* chart_ = nullptr;
    QPushButton* curves_ = nullptr;
    bool placed_ = false;
    bool framed_ = false;
};

// Opens the results window of the crop just computed, modally, as "Display Crop" does.
void showCropResults(const CropResultsContext& crop, const CropResultsActions& actions,
                     QWidget* parent);

} // namespace kova::results
