#include "datamodule.h"

#include "ui/messages.h"

namespace kova::climedit {

DataModule::DataModule() {
    // Ordered as the station form's sorts and searches expect from the start.
    clmTable_.setIndexName(QStringLiteral("StaNameIndex"));
    whrTable_.setIndexName(QStringLiteral("Location Name"));
}

bool DataModule::ensureOpen(store::Table& table) {
    if (table.isOpen() || table.open())
        return true;
    ui::Messages::error(table.errorString());
    return false;
}

void DataModule::closeClimateTables() {
    for (store::Table* table : {&clmTable_, &whrTable_, &cntyListTable_})
        if (table->isOpen()) {
            if (table->state() == store::EditState::Insert ||
                table->state() == store::EditState::Edit)
                table->cancel();
            table->close();
        }
}

} // namespace kova::climedit
