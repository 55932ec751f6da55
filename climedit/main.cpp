// KovaClim: the climate data editor.

#include "datamodule.h"
#include "mainform.h"

#include "ui/helpviewer.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KovaClim"));
    kova::ui::Help::setHelpFile(QStringLiteral("c:\\Program Files\\Verdane\\Kova\\Kovaclim.Hlp"));
    kova::climedit::DataModule dm;
    kova::climedit::MainForm window(dm);
    window.show();
    return app.exec();
}
