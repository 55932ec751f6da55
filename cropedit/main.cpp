// KovaCropEd: the crop data editor.

#include "datamodule.h"
#include "mainform.h"
#include "program.h"

#include "ui/helpviewer.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KovaCropEd"));
    kova::ui::Help::setHelpFile(kova::cropedit::kInstalledHelpFile);
    kova::cropedit::DataModule dm;
    kova::cropedit::MainForm window(dm);
    window.show();
    return app.exec();
}
