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
    const QByteArray text = input.readAll();
    const qsizetype w = text.indexOf('W');
    const qsizetype n = text.indexOf('N');
    if (w < 0 || (n >= 0 && n < w))
        return kNoSection;
    // Copied line by line, so the copy has line feeds whatever the file's line ends were.
    QByteArray rest = "\n" + text.mid(w);
    rest.replace("\r\n", "\n");
    if (copy.write(rest) != rest.size() || !copy.flush())
        return fail("Can't open Tmp2 TXT file.").code;
    return kCopied;
}

int CountyFileConverter::convertSections(QFile& output, FileConversion* result) {
    QFile copy(workFiles_.copyFile());
    if (!copy.open(QIODevice::ReadOnly))
        return fail("Can't open input T2File TXT file.").code;
    TextCursor cursor(copy.readAll());
    copy.close();

    StationSectionParser parser(cursor, messages_);
    QByteArray line;
    while (cursor.readLine(&line)) {
        if (!line.contains(kStationMarker))
            continue;
        std::optional<StationRecord> station;
        const int code = parser.parse(line, &station);
        if (station) {
            station->number = numbers_.next();
            // A record goes out whole or the file stops here.
            const QByteArray record = formatStationRecord(*station);
            if (output.write(record) != record.size())
                return fail("Can't open output TXT file.").code;
            result->counties << station->county;
            workFiles_.noteStationWritten(station->county);
        }
        if (code != 0)
            return code;
    }
    return 0;
}

} // namespace kova::climimport
