#include "mainform.h"

#include "basalforms.h"
#include "cropform.h"
#include "datamodule.h"
#include "plainforms.h"
#include "program.h"

#include "ui/modal.h"

#include <QPushButton>

namespace kova::cropedit {

MainForm::MainForm(DataModule& dm, QWidget* parent)
    : ui::ProgramWindow(
          QStringLiteral("Kova Crops Databases"), QStringLiteral("Kova Crops Databases"),
          QStringLiteral("Crop Database Maintenance Program"), kHelpFile,
          [this] { showAboutBox(this); }, parent),
      dm_(dm) {
    addTableCommand(QStringLiteral("Create or Edit Local Crop Database"),
                    QStringLiteral("Review or edit local crop database"),
                    &MainForm::editCreatedCrops);
    beginGroup(QStringLiteral("Review or Edit Crop Curve Tables"));
    addTableCommand(QStringLiteral("Basal Kc - Field and Vegetable Crops"), {},
                    &MainForm::editFieldVegCurves);
    addTableCommand(QStringLiteral("Basal Kc - Perennial  and Specialty Crops"),
                    QStringLiteral("Review or edit Kc curve"), &MainForm::editPerennialCurves);
    addTableCommand(QStringLiteral("Basal Kc - Grasses and Forage Legumes"),
                    QStringLiteral("review or edit crop Kc curve"), &MainForm::editGrassCurves);
    addTableCommand(QStringLiteral("BC TR21 Kc - Annual Crops"),
                    QStringLiteral("Review or edit crop Kc curve"),
                    &MainForm::editTR21AnnualCurves);
    addTableCommand(QStringLiteral("BC TR21 Kc - Perennial Crops"), {},
                    &MainForm::editTR21PerennialCurves);
    addTableCommand(QStringLiteral("Basal - Crop Type (Field && Veg)"),
                    QStringLiteral("Review or edit field/veg crop type"), &MainForm::editCropTypes);
    endGroup();
    resize(560, sizeHint().height());
}

QPushButton* MainForm::addTableCommand(const QString& text, const QString& hint,
                                       void (MainForm::*open)()) {
    QPushButton* button = addCommand(text, hint);
    connect(button, &QPushButton::clicked, this, open);
    buttons_.push_back(button);
    return button;
}

template <class Window> void MainForm::edit(const std::vector<store::Table*>& tables) {
    if (DataModule::openTables(tables)) {
        Window window(dm_, this);
        ui::showModal(window);
    }
    DataModule::closeTables(tables);
}

void MainForm::editCreatedCrops() {
    edit<CropForm>({&dm_.createCrop(), &dm_.crpLastUse()});
}

void MainForm::editFieldVegCurves() {
    edit<BasFieldVegForm>({&dm_.basFldVeg(), &dm_.anType()});
}

void MainForm::editPerennialCurves() {
    edit<BasPerenForm>({&dm_.basPeren()});
}

void MainForm::editGrassCurves() {
    edit<BasGrassForm>({&dm_.basGrass()});
}

void MainForm::editTR21AnnualCurves() {
    edit<BCAnuForm>({&dm_.bcAnnual()});
}

void MainForm::editTR21PerennialCurves() {
    edit<BCPerenForm>({&dm_.bcPeren()});
}

void MainForm::editCropTypes() {
    edit<AnTypeForm>({&dm_.anType()});
}

} // namespace kova::cropedit
