// A second program on the same database for the two-program test: it opens the file given,
// reopens the sample job, and answers commands on stdin, one line each:
//   rows  -> "<working crops> <ETKc rows>"
//   jobs  -> the stored job names, joined by "|"
//   quit  -> leaves as the program would (emptying its working rows)

#include "jobfixture.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

using namespace kova;

namespace {

int rows(const QString& table) {
    store::Table t(table);
    return t.open() ? t.recordCount() : -1;
}

QString jobNames() {
    store::Table jobs(QStringLiteral("KovaJob"));
    QStringList names;
    if (jobs.open())
        for (jobs.first(); !jobs.eof(); jobs.next())
            names << jobs.asString(QStringLiteral("Job Name"));
    return names.join(QLatin1Char('|'));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    store::AliasTarget target;
    target.databaseFile = app.arguments().value(1);
    store::AliasRegistry::instance().define(store::kDefaultAlias, target);
    job::JobMessageLog messages;
    test::ScriptedDialogs dialogs;
    job::JobSession session(messages, dialogs);
    QTextStream out(stdout);
    dialogs.job = QStringLiteral("Cheyenne sample job");
    if (!session.start() || !session.getPrevJob()) {
        out << "failed " << messages.texts().join(QStringLiteral(" | ")) << Qt::endl;
        return 1;
    }
    out << "ready" << Qt::endl;
    QTextStream in(stdin);
    QString command;
    while (in.readLineInto(&command)) {
        if (command == QLatin1String("rows"))
            out << rows(QStringLiteral("KovaWkCrop")) << ' ' << rows(QStringLiteral("ETKc"))
                << Qt::endl;
        else if (command == QLatin1String("jobs"))
            out << jobNames() << Qt::endl;
        else if (command == QLatin1String("quit"))
            break;
    }
    return session.exitProgram() ? 0 : 1;
}
