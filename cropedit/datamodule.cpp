#include "datamodule.h"

namespace kova::cropedit {

DataModule::DataModule() {
    tblBasFldVeg_.setIndexName(QStringLiteral("Crop Curve Name"));
    tblBasPeren_.setIndexName(QStringLiteral("CropCurveName"));
    tblBasGrass_.setIndexName(QStringLiteral("CropCurveName"));
    tblCreateCrop_.setIndexName(QStringLiteral("CropNameIndex"));
    tblAnType_.setIndexName(QStringLiteral("CropTypeIndex"));
}

bool DataModule::openTables(const std::vector<store::Table*>& tables) {
    for (store::Table* table : tables)
        if (!ui::openTable(*table))
            return false;
    return true;
}

void DataModule::closeTables(const std::vector<store::Table*>& tables) {
    for (store::Table* table : tables)
        ui::closeTable(*table);
}

} // namespace kova::cropedit
