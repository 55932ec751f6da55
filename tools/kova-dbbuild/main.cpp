// kova-dbbuild --data DIR --out FILE: builds the delivered database from its CSV files.
// Exit status 0 when FILE was written, 1 with every fault on stderr otherwise.

#include "databasebuilder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kova-dbbuild"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the Kova database from one CSV file per table."));
    parser.addHelpOption();
    const QCommandLineOption dataOption(
        QStringLiteral("data"), QStringLiteral("Folder of the CSV files."), QStringLiteral("DIR"));
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Database file to write."), QStringLiteral("FILE"));
    parser.addOption(dataOption);
    parser.addOption(outOption);
    parser.process(app);
    if (!parser.isSet(dataOption) || !parser.isSet(outOption)) {
        std::fprintf(stderr, "usage: kova-dbbuild --data DIR --out FILE\n");
        return 1;
    }

    const kova::dbbuild::Problems problems =
        kova::dbbuild::buildDatabase(parser.value(dataOption), parser.value(outOption));
    for (const kova::dbbuild::Problem& p : problems)
        std::fprintf(stderr, "%s\n", qPrintable(p.text()));
    return problems.empty() ? 0 : 1;
}
