#include "dates.h"

#include "calc/computecore.h"
#include "calc/growthdatestables.h"
#include "calc/newcrop.h"
#include "calc/rowreaders.h"

#include "main/job/croprules.h"
#include "main/job/etmethod.h"

#include "store/table.h"

#include <QCommandLineParser>
#include <QStringList>
#include <cmath>
#include <stdexcept>

namespace kova::tools {

using calc::MonthDay;
using store::Table;

namespace {

const QString kGrowDays = QStringLiteral("grow-days");
const QString kBeginTemp = QStringLiteral("begin-temp");
const QString kEndTemp = QStringLiteral("end-temp");

struct DatesRequest {
    QString station, crop;
    std::optional<int> growDays;
    std::optional<double> beginTemp, endTemp;
};

[[noreturn]] void badInput(const QString& message) {
    throw InputError{message};
}

[[noreturn]] void failed(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

std::optional<int> growDaysOption(const QCommandLineParser& p) {
    if (!p.isSet(kGrowDays))
        return std::nullopt;
    bool ok = false;
    const int days = p.value(kGrowDays).toInt(&ok);
    if (!ok || days < calc::kMinGrowDays || days > calc::kMaxGrowDays)
        badInput(QStringLiteral("invalid number '%1' for --%2 (a whole number from %3 to %4)")
                     .arg(p.value(kGrowDays), kGrowDays)
                     .arg(calc::kMinGrowDays)
                     .arg(calc::kMaxGrowDays));
    return days;
}

std::optional<double> temperatureOption(const QCommandLineParser& p, const QString& name) {
    if (!p.isSet(name))
        return std::nullopt;
    bool ok = false;
    const double t = p.value(name).toDouble(&ok);
    const store::ValueRange range = calc::growthTemperatureRange();
    if (!ok || !std::isfinite(t) || !range.contains(t))
        badInput(QStringLiteral("invalid number '%1' for --%2 (degrees F from %3 to %4)")
                     .arg(p.value(name), name, number(range.min), number(range.max)));
    return t;
}

DatesRequest requestOf(const Options& options, const QCommandLineParser& p) {
    if (options.format == Format::Csv)
        badInput(QStringLiteral("--format csv is not offered by dates (table or json)"));
    if (!p.isSet(QStringLiteral("station")) || !p.isSet(QStringLiteral("crop")))
        badInput(QStringLiteral("dates needs --station NAME and --crop NAME"));
    return {p.value(QStringLiteral("station")), p.value(QStringLiteral("crop")), growDaysOption(p),
            temperatureOption(p, kBeginTemp), temperatureOption(p, kEndTemp)};
}

// The row of `name` on the table's case-insensitive name index.
store::Record namedRow(const QString& alias, const QString& table, const QString& index,
                       const QString& name, const QString& what) {
    Table t(table, alias);
    t.setIndexName(index);
    if (!t.open())
        failed(t.errorString());
    if (!t.findKey({name}))
        badInput(QStringLiteral("unknown %1 '%2'").arg(what, name));
    return t.record();
}

// The record as the crop parameters dialog leaves it for a crop just added to a job at the
// station with the method: station members, the crop's dates and its curve kind.
calc::TKova recordFor(const store::Record& station, const calc::CreatedCrop& crop, int etIndex) {
    calc::TKova k;
    calc::setStationMembers(k, calc::stationFrom(station));
    k.ETIndex = etIndex;
    k.ETMethodText = job::methodText(etIndex);
    k.CropName = crop.CopName;
    k.PlantMo = crop.PlantMo;
    k.PlantDay = crop.PlantDay;
    k.HarvestMo = crop.HarvestMo;
    k.HarvestDay = crop.HarvestDay;
    if (const auto curve = calc::curveChoiceFor(etIndex, crop).CurveIndex)
        k.CurveIndex = *curve;
    return k;
}

bool isClosing(const std::optional<calc::DateToolMessage>& message) {
    return message && message->close != calc::DateToolClose::Stay;
}

// "Re-Calculate" with the values given, the others as the entries hold them.
std::optional<calc::DateToolMessage> recalculate(calc::CompPHDates& tool, const DatesRequest& r,
                                                 const QString& cropName) {
    const calc::DateToolValues& v = tool.values();
    if (r.growDays && !v.GrowDaysShown)
        badInput(QStringLiteral("--%1 cannot be used with '%2': it has no grow days to enter, its "
                                "harvest is the temperature-based end date")
                     .arg(kGrowDays, cropName));
    return tool.calculate(r.growDays.value_or(v.GrowDaysEntry),
                          r.beginTemp.value_or(v.BeginTempEntry),
                          r.endTemp.value_or(v.EndTempEntry));
}

QString dateText(MonthDay date) {
    return QStringLiteral("%1/%2").arg(date.month).arg(date.day);
}

// Key and value pairs in their stable order; values already formatted.
using Fields = QList<std::pair<QString, QString>>;

enum class Layout { Json, Table };

Fields fieldsOf(const DatesResult& r, Layout layout) {
    const bool quoted = layout == Layout::Json;
    auto text = [quoted](const QString& s) { return quoted ? jsonString(s) : s; };
    Fields f = {{QStringLiteral("default_plant"), text(dateText(r.defaultPlant))},
                {QStringLiteral("default_harvest"), text(dateText(r.defaultHarvest))}};
    const calc::DateToolValues& v = r.values;
    if (layout == Layout::Table)
        f << std::pair{QStringLiteral("default_grow_days"),
                       QString::number(calc::daysUntil(r.defaultPlant, r.defaultHarvest))};
    if (v.CriteriaRead)
        f << Fields{{QStringLiteral("begin_temp"), number(v.BeginTempEntry)},
                    {QStringLiteral("end_temp"), number(v.EndTempEntry)},
                    {QStringLiteral("min_grow_days"), QString::number(v.MinGrowDays)},
                    {QStringLiteral("max_grow_days"), QString::number(v.MaxGrowDays)},
                    {QStringLiteral("grow_days"), QString::number(v.GrowDays)}};
    if (v.DatesShown)
        f << Fields{{QStringLiteral("spring"), text(dateText(v.Spring))},
                    {QStringLiteral("fall"), text(dateText(v.Fall))},
                    {QStringLiteral("available_days"), QString::number(v.AvailableDays)},
                    {QStringLiteral("harvest"), text(dateText(v.Harvest))}};
    f << std::pair{QStringLiteral("message"), text(r.message ? r.message->text : QString())};
    return f;
}

QString json(const DatesResult& r) {
    QStringList pairs;
    for (const auto& [key, value] : fieldsOf(r, Layout::Json))
        pairs << jsonString(key) + QLatin1Char(':') + value;
    return QLatin1Char('{') + pairs.join(QLatin1Char(',')) + QStringLiteral("}\n");
}

QString table(const DatesResult& r) {
    // The window's own words for each value.
    static const QList<std::pair<QString, QString>> labels = {
        {QStringLiteral("default_plant"), QStringLiteral("Default planting date")},
        {QStringLiteral("default_harvest"), QStringLiteral("Default harvest date")},
        {QStringLiteral("default_grow_days"), QStringLiteral("Default grow days")},
        {QStringLiteral("begin_temp"), QStringLiteral("Begin growth temperature")},
        {QStringLiteral("end_temp"), QStringLiteral("End growth temperature")},
        {QStringLiteral("min_grow_days"), QStringLiteral("Minimum grow days")},
        {QStringLiteral("max_grow_days"), QStringLiteral("Maximum grow days")},
        {QStringLiteral("grow_days"), QStringLiteral("Grow days required")},
        {QStringLiteral("spring"), QStringLiteral("Planting date")},
        {QStringLiteral("fall"), QStringLiteral("Temperature based end date")},
        {QStringLiteral("available_days"), QStringLiteral("Available grow days")},
        {QStringLiteral("harvest"), QStringLiteral("Harvest date")},
        {QStringLiteral("message"), QStringLiteral("Message")}};
    auto line = [](const QString& label, const QString& value) {
        return (label + QLatin1Char(':')).leftJustified(29) + value + QLatin1Char('\n');
    };
    QString out = line(QStringLiteral("Climate station"), r.station) +
                  line(QStringLiteral("Crop"), r.crop) +
                  line(QStringLiteral("ET method"), r.etMethod);
    for (const auto& [key, value] : fieldsOf(r, Layout::Table))
        for (const auto& [labelKey, label] : labels)
            if (labelKey == key)
                out += line(label, value);
    return out;
}

} // namespace

QList<QCommandLineOption> datesOptions() {
    return {
        {kGrowDays,
         QStringLiteral("dates: grow days required for \"Re-Calculate\" (1-365; only for a crop "
                        "with a minimum of grow days)."),
         QStringLiteral("N")},
        {kBeginTemp, QStringLiteral("dates: begin growth temperature for \"Re-Calculate\", F."),
         QStringLiteral("F")},
        {kEndTemp, QStringLiteral("dates: end growth temperature for \"Re-Calculate\", F."),
         QStringLiteral("F")}};
}

DatesResult runDates(const Options& options, const QCommandLineParser& parser) {
    const DatesRequest request = requestOf(options, parser);
    const store::Record station =
        namedRow(options.alias, QStringLiteral("Climate"), QStringLiteral("StaNameIndex"),
                 request.station, QStringLiteral("station"));
    const store::Record cropRow =
        namedRow(options.alias, QStringLiteral("KovaCrop"), QStringLiteral("CropNameIndex"),
                 request.crop, QStringLiteral("crop"));
    const calc::CreatedCrop crop = calc::createdCropFrom(cropRow);
    if (crop.CopName != request.crop) // created crops are named exactly
        badInput(QStringLiteral("unknown crop '%1'").arg(request.crop));
    // "Add New Crop" refuses such a crop, so no dialog could show its dates.
    if (!job::hasCurveForMethod(crop, options.etIndex))
        badInput(QStringLiteral("crop '%1' has no crop curve for the ET method %2")
                     .arg(request.crop, job::methodText(options.etIndex)));

    const calc::TKova k = recordFor(station, crop, options.etIndex);
    DatesResult result{k.StationName,
                       k.CropName,
                       k.ETMethodText,
                       {k.PlantMo, k.PlantDay},
                       {k.HarvestMo, k.HarvestDay},
                       {},
                       {}};
    calc::DateToolInputs in;
    QString error;
    if (!calc::readDateToolInputs(options.alias, k, &in, &error))
        failed(error);
    if ((result.message = calc::tooWarmForDates(in.station)))
        return result;

    calc::CompPHDates tool(k.Temp, in.station);
    result.message = tool.open(k, in.crop);
    const bool valuesGiven = request.growDays || request.beginTemp || request.endTemp;
    if (valuesGiven && !isClosing(result.message))
        result.message = recalculate(tool, request, crop.CopName);
    result.values = tool.values();
    return result;
}

QString formatDates(const DatesResult& result, Format format) {
    return format == Format::Json ? json(result) : table(result);
}

} // namespace kova::tools
