#include "countyfileconverter.h"

#include "sectionparser.h"

#include <QFile>

namespace kova::climimport {

namespace {
constexpr int kFailed = 1;
constexpr int kNoSection = 3;
constexpr int kCopied = 0;
} // namespace

FileConversion CountyFileConverter::fail(const char* text) {
    messages_.report({MessageKind::Error, QString::fromLatin1(text)});
    return {kFailed, {}};
}

FileConversion CountyFileConverter::convert(const QString& countyFile) {
    QFile input(countyFile);
    if (!input.open(QIODevice::ReadOnly))
        return fail("Can't open input FName TXT file.");
    QFile output(workFiles_.stationFile());
    if (!output.open(QIODevice::WriteOnly | QIODevice::Append))
        return fail("Can't open output TXT file.");
    const int copied = copyFromFirstW(input);
    if (copied != kCopied)
        return {copied, {}};
    FileConversion result;
    result.code = convertSections(output, &result);
    if (!output.flush() && result.code != kFailed)
        result.code = fail("Can't open output TXT file.").code;
    return result;
}

// Everything from the first "W" on goes to "Tmp2.txt", behind a line feed; an "N" or the end
// of the file before any "W" means the file holds no station section.
int CountyFileConverter::copyFromFirstW(QFile& input) {
    // A new file rather than a truncated one: rewriting a truncated file makes some file
    // systems write it out at once, which costs thousands of disk waits in a large import.
    QFile::remove(workFiles_.copyFile());
    QFile copy(workFiles_.copyFile());
    if (!copy.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail("Can't open Tmp2 TXT file.").code;
    const std::optional<QByteArray> sections = sectionsText(input.readAll());
    if (!sections)
        return kNoSection;
    if (copy.write(*sections) != sections->size() || !copy.flush())
        return fail("Can't open Tmp2 TXT file.").code;
    return kCopied;
}

int CountyFileConverter::convertSections(QFile& output, FileConversion* result) {
    QFile copy(workFiles_.copyFile());
    if (!copy.open(QIODevice::ReadOnly))
        return fail("Can't open input T2File TXT file.").code;
    StationSections sections(copy.readAll(), messages_);
    copy.close();
    while (std::optional<StationRecord> station = sections.next()) {
        station->number = numbers_.next();
        // A record goes out whole or the file stops here.
        const QByteArray record = formatStationRecord(*station);
        if (output.write(record) != record.size())
            return fail("Can't open output TXT file.").code;
        result->counties << station->county;
        workFiles_.noteStationWritten(station->county);
    }
    return sections.endCode();
}

} // namespace kova::climimport
