#include "datadircopy.h"

#include "databasebuilder.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace kova::test {

QString sourceDataDir() {
    return QStringLiteral(KOVA_DATA_SOURCE_DIR);
}

QStringList problemTexts(const dbbuild::Problems& problems) {
    QStringList out;
    for (const dbbuild::Problem& p : problems)
        out << p.text();
    return out;
}

DataDirCopy::DataDirCopy() {
    const QDir source(sourceDataDir());
    for (const QString& name : source.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        const QString target = dir_.filePath(name);
        if (!QFile::copy(source.filePath(name), target))
            throw std::runtime_error("cannot copy " + name.toStdString());
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    }
}

QStringList DataDirCopy::lines(const QString& csv) const {
    QFile file(dir_.filePath(csv));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + csv.toStdString());
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void DataDirCopy::writeLines(const QString& csv, const QStringList& lines) {
    QFile file(dir_.filePath(csv));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + csv.toStdString());
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

void DataDirCopy::editLine(const QString& csv, int line, const QString& from, const QString& to) {
    QStringList all = lines(csv);
    QString& text = all[line - 1];
    const qsizetype at = text.indexOf(from);
    if (at < 0)
        throw std::runtime_error("'" + from.toStdString() + "' not on the line");
    text.replace(at, from.size(), to);
    writeLines(csv, all);
}

void DataDirCopy::appendLine(const QString& csv, const QString& text) {
    writeLines(csv, lines(csv) << text);
}

QStringList DataDirCopy::build() const {
    return problemTexts(dbbuild::buildDatabase(path(), outFile()));
}

} // namespace kova::test
