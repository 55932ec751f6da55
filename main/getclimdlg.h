#pragma once
// "Get Climate Station": a county, then one of its stations. The dialog has no Cancel: closing
// it in any way takes the station selected; with a county without stations there is none to
// take, and "OK" waits for one.

#include "store/table.h"
#include "ui/datasource.h"

#include <QDialog>
#include <optional>

class QPushButton;

namespace kova::ui {
class DataGrid;
}

namespace kova::mainwin {

class GetClimDlg : public QDialog {
    Q_OBJECT
public:
    // Opens on the county and station of `currentStation` when it is one ("" for none).
    GetClimDlg(const QString& alias, const QString& currentStation, QWidget* parent = nullptr);

    // 'Station Name' of the station selected; nothing while the station list is empty.
    std::optional<QString> chosenStation() const;
    ui::DataGrid* countyGrid() const { return countyGrid_; }
    ui::DataGrid* stationGrid() const { return stationGrid_; }
    QPushButton* okButton() const { return ok_; }

private:
    void openTables();
    void showCountyStations();
    void goToStation(const QString& alias, const QString& stationName);

    store::Table counties_;
    store::Table stations_;
    ui::DataSource countySource_{&counties_};
    ui::DataSource stationSource_{&stations_};
    ui::DataGrid* countyGrid_;
    ui::DataGrid* stationGrid_;
    QPushButton* ok_;
};

} // namespace kova::mainwin
