#include "pdftext.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace kova::test {

namespace {

QString runTool(const QString& tool, const QStringList& arguments) {
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString pdfInfo(const QString& file) {
    return runTool(QStringLiteral("pdfinfo"), {file});
}

int pdfPageCount(const QString& file) {
    for (const QString& line : pdfInfo(file).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QString pdfPageText(const QString& file, int page) {
    const QString p = QString::number(page);
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-f"), p, QStringLiteral("-l"), p, QStringLiteral("-layout"),
                    file, QStringLiteral("-")});
}

QString pdfText(const QString& file) {
    return runTool(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), file, QStringLiteral("-")});
}

} // namespace kova::test
