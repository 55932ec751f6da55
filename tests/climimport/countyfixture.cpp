#include "countyfixture.h"

#include "tempdatabase.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace kova::climimport::test {

QByteArray exampleFile(const QString& name) {
    QFile file(kova::test::testSourceFile(QStringLiteral("data/county/") + name));
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("missing example county file " + name.toStdString());
    return file.readAll();
}

QList<QByteArray> linesOf(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

QByteArray joinLines(const QList<QByteArray>& lines, const QByteArray& lineEnd) {
    QByteArray text;
    for (const QByteArray& line : lines)
        text += line + lineEnd;
    return text;
}

qsizetype lineWith(const QList<QByteArray>& lines, const QByteArray& marker) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].contains(marker))
            return i;
    return -1;
}

ImportDirs::ImportDirs() : work_(workDir_.path()) {}

QString ImportDirs::writeCountyFile(const QString& name, const QByteArray& text) const {
    const QString path = QDir(counties_.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    return path;
}

QString ImportDirs::copyExample(const QString& name, const QString& as) const {
    return writeCountyFile(as.isEmpty() ? name : as, exampleFile(name));
}

QByteArray ImportDirs::stationFileText() const {
    QFile file(work_.stationFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace kova::climimport::test
