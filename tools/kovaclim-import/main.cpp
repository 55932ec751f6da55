// kovaclim-import DIR [--db FILE] [--replace] [--counties all|NAME;NAME...] [--yes]
// Scripted climate import of many county files, with the engine of the climate editor.

#include "importrun.h"

#include "store/database.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace kova::climimport;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kovaclim-import"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts the county files (five digits and .txt) of DIR and loads their stations into "
        "the climate database, adding to it unless --replace is given.\n"
        "Exit status: 0 loaded, 1 nothing to load, 2 failure (the database is unchanged)."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("DIR"),
                                 QStringLiteral("Directory holding the county files."));
    const QCommandLineOption db(QStringLiteral("db"),
                                QStringLiteral("Database file to use instead of the alias Kova."),
                                QStringLiteral("FILE"));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        QStringLiteral("Delete the whole climate database and load the chosen counties."));
    const QCommandLineOption counties(
        QStringLiteral("counties"),
        QStringLiteral("\"all\" (default) or county names separated by \";\"."),
        QStringLiteral("all|NAME;NAME..."), QStringLiteral("all"));
    const QCommandLineOption yes(
        QStringLiteral("yes"),
        QStringLiteral("Replace counties already in the database (else they are skipped)."));
    parser.addOptions({db, replace, counties, yes});
    if (!parser.parse(app.arguments())) {
        err << parser.errorText() << "\n" << parser.helpText();
        return kFailed;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << parser.helpText();
        return kLoaded;
    }
    if (parser.positionalArguments().size() != 1) {
        err << parser.helpText();
        return kFailed;
    }

    ImportOptions options;
    options.directory = parser.positionalArguments().first();
    options.databaseFile = parser.value(db);
    options.replace = parser.isSet(replace);
    options.yes = parser.isSet(yes);
    const QString chosen = parser.value(counties).trimmed();
    options.allCounties = chosen == QLatin1String("all");
    if (!options.allCounties)
        for (const QString& name : chosen.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!name.trimmed().isEmpty() && !options.counties.contains(name.trimmed()))
                options.counties << name.trimmed();
    const int status = runImport(options, out, err);
    // The cached connection goes before the SQL driver registry of the process does.
    kova::store::Database::closeAll();
    return status;
}
