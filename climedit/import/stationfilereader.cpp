#include "stationfilereader.h"

#include "stationrecord.h"

#include <QStringList>
#include <cmath>

namespace kova::climimport {

bool StationFileReader::readLine(QByteArray* line) {
    if (device_.atEnd())
        return false;
    *line = device_.readLine();
    while (line->endsWith('\n') || line->endsWith('\r'))
        line->chop(1);
    return true;
}

QString StationFileReader::readBody(StationRecord* station) {
    QByteArray line;
    std::optional<QStringList> words;
    std::array<qint64, 3> location{};
    if (!readLine(&line) || !(words = parseWords(line, 3)))
        return QStringLiteral("2 End of file or error");
    for (size_t i = 0; i < location.size(); ++i) {
        bool ok = false;
        location[i] = words->at(qsizetype(i)).toLongLong(&ok);
        if (!ok)
            return QStringLiteral("2 End of file or error");
    }
    station->latitude = location[0];
    station->longitude = location[1];
    station->elevation = location[2];
    std::optional<std::vector<double>> numbers;
    if (!readLine(&line) || !(numbers = parseNumbers(line, 12)))
        return QStringLiteral("3 End of file or error");
    std::copy(numbers->begin(), numbers->end(), station->temperature.begin());
    if (!readLine(&line) || !(numbers = parseNumbers(line, 12)))
        return QStringLiteral("4 End of file or error");
    std::copy(numbers->begin(), numbers->end(), station->precipitation.begin());
    if (!readLine(&line) || !(words = parseWords(line, 4)))
        return QStringLiteral("6 End of file or error");
    std::copy(words->begin(), words->end(), station->frostDates.begin());
    return {};
}

bool StationFileReader::nextRecord(QByteArray* rest) {
    QByteArray line;
    while (readLine(&line)) {
        const qsizetype hash = line.indexOf('#');
        if (hash >= 0) {
            *rest = line.mid(hash + 1);
            return true;
        }
    }
    return false;
}

std::optional<RecordHeader> parseRecordHeader(const QByteArray& rest) {
    const qsizetype blank = rest.indexOf(' ');
    const qsizetype bar1 = rest.indexOf('|', blank + 1);
    const qsizetype bar2 = bar1 < 0 ? -1 : rest.indexOf('|', bar1 + 1);
    if (blank < 0 || bar2 < 0)
        return std::nullopt;
    RecordHeader header;
    // A work file edited by hand still brings no control character into a stored text.
    header.county = recordText(QString::fromUtf8(rest.mid(blank + 1, bar1 - blank - 1)));
    header.name = recordText(QString::fromUtf8(rest.mid(bar1 + 1, bar2 - bar1 - 1)));
    // The blank after the number is the record's separator, not part of the number.
    header.number = recordText(QString::fromUtf8(rest.mid(bar2 + 1).trimmed()));
    return header;
}

std::optional<QStringList> parseWords(const QByteArray& line, int count) {
    const QStringList words = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != count)
        return std::nullopt;
    return words;
}

std::optional<std::vector<double>> parseNumbers(const QByteArray& line, int count) {
    const auto words = parseWords(line, count);
    if (!words)
        return std::nullopt;
    std::vector<double> values;
    for (const QString& word : *words) {
        bool ok = false;
        const double v = word.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            return std::nullopt;
        values.push_back(v);
    }
    return values;
}

} // namespace kova::climimport
