// Kova: the main program (jobs, their crops and results).

#include "mainform.h"
#include "program.h"

#include "ui/helpviewer.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(kova::mainwin::kProgramTitle);
    kova::ui::Help::setHelpFile(kova::mainwin::kStartHelpFile);
    kova::mainwin::MainForm window;
    window.show();
    return app.exec();
}
