#pragma once
// The climate editor's data module: the three tables of the program with their data sources,
// and the state the import windows share (add mode, the import-chain indicator). Forms open
// and close the tables as they need them; the data module only owns them.

#include "store/table.h"
#include "ui/datasource.h"

namespace kova::climedit {

class DataModule {
public:
    DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    store::Table& clmTable() { return clmTable_; }
    store::Table& whrTable() { return whrTable_; }
    store::Table& cntyListTable() { return cntyListTable_; }
    ui::DataSource& climateData() { return climateData_; }
    ui::DataSource& whrData() { return whrData_; }
    ui::DataSource& cntyListData() { return cntyListData_; }

    // `Climate`, `ClimWHR` and `County` are closed together by the import and the editors.
    void closeClimateTables();

    // "Add to existing Climate DB": false replaces the whole climate database.
    bool addMode() const { return addMode_; }
    void setAddMode(bool on) { addMode_ = on; }

    // Set when the main window is activated and at the end of an import, cleared when the
    // station form is opened from the main window: closing the station form while it is set
    // ends the import windows too.
    bool importChain() const { return importChain_; }
    void setImportChain(bool on) { importChain_ = on; }

private:
    store::Table clmTable_{QStringLiteral("Climate")};
    store::Table whrTable_{QStringLiteral("ClimWHR")};
    store::Table cntyListTable_{QStringLiteral("County")};
    ui::DataSource climateData_{&clmTable_};
    ui::DataSource whrData_{&whrTable_};
    ui::DataSource cntyListData_{&cntyListTable_};
    bool addMode_ = true;
    bool importChain_ = false;
};

} // namespace kova::climedit
