#include "datamodule.h"

namespace kova::climedit {

DataModule::DataModule() {
    // Ordered as the station form's sorts and searches expect from the start.
    clmTable_.setIndexName(QStringLiteral("StaNameIndex"));
    whrTable_.setIndexName(QStringLiteral("Location Name"));
}

void DataModule::closeClimateTables() {
    for (store::Table* table : {&clmTable_, &whrTable_, &cntyListTable_})
        ui::closeTable(*table);
}

} // namespace kova::climedit
