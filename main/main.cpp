// Kova: the main program (jobs, their crops and results).

#include "mainform.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kova::mainwin::setUpProgram();
    kova::mainwin::MainForm window;
    window.show();
    return app.exec();
}
