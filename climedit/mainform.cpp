#include "mainform.h"

#include "climdbform.h"
#include "datamodule.h"
#include "program.h"
#include "seldirform.h"
#include "whrform.h"

#include "ui/modal.h"

#include <QEvent>
#include <QPushButton>

namespace kova::climedit {

MainForm::MainForm(DataModule& dm, QWidget* parent)
    : ui::ProgramWindow(
          kProgramTitle, QStringLiteral("Kova Climate Database"), {}, kHelpFile,
          [this] { showAboutBox(this); }, parent),
      dm_(dm) {
    import_ = addCommand(QStringLiteral("New or add to Climate (Temperature/Precipitation] DB"),
                         QStringLiteral("Import county temperature and precipitation text files"));
    climate_ = addCommand(QStringLiteral("Edit Climate [Temperature/Precipitation] DB"),
                          QStringLiteral("Edit the climate stations"));
    whr_ = addCommand(QStringLiteral("Edit Wind/Humidity/Radiation DB"),
                      QStringLiteral("Edit the wind, humidity and radiation sites"));
    connect(import_, &QPushButton::clicked, this, &MainForm::runImport);
    connect(climate_, &QPushButton::clicked, this, &MainForm::editClimate);
    connect(whr_, &QPushButton::clicked, this, &MainForm::editWHR);
    resize(560, 340);
}

bool MainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        dm_.setImportChain(true);
    return ui::ProgramWindow::event(event);
}

void MainForm::runImport() {
    SelDirForm directory(dm_, this);
    ui::showModal(directory);
}

void MainForm::editClimate() {
    dm_.setImportChain(false);
    ClimDBForm stations(dm_, this);
    ui::showModal(stations);
}

void MainForm::editWHR() {
    WHRForm whr(dm_, this);
    ui::showModal(whr);
}

} // namespace kova::climedit
