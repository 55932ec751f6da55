#include "sectionparser.h"

#include "stationrecord.h"

#include "store/fieldnames.h"
#include "store/schema.h"

#include <QStringDecoder>
#include <cmath>

namespace kova::climimport {

namespace {

constexpr int kLinesBeforeJanuary = 12;
constexpr int kLinesBeforeFrostDates = 20;
constexpr int kSectionEndDashedLines = 4;
constexpr std::array<int, 4> kFrostDateColumns = {42, 51, 60, 69};

QByteArray columns(const QByteArray& line, int first, int last) {
    return line.mid(first, last - first + 1);
}

QString cellText(const QByteArray& line, int first, int last) {
    return QString::fromLatin1(columns(line, first, last).trimmed());
}

bool isAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

const store::FieldDef& climateField(const QString& name) {
    static const store::TableDef* climate = store::findTable(QStringLiteral("Climate"));
    const store::FieldDef* field = climate->field(name);
    Q_ASSERT(field);
    return *field;
}

QString validValues(const store::FieldDef& field) {
    if (field.range)
        return QStringLiteral("valid %1 to %2")
            .arg(QString::number(field.range->min), QString::number(field.range->max));
    if (field.rule == store::TextRule::MonthDay)
        return QStringLiteral("valid MM/DD or 00/00");
    return {};
}

} // namespace

std::optional<qint64> digitsInColumns(const QByteArray& line, int first, int last) {
    QByteArray digits;
    for (char c : columns(line, first, last))
        if (isDigit(c))
            digits += c;
    if (digits.isEmpty())
        return std::nullopt;
    return digits.toLongLong();
}

std::optional<double> numberInColumns(const QByteArray& line, int first, int last) {
    const QByteArray cell = columns(line, first, last).trimmed();
    bool ok = false;
    const double value = cell.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<QString> frostDateFromCell(QByteArray cell, bool fallDate) {
    static const QString noDate = QStringLiteral("00/00");
    if (cell.trimmed().isEmpty() || cell.contains('-') || cell.contains('>'))
        return noDate;
    if (fallDate && std::any_of(cell.begin(), cell.end(), isAsciiLetter))
        return noDate;
    if (cell.size() < 5) // cut by the line end: what is left is no whole date
        return std::nullopt;
    cell.replace(' ', '0');
    if (cell == "12/31")
        return noDate;
    if (!isDigit(cell[0]) || !isDigit(cell[1]) || cell[2] != '/' || !isDigit(cell[3]) ||
        !isDigit(cell[4]))
        return std::nullopt;
    return QString::fromLatin1(cell);
}

QString sourceText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    return recordText(text);
}

std::optional<QByteArray> sectionsText(const QByteArray& countyFile) {
    const qsizetype w = countyFile.indexOf('W');
    const qsizetype n = countyFile.indexOf('N');
    if (w < 0 || (n >= 0 && n < w))
        return std::nullopt;
    // As if copied line by line: line feeds whatever the file's line ends were.
    QByteArray text = "\n" + countyFile.mid(w);
    text.replace("\r\n", "\n");
    return text;
}

std::optional<StationRecord> StationSections::next() {
    QByteArray line;
    while (endCode_ == 0 && cursor_.readLine(&line)) {
        if (!line.contains(kStationMarker))
            continue;
        std::optional<StationRecord> station;
        endCode_ = parser_.parse(line, &station);
        if (station)
            return station;
    }
    return std::nullopt;
}

int StationSectionParser::parse(const QByteArray& stationLine,
                                std::optional<StationRecord>* station) {
    StationRecord r;
    invalid_.clear();
    readStationLine(stationLine, &r);
    const Step step = readBody(&r);
    if (step.ok)
        *station = r;
    else if (!step.abortText.isEmpty())
        messages_.report(
            {MessageKind::Error, QString(step.abortText).replace(QLatin1String("%s"), r.name)});
    return skipToSectionEnd();
}

void StationSectionParser::checkNumber(const QString& field, double value, const QString& asRead) {
    const store::FieldDef& def = climateField(field);
    if (!def.accepts(value))
        invalid_ << QStringLiteral("%1 %2 (%3)").arg(field, asRead, validValues(def));
}

void StationSectionParser::checkText(const QString& field, const QString& value) {
    const store::FieldDef& def = climateField(field);
    if (def.required && value.trimmed().isEmpty())
        invalid_ << QStringLiteral("%1 (must have a value)").arg(field);
    else if (!def.accepts(value))
        invalid_ << QStringLiteral("%1 %2 (%3)").arg(field, value, validValues(def));
}

// "... S Station : NAME, TOKEN  ...": the name starts two characters after the colon and runs
// to the comma, the token starts two characters after the comma and runs to a blank.
void StationSectionParser::readStationLine(const QByteArray& line, StationRecord* r) const {
    const qsizetype colon = line.indexOf(kStationMarker) + qsizetype(sizeof kStationMarker) - 2;
    const qsizetype nameStart = colon + 2;
    const qsizetype comma = line.indexOf(',', nameStart);
    r->name = sourceText(line.mid(nameStart, comma < 0 ? -1 : comma - nameStart));
    if (comma < 0)
        return;
    const qsizetype tokenStart = comma + 2;
    const qsizetype blank = line.indexOf(' ', tokenStart);
    // A control character beside the number is a blank like the one that ends it.
    r->token = sourceText(line.mid(tokenStart, blank < 0 ? -1 : blank - tokenStart)).trimmed();
}

StationSectionParser::Step StationSectionParser::readBody(StationRecord* r) {
    const QString stateCode = r->token.left(2);
    if (Step step = readLocation(r); !step.ok)
        return step;
    if (Step step = readCounty(stateCode, r); !step.ok)
        return step;
    QByteArray line;
    for (int i = 0; i < kLinesBeforeJanuary; ++i)
        if (!cursor_.readLine(&line))
            return failed("Can't find January ? aborting Sta %s\n");
    if (Step step = readMonths(r); !step.ok)
        return step;
    if (Step step = readFrostDates(r); !step.ok)
        return step;
    // A value no `Climate` row may hold stops the station here, never the load later.
    checkText(QStringLiteral("Station Name"), r->name);
    if (!invalid_.isEmpty())
        return {false, QStringLiteral("Invalid values ? aborting Sta %s: ") +
                           invalid_.join(QStringLiteral("; ")) + QLatin1Char('\n')};
    return done();
}

StationSectionParser::Step StationSectionParser::readLocation(StationRecord* r) {
    QByteArray line;
    if (!cursor_.readLine(&line))
        return failed("Longitude ? aborting Sta %s\n");
    if (!line.contains("Latitude:"))
        return failed("Latitude ? aborting Sta %s\n");
    const auto latitude = digitsInColumns(line, 11, 17);
    if (!latitude)
        return failed("Latitude ? aborting Sta %s\n");
    const auto longitude = digitsInColumns(line, 33, 39);
    const auto elevation = digitsInColumns(line, 57, 64);
    if (!longitude || !elevation)
        return failed("Longitude ? aborting Sta %s\n");
    r->latitude = *latitude;
    r->longitude = *longitude;
    r->elevation = *elevation;
    checkNumber(QStringLiteral("Latitude"), double(r->latitude), QString::number(r->latitude));
    checkNumber(QStringLiteral("Longitude"), double(r->longitude), QString::number(r->longitude));
    checkNumber(QStringLiteral("Elevation"), double(r->elevation), QString::number(r->elevation));
    return done();
}

StationSectionParser::Step StationSectionParser::readCounty(const QString& stateCode,
                                                            StationRecord* r) {
    QByteArray line;
    if (!cursor_.readLine(&line))
        return failed("State ? aborting Sta %s\n");
    if (!line.contains("State FIPS"))
        return failed("County ? aborting Sta %s\n");
    const QString county = sourceText(line.mid(49)).trimmed();
    if (county.isEmpty())
        return failed("County ? aborting Sta %s\n");
    r->county = county + QLatin1String(", ") + stateCode;
    return done();
}

// A month cell starting with "-" that is not a number ("-----") marks a station without
// normals: it is left out without a message. A negative mean ("-10.5") is a value.
StationSectionParser::Step StationSectionParser::readMonths(StationRecord* r) {
    QByteArray line;
    for (int month = 1; month <= 12; ++month) {
        if (!cursor_.readLine(&line))
            return failed("Temperature & Precipitation ? aborting Sta %s\n");
        const auto temperature = numberInColumns(line, 28, 32);
        if (line.size() > 28 && line.at(28) == '-' && !temperature)
            return {false, {}};
        const auto precipitation = numberInColumns(line, 36, 41);
        if (!temperature || !precipitation)
            return failed("Temperature & Precipitation ? aborting Sta %s\n");
        // Checked as the station file will keep them: 99.996 is written as 100.00.
        double& t = r->temperature[size_t(month - 1)];
        double& p = r->precipitation[size_t(month - 1)];
        t = asWritten(*temperature, kTemperatureDecimals);
        p = asWritten(*precipitation, kPrecipitationDecimals);
        checkNumber(store::monthField(QStringLiteral("T"), month), t, cellText(line, 28, 32));
        checkNumber(store::monthField(QStringLiteral("P"), month), p, cellText(line, 36, 41));
    }
    return done();
}

// A section that ends before its "50 percent" line has no frost dates to give: the station is
// skipped with a message rather than stored with invented dates.
StationSectionParser::Step StationSectionParser::readFrostDates(StationRecord* r) {
    QByteArray line;
    for (int i = 0; i < kLinesBeforeFrostDates; ++i)
        if (!cursor_.readLine(&line))
            return failed("Can't get to 50% ? aborting Sta %s\n");
    if (!cursor_.readLine(&line))
        return failed("Can't finish data ? at Sta %s");
    if (!line.contains("50 percent"))
        return failed("Can't get 208F & 32F ? aborting Sta %s/n");
    for (size_t i = 0; i < kFrostDateColumns.size(); ++i) {
        const int first = kFrostDateColumns[i];
        const auto date = frostDateFromCell(columns(line, first, first + 4), i % 2 == 1);
        if (!date)
            return failed("Can't get 208F & 32F ? aborting Sta %s/n");
        r->frostDates[i] = *date;
        checkText(QLatin1String(kFrostDateFields[i]), *date);
    }
    return done();
}

// Past four dashed lines, then on to the next "W" (0), a form feed and two more characters
// (2 when the text ends there, else 0), or the end of the text (2).
int StationSectionParser::skipToSectionEnd() {
    QByteArray line;
    int dashed = 0;
    while (dashed < kSectionEndDashedLines && cursor_.readLine(&line))
        if (line.contains("-------"))
            ++dashed;
    for (;;) {
        const int c = cursor_.readChar();
        if (c == -1)
            return 2;
        if (c == 'W')
            return 0;
        if (c == '\f') {
            cursor_.readChar();
            return cursor_.readChar() == -1 ? 2 : 0;
        }
    }
}

} // namespace kova::climimport
