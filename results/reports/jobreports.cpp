#include "jobreports.h"

#include "reportparts.h"

#include "results/output/cropsummary.h"

#include "calc/tkova.h"

#include "report/format.h"

#include "store/fieldnames.h"

namespace kova::results {

using calc::TKova;
using report::Band;
using report::PrintContext;

namespace {

size_t ix(int m) {
    return static_cast<size_t>(m);
}

// A month table: the row captions, then Jan .. Dec and TOTAL.
constexpr qreal kCaptionWidth = 43;
constexpr qreal kMonthWidth = 11;
constexpr qreal kTotalWidth = 15;

QRectF monthCell(int column, qreal top) { // column 1..12 the months, 13 the total
    const qreal width = column == 13 ? kTotalWidth : kMonthWidth;
    return {kCaptionWidth + (column - 1) * kMonthWidth, top, width - 1, kLine};
}

void addMonthHeads(Band& band, qreal top) {
    for (int m = 1; m <= 12; ++m)
        band.addLabel(monthCell(m, top), QString::fromLatin1(store::kMonthAbbrev[ix(m - 1)]),
                      boldText().right());
    band.addLabel(monthCell(13, top), QStringLiteral("TOTAL"), boldText().right());
}

void addKovaMonthRow(Band& band, const TKova& k, qreal top, const QString& caption,
                     calc::Monthly TKova::*series, int decimals, double TKova::*total) {
    band.addLabel({0, top, kCaptionWidth, kLine}, caption, boldText());
    for (int m = 1; m <= 12; ++m)
        band.addComputed(monthCell(m, top),
                         fromKova(k,
                                  [series, m, decimals](const TKova& kova) {
                                      return QString::number((kova.*series)[ix(m)], 'f', decimals);
                                  }),
                         plainText().right());
    if (total)
        band.addComputed(monthCell(13, top),
                         fromKova(k, [total](const TKova& kova) { return fixed2(kova.*total); }),
                         plainText().right());
}

// --- job crop summary ----------------------------------------------------------------------

void addJobPageHeader(report::Report& r, const TKova& k) {
    const qreal width = r.bodyWidth();
    Band& header = r.pageHeader();
    header.setHeight(15);
    header.addLabel({0, 0, width, 7}, QStringLiteral("Normal Year Kova"),
                    boldText().size(13).centred());
    header.addComputed({0, 7, width, 6},
                       fromKova(k, [](const TKova& kova) { return kova.Location; }),
                       boldText().size(11).centred());
}

void addStationBlock(report::Report& r, const TKova& k) {
    Band& title = r.title();
    const report::TextStyle stationStyle = largeText().size(13).italic().underline();
    title.addComputed({0, 1, r.bodyWidth(), 7},
                      fromKova(k,
                               [](const TKova& kova) {
                                   return kova.StationName + QStringLiteral("   ") + kova.StationNo;
                               }),
                      stationStyle);
    const auto number = [&k](double TKova::*member) {
        return fromKova(k, [member](const TKova& kova) { return general(kova.*member); });
    };
    addItem(title, {0, 10, 18}, {QStringLiteral("Latitude:"), number(&TKova::Latitude)});
    addItem(title, {45, 10, 18}, {QStringLiteral("Longitude:"), number(&TKova::Longitude)});
    addItem(title, {95, 10, 18}, {QStringLiteral("Elevation:"), number(&TKova::Elevation)});
    addMonthHeads(title, 17);
    addKovaMonthRow(title, k, 22, QStringLiteral("Mean Temperature (F)"), &TKova::Temp, 1, nullptr);
    addKovaMonthRow(title, k, 27, QStringLiteral("Total Precipitation (In)"), &TKova::Precip, 2,
                    &TKova::AnnualPrecip);
    addKovaMonthRow(title, k, 32, QStringLiteral("Effective Precip. (In)"), &TKova::EP50, 2,
                    &TKova::EP50Total);
    addItem(title, {0, 38, 80},
            {QStringLiteral("Computation method:"),
             fromKova(k, [](const TKova& kova) { return kova.ETMethodText; })});
    title.setHeight(46);
}

report::TextSource field(const QString& name, report::Formatter format = {}) {
    return [name, format](const PrintContext& c) {
        const QVariant v = c.value(name);
        return format ? format(v) : v.toString();
    };
}

int curveIndexOf(const PrintContext& c) {
    const QVariant v = c.value(QStringLiteral("Curve Index"));
    return v.isNull() ? -1 : v.toInt();
}

void addFieldMonthRow(Band& band, qreal top, const QString& caption, const QString& prefix,
                      const QString& totalField) {
    band.addLabel({0, top, kCaptionWidth, kLine}, caption, boldText());
    for (int m = 1; m <= 12; ++m)
        band.addField(monthCell(m, top), store::monthField(prefix, m), plainText().right(),
                      report::format::fixed(2));
    if (!totalField.isEmpty())
        band.addField(monthCell(13, top), totalField, plainText().right(),
                      report::format::fixed(2));
}

void addCropBand(report::Report& r) {
    Band& band = r.detail();
    const qreal width = r.bodyWidth();
    const report::Condition fieldSettings = [](const PrintContext& c) {
        return headerItems(curveIndexOf(c), false).fieldSettings;
    };
    const report::Condition cuttings = [](const PrintContext& c) {
        return headerItems(curveIndexOf(c), c.value(QStringLiteral("Hay")).toBool()).cuttings;
    };
    band.addLine({0, 1}, {width, 1}, 0.3);
    band.addField({0, 3, 95, 7}, QStringLiteral("Crop Name"), largeText());
    addItem(band, {100, 4, 20},
            {QStringLiteral("Begin growth:"), field(QStringLiteral("Beg Dat"))});
    addItem(band, {148, 4, 20}, {QStringLiteral("End growth:"), field(QStringLiteral("End Dat"))});
    addMonthHeads(band, 11);
    addFieldMonthRow(band, 16, QStringLiteral("Mo. Net Irrig. Req. (In)"), QStringLiteral("IR"),
                     QStringLiteral("IR Season"));
    addFieldMonthRow(band, 21, QStringLiteral("Peak Daily Irr. Req. (In)"), QStringLiteral("Pk"),
                     {});
    const auto general = report::format::general();
    addItem(band, {0, 27, 10},
            {QStringLiteral("Net irrigation application:"),
             field(QStringLiteral("Net Irr"), general), QStringLiteral("inches")});
    band.addLabel({0, 32, 84, kLine},
                  QStringLiteral("Estimated carryover moisture used at season:"), boldText());
    addItem(band, {86, 32, 10},
            {QStringLiteral("Begin:"), field(QStringLiteral("Carry Beg"), general),
             QStringLiteral("inches")});
    addItem(band, {130, 32, 10},
            {QStringLiteral("End:"), field(QStringLiteral("Carry End"), general),
             QStringLiteral("inches")});
    addItem(band, {0, 37, 55}, {QStringLiteral("Surface Soil:"), field(QStringLiteral("Soil"))},
            fieldSettings);
    addItem(band, {100, 37, 60},
            {QStringLiteral("Irrigation Type:"), field(QStringLiteral("Irrigation Type"))},
            fieldSettings);
    addItem(band, {0, 42, 8},
            {QStringLiteral("Wetting (Development): "), field(QStringLiteral("Dys Wet Developed")),
             QStringLiteral("days")},
            fieldSettings);
    addItem(band, {70, 42, 8},
            {QStringLiteral("(Mature):"), field(QStringLiteral("Dys Wet Mature")),
             QStringLiteral("days")},
            fieldSettings);
    addItem(band, {130, 42, 12},
            {QStringLiteral("Cuttings (Hay)"), field(QStringLiteral("Cuttings"))}, cuttings);
    band.setHeight(49);
}

// --- list of jobs --------------------------------------------------------------------------

void addJobBand(report::Report& r) {
    Band& band = r.detail();
    band.addLine({0, 1}, {r.bodyWidth(), 1}, 0.3);
    addItem(band, {0, 3, 90}, {QStringLiteral("Job:"), field(QStringLiteral("Job Name"))}, {},
            boldText());
    addItem(band, {110, 3, 60}, {QStringLiteral("County:"), field(QStringLiteral("County"))});
    addItem(band, {0, 8, 90}, {QStringLiteral("Location:"), field(QStringLiteral("Location"))});
    band.addField({110, 8, 30, kLine}, QStringLiteral("Job Date"), plainText());
    addItem(band, {0, 13, 70},
            {QStringLiteral("Weather Station:"), field(QStringLiteral("Weather Station"))});
    band.addField({110, 13, 30, kLine}, QStringLiteral("StationNo"), plainText());
    band.setHeight(20);
}

} // namespace

std::unique_ptr<ResultsReport> buildJobSummaryReport(const TKova& kova,
                                                     store::Table& workingCrops) {
    auto built = std::make_unique<ResultsReport>();
    report::Report& r = built->report;
    r.setDocumentName(QStringLiteral("Normal Year Kova"));
    built->data = std::make_unique<report::TableDataSet>(workingCrops);
    r.setDataSet(built->data.get());
    addJobPageHeader(r, kova);
    addStationBlock(r, kova);
    addCropBand(r);
    addFooter(r, QStringLiteral("Date:"), QStringLiteral("Page:"));
    return built;
}

std::unique_ptr<ResultsReport> buildJobListReport(const QString& alias) {
    auto built = std::make_unique<ResultsReport>();
    report::Report& r = built->report;
    r.setDocumentName(QStringLiteral("List of Available Jobs"));
    built->table = std::make_unique<store::Table>(QStringLiteral("KovaJob"), alias);
    if (!built->table->open())
        built->error = built->table->errorString();
    built->data = std::make_unique<report::TableDataSet>(*built->table);
    r.setDataSet(built->data.get());
    const qreal width = r.bodyWidth();
    Band& header = r.pageHeader();
    header.setHeight(16);
    header.addLabel({0, 0, width, 8}, QStringLiteral("Kova Program"),
                    boldText().size(15).centred());
    header.addLabel({0, 8, width, 6}, QStringLiteral("List of Available Jobs"),
                    boldText().size(11).centred());
    addJobBand(r);
    addFooter(r, QStringLiteral("Date:"), QStringLiteral("Page:"));
    return built;
}

} // namespace kova::results
