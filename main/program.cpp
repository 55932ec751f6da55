#include "program.h"

#include "cropcommands.h"

#include "ui/aboutbox.h"
#include "ui/helpviewer.h"
#include "ui/modal.h"

#include <QApplication>

namespace kova::mainwin {

ProgramCommands programCommands() {
    // The crop dialogs, the reports and the charts are wired here, one line each, as they
    // are built (crops.addNewCrop, reports.singleCropReport, results.barChart, ...).
    ProgramCommands commands;
    commands.crops.addNewCrop = addNewCrop;
    commands.crops.editCrop = editCrop;
    return commands;
}

void setUpProgram() {
    QApplication::setApplicationName(kProgramTitle);
    ui::Help::setHelpFile(kStartHelpFile);
}

void showAboutBox(QWidget* parent) {
    ui::AboutBox box(kProgramTitle, kProgramVersion, parent);
    ui::showModal(box);
}

} // namespace kova::mainwin
