// kova-uidemo [--db FILE] [--grab FILE.png] [--report FILE.png]
// Shows the climate stations with the shared desktop pieces. --db uses a database file instead
// of the alias's; --grab saves a picture of the window and quits; --report previews the
// marked-station report after marking the first stations and saves a picture of the preview.

#include "stationwindow.h"
#include "store/alias.h"
#include "store/database.h"
#include "ui/helpviewer.h"
#include "ui/managededitor.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#ifdef KOVA_UIDEMO_REPORTS
#include "report/previewwindow.h"
#endif

namespace {

int run(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("KovaClim"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption db(QStringLiteral("db"), QStringLiteral("Database file."),
                                QStringLiteral("FILE"));
    const QCommandLineOption grab(QStringLiteral("grab"), QStringLiteral("Save the window."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption report(QStringLiteral("report"),
                                    QStringLiteral("Save the report preview."),
                                    QStringLiteral("FILE"));
    parser.addOptions({db, grab, report});
    parser.process(app);
    if (parser.isSet(db)) {
        kova::store::AliasTarget target;
        target.databaseFile = parser.value(db);
        kova::store::AliasRegistry::instance().define(kova::store::kDefaultAlias, target);
    }
    kova::ui::Help::setHelpFile(QStringLiteral("Kovaclim.Hlp"));

    kova::uidemo::StationWindow window;
    if (!window.isReady())
        return 1;
    window.show();

    if (parser.isSet(grab)) {
        QTimer::singleShot(500, &window, [&] {
            window.grab().save(parser.value(grab));
            app.quit();
        });
    }
#ifdef KOVA_UIDEMO_REPORTS
    if (parser.isSet(report)) {
        kova::report::setPreviewPresenter([&](kova::report::PreviewWindow& preview) {
            preview.resize(1000, 980);
            preview.show();
            preview.lastPage();
            preview.fitPage();
            QTimer::singleShot(800, &preview, [&] {
                preview.grab().save(parser.value(report));
                preview.close();
            });
            QEventLoop wait;
            QObject::connect(&preview, &QDialog::finished, &wait, &QEventLoop::quit);
            wait.exec();
        });
        QTimer::singleShot(300, &window, [&] {
            window.editor()->markAll(true);
            window.printAllMarked();
            window.editor()->markAll(false);
            app.quit();
        });
    }
#endif
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int status = run(app);
    // Connections go before the SQL driver does.
    kova::store::Database::closeAll();
    return status;
}
