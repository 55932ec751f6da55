#pragma once
// The job panel of the main window: the job's texts, its climate station, site values and ET
// method, and its crops. It only holds the controls; the main window wires them to the job.

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kova::ui {
class DataGrid;
class DataSource;
class NumericField;
} // namespace kova::ui

namespace kova::mainwin {

class JobPanel : public QWidget {
    Q_OBJECT
public:
    explicit JobPanel(ui::DataSource& crops, QWidget* parent = nullptr);

    QLineEdit* nameEdit;
    QLabel* uniqueLabel;
    QLineEdit* dateEdit;
    QLineEdit* locationEdit;
    QLineEdit* plannerEdit;
    QGroupBox* climateGroup;
    QLabel* stationName;
    QLabel* county;
    QLabel* stationNo;
    QLabel* latitude;
    QLabel* longitude;
    QPushButton* getNewClimateButton;
    ui::NumericField* elevationEdit;
    ui::NumericField* ratio50Edit;
    ui::NumericField* ratio80Edit;
    QLabel* etLabel;
    ui::DataGrid* cropGrid;
    QPushButton* displayButton;
    QPushButton* addCropButton;
    QPushButton* editCropButton;
    QPushButton* deleteCropButton;

private:
    QWidget* buildHeader();
    QWidget* buildClimateGroup();
    QWidget* buildSite();
    QWidget* buildCrops(ui::DataSource& crops);
};

} // namespace kova::mainwin
