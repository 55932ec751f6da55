#pragma once
// The climate station form: browse, search, sort and restrict `Climate`, edit its stations
// under the managed editor pattern, choose each station's WHR site and print the three
// station reports.

#include <QDialog>

class QAction;
class QLineEdit;
class QPushButton;

namespace kova::ui {
class DataGrid;
class DataLookupCombo;
class ManagedEditor;
class Navigator;
} // namespace kova::ui

namespace kova::climedit {

class DataModule;

class ClimDBForm : public QDialog {
    Q_OBJECT
public:
    explicit ClimDBForm(DataModule& dm, QWidget* parent = nullptr);

    // --- commands -------------------------------------------------------------------------
    void searchByName();
    void searchByNumber();
    enum SortTag { SortByCounty = 0, SortByName = 1, SortByNumber = 2 };
    void sortBy(int tag);
    void showOrCancelCounty();
    void removeWHREntry();
    void postFromWHRGroup();
    void printListByCounty();
    void printListByStation();
    void printAllMarked();

    // --- for the windows that drive it --------------------------------------------------
    ui::ManagedEditor* editor() const { return editor_; }
    QAction* showCountyAction() const { return showCounty_; }
    QLineEdit* stationNameBox() const { return nameBox_; }
    QLineEdit* countyBox() const { return countyBox_; }
    QLineEdit* latitudeBox() const { return latitudeBox_; }
    ui::DataLookupCombo* whrBox() const { return whrBox_; }
    QPushButton* whrOkButton() const { return whrOk_; }
    ui::DataGrid* grid() const { return grid_; }
    QString countyShown() const { return countyShown_; } // empty: no county restriction

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStationBoxes();
    QWidget* buildMonthlyBoxes();
    QWidget* buildWHRGroup();
    void buildMenus();
    void search(const QString& indexName, const QString& title, const QString& prompt);
    bool deleteStation();
    void countyCleanup(const QString& deletedCounty);
    void countyEntered();
    void setCountyShown(const QString& county);

    DataModule& dm_;
    ui::ManagedEditor* editor_ = nullptr;
    ui::DataGrid* grid_ = nullptr;
    ui::Navigator* navigator_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QLineEdit* countyBox_ = nullptr;
    QLineEdit* latitudeBox_ = nullptr;
    ui::DataLookupCombo* whrBox_ = nullptr;
    QPushButton* whrOk_ = nullptr;
    QAction* showCounty_ = nullptr;
    QString countyShown_;
    bool checkingCounty_ = false;
};

} // namespace kova::climedit
