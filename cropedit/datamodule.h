#pragma once
// The crop editor's data module: every crop table of the program with its data source. The
// tables stay closed until a window needs them; each window opens what it shows and the main
// window closes the tables of a window after it.

#include "store/table.h"
#include "ui/datasource.h"

#include <vector>

namespace kova::cropedit {

class DataModule {
public:
    DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    store::Table& basFldVeg() { return tblBasFldVeg_; }   // CrpAnNam
    store::Table& basPeren() { return tblBasPeren_; }     // CrpPeren
    store::Table& basGrass() { return tblBasGrass_; }     // CrpForag
    store::Table& bcAnnual() { return tblBCAnnual_; }     // CrpBCAnu
    store::Table& bcPeren() { return tblBCPeren_; }       // CrpBCPer
    store::Table& createCrop() { return tblCreateCrop_; } // KovaCrop
    store::Table& anType() { return tblAnType_; }         // CrpAnTyp
    store::Table& crpLastUse() { return tblCrpLastUse_; } // CrpLastUse

    ui::DataSource& basFldVegData() { return datBasFldVeg_; }
    ui::DataSource& basPerenData() { return datBasPeren_; }
    ui::DataSource& basGrassData() { return datBasGrass_; }
    ui::DataSource& bcAnnualData() { return datBCAnnual_; }
    ui::DataSource& bcPerenData() { return datBCPeren_; }
    ui::DataSource& createCropData() { return datCreateCrop_; }
    ui::DataSource& anTypeData() { return datAnType_; }

    // Opens each table that is closed; false (with an error box) when one cannot be opened.
    static bool openTables(const std::vector<store::Table*>& tables);
    // Closes the tables, dropping a change that was not posted.
    static void closeTables(const std::vector<store::Table*>& tables);

private:
    store::Table tblBasFldVeg_{QStringLiteral("CrpAnNam")};
    store::Table tblBasPeren_{QStringLiteral("CrpPeren")};
    store::Table tblBasGrass_{QStringLiteral("CrpForag")};
    store::Table tblBCAnnual_{QStringLiteral("CrpBCAnu")};
    store::Table tblBCPeren_{QStringLiteral("CrpBCPer")};
    store::Table tblCreateCrop_{QStringLiteral("KovaCrop")};
    store::Table tblAnType_{QStringLiteral("CrpAnTyp")};
    store::Table tblCrpLastUse_{QStringLiteral("CrpLastUse")};
    ui::DataSource datBasFldVeg_{&tblBasFldVeg_};
    ui::DataSource datBasPeren_{&tblBasPeren_};
    ui::DataSource datBasGrass_{&tblBasGrass_};
    ui::DataSource datBCAnnual_{&tblBCAnnual_};
    ui::DataSource datBCPeren_{&tblBCPeren_};
    ui::DataSource datCreateCrop_{&tblCreateCrop_};
    ui::DataSource datAnType_{&tblAnType_};
};

} // namespace kova::cropedit
