#include "climatescan.h"

#include "countyfileconverter.h"

#include <QDir>
#include <QSet>

namespace kova::climimport {

namespace {

bool hasFiveDigitName(const QString& fileName) {
    for (int i = 0; i < 5; ++i)
        if (fileName.size() <= i || !fileName.at(i).isDigit() || fileName.at(i).unicode() > '9')
            return false;
    return true;
}

} // namespace

QStringList countyFileNames(const QString& directory) {
    QStringList names;
    const QDir dir(directory);
    const QStringList found = dir.entryList({QStringLiteral("?????.txt")}, QDir::Files, QDir::Name);
    for (const QString& name : found)
        if (hasFiveDigitName(name))
            names << name;
    return names;
}

ScanResult ClimateScan::run(const QString& directory) {
    ScanResult result;
    QString error;
    if (!workFiles_.clearStationFile(&error)) {
        messages_.report({MessageKind::Error, error});
        return result;
    }
    result.started = true;
    const QStringList names = countyFileNames(directory);
    CountyFileConverter converter(workFiles_, numbers_, messages_);
    const QDir dir(directory);
    QSet<QString> listed;
    for (const QString& name : names) {
        const FileConversion file = converter.convert(dir.filePath(name));
        if (file.code == 1)
            messages_.report(
                {MessageKind::Error, QStringLiteral("Text search function error No %1").arg(1)});
        for (const QString& county : file.counties)
            if (!listed.contains(county)) {
                listed.insert(county);
                result.counties << county;
            }
        result.stations += int(file.counties.size());
        ++result.files;
        if (progress_)
            progress_(result.files, int(names.size()), name);
    }
    return result;
}

} // namespace kova::climimport
