#pragma once
// The crop curve window "Kc and ET Curves" (TCurvesForm): the evapotranspiration chart and the
// crop coefficient chart of the crop on display, one above the other in a scrolling area, and
// "ET Kc Graph Report", which previews the printed curves.

#include "results/reports/resultsreport.h"

#include <QDialog>

class QChart;
class QChartView;
class QPushButton;

namespace kova::results {

class CurvesForm : public QDialog {
    Q_OBJECT
public:
    explicit CurvesForm(const ResultsSource& source, QWidget* parent = nullptr);

    QChart* etChart() const;
    QChart* kcChart() const;
    QPushButton* reportButton() const { return reportButton_; }
    QPushButton* closeButton() const { return closeButton_; }

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void reportButtonClick();

private:
    ResultsSource source_;
    QChartView* etView_ = nullptr;
    QChartView* kcView_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace kova::results
