#include "cropreports.h"

#include "cropheader.h"
#include "reportparts.h"

#include "results/output/cropsummary.h"

#include "calc/replacedinputs.h"
#include "calc/rowreaders.h"

#include <array>

namespace kova::results {

using calc::TKova;
using report::Band;

namespace {

size_t ix(int m) {
    return static_cast<size_t>(m);
}

constexpr qreal kRowHeight = 4.5;
constexpr qreal kHeadingHeight = 5 * kHeadingLine;

// One monthly value of a table cell, read when the band prints; an empty text leaves the
// cell blank.
using CellText = std::function<QString(const TKova&, int month)>;

struct TableColumn {
    qreal left;
    qreal width;
    CellText cell;
};

// Twelve rows "January" .. "December" under the headings, then the bold TOTAL line.
qreal addMonthTable(
    Band& band, const TKova& k, qreal top, qreal width, const std::vector<TableColumn>& columns,
    const std::vector<std::pair<TableColumn, std::function<QString(const TKova&)>>>& totals) {
    const qreal rowsTop = top + kHeadingHeight + 1;
    band.addLine({0, rowsTop - 0.5}, {width, rowsTop - 0.5}, 0.2);
    for (int m = 1; m <= 12; ++m) {
        const qreal y = rowsTop + (m - 1) * kRowHeight;
        band.addLabel({1, y, 30, kRowHeight}, calc::fullMonthName(m), plainText());
        for (const TableColumn& c : columns)
            band.addComputed(
                {c.left, y, c.width - 2, kRowHeight},
                [&k, cell = c.cell, m](const report::PrintContext&) { return cell(k, m); },
                plainText().right());
    }
    const qreal totalTop = rowsTop + 12 * kRowHeight + 1;
    band.addLine({0, totalTop - 0.5}, {width, totalTop - 0.5}, 0.2);
    band.addLabel({1, totalTop, 30, kLine}, QStringLiteral("TOTAL"), boldText());
    for (const auto& [c, total] : totals)
        band.addComputed({c.left, totalTop, c.width - 2, kLine}, fromKova(k, total),
                         boldText().right());
    return totalTop + kLine;
}

CellText monthly(calc::Monthly TKova::*series) {
    return [series](const TKova& k, int m) { return fixed2((k.*series)[ix(m)]); };
}

std::function<QString(const TKova&)> total(double TKova::*value) {
    return [value](const TKova& k) { return fixed2(k.*value); };
}

// --- crop data summary ---------------------------------------------------------------------

// Left edges of the eight columns and the table's right edge.
constexpr std::array<qreal, 9> kSummaryX = {0, 28, 50, 74, 98, 122, 146, 168, 190};

void addSummaryHeadings(Band& band, qreal top) {
    const auto& x = kSummaryX;
    addHeadings(band, top,
                {{x[0], 28, {{}, {}, {}, {}, QStringLiteral("Month")}},
                 {x[1],
                  22,
                  {QStringLiteral("Total"), QStringLiteral("Monthly"), QStringLiteral("ET"),
                   QStringLiteral("(3)"), QStringLiteral("inches")}},
                 {x[2], 48, {QStringLiteral("Dry Year"), QStringLiteral("80% Chance (1)")}},
                 {x[2],
                  24,
                  {{},
                   {},
                   QStringLiteral("Effective"),
                   QStringLiteral("Precipitation"),
                   QStringLiteral("inches")}},
                 {x[3],
                  24,
                  {{},
                   {},
                   QStringLiteral("Net Irrigation"),
                   QStringLiteral("Reqirements"),
                   QStringLiteral("inches (2)")}},
                 {x[4], 48, {QStringLiteral("Normal Year"), QStringLiteral("50% Chance (1)")}},
                 {x[4],
                  24,
                  {{},
                   {},
                   QStringLiteral("Effective"),
                   QStringLiteral("Precipitation"),
                   QStringLiteral("inches")}},
                 {x[5],
                  24,
                  {{},
                   {},
                   QStringLiteral("Net Irrigation"),
                   QStringLiteral("Reqirements"),
                   QStringLiteral("inches (2)")}},
                 {x[6],
                  22,
                  {{},
                   QStringLiteral("Average"),
                   QStringLiteral("Daily"),
                   QStringLiteral("ETc"),
                   QStringLiteral("inches")}},
                 {x[7],
                  22,
                  {{},
                   QStringLiteral("Peak"),
                   QStringLiteral("Daily"),
                   QStringLiteral("ETPk"),
                   QStringLiteral("inches")}}});
}

// The peak cell is blank for a month without a peak and for the planting and harvest months.
QString peakCell(const TKova& k, int m) {
    const double peak = k.PeakET[ix(m)];
    return peak > 0 && m != k.PlantMo && m != k.HarvestMo ? fixed2(peak) : QString();
}

qreal addSummaryTable(Band& band, const TKova& k, qreal top, qreal width) {
    addSummaryHeadings(band, top);
    const auto& x = kSummaryX;
    const auto col = [&](int i, CellText cell) {
        return TableColumn{x[size_t(i)], x[size_t(i) + 1] - x[size_t(i)], std::move(cell)};
    };
    return addMonthTable(band, k, top, width,
                         {col(1, monthly(&TKova::ETMonth)), col(2, monthly(&TKova::EP80)),
                          col(3, monthly(&TKova::NI80)), col(4, monthly(&TKova::EP50)),
                          col(5, monthly(&TKova::NI50)), col(6, monthly(&TKova::ETcRate)),
                          col(7, peakCell)},
                         {{col(1, {}), total(&TKova::ETTotal)},
                          {col(2, {}), total(&TKova::EP80Total)},
                          {col(3, {}), total(&TKova::NI80Total)},
                          {col(4, {}), total(&TKova::EP50Total)},
                          {col(5, {}), total(&TKova::NI50Total)}});
}

const QString kFootnote1 = QStringLiteral(
    "(1) For 80 percent occurrence, growing season effective precipitation will be equaled or "
    "exceeded 8 out of 10 years.  For 50 percent chance occurrence, effective precipitation "
    "will be equaled or exceeded 1 out of 2 years.");
const QString kFootnote2 = QStringLiteral(
    "(2) Net irrigation requirements is adjusted for carryover moisture used at the beginning "
    "of the season and carryover moiature used at the end of the growing season.");
const QString kFootnote3Adjusted = QStringLiteral(
    "(3) ET Evapotranspiration) is adjusted upwards 10% per 1000 meters above sea level.");
const QString kFootnote3NotAdjusted =
    QStringLiteral("(3) ET(Evapotranspiration) not adjusted for elevation.");
const QString kTR21 = QStringLiteral("Blaney Criddle (TR21)");

void addFootnotes(Band& band, const TKova& k, qreal top, qreal width, bool corrected) {
    const auto note = [&](qreal y, const QString& text) -> report::Label& {
        return band.addLabel({0, y, width, 2 * kLine}, text, plainText().size(8.5).wrapped().top());
    };
    note(top, kFootnote1);
    note(top + 2 * kLine + 1, kFootnote2).setPrintIf([&k](const report::PrintContext&) {
        return k.CarryBeg > 0 || k.CarryEnd > 0;
    });
    note(top + 4 * kLine + 2, corrected ? kFootnote3Adjusted : kFootnote3NotAdjusted)
        .setPrintIf([&k](const report::PrintContext&) { return k.ETMethodText == kTR21; });
}

// --- crop data details ---------------------------------------------------------------------

void addDetailsHeadings(Band& band, qreal top) {
    const auto h = [](const char* a, const char* b, const char* c) {
        return QStringList{
            {}, {}, QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c)};
    };
    addHeadings(
        band, top,
        {{0, 26, {{}, {}, {}, {}, QStringLiteral("Month")}},
         {26, 17, h("Average", "Temp.", "deg. F")},
         {43, 17, h("Average", "Precip.", "inches")},
         {60,
          36,
          {QStringLiteral("Effective"),
           QStringLiteral("Precipitation"),
           {},
           {},
           QStringLiteral("inches")}},
         {60, 18, {{}, {}, QStringLiteral("Dry"), QStringLiteral("80%")}},
         {78, 18, {{}, {}, QStringLiteral("Normal"), QStringLiteral("50%")}},
         {96,
          36,
          {QStringLiteral("Carryover "), QStringLiteral("Used"), {}, {}, QStringLiteral("inches")}},
         {96, 18, {{}, {}, QStringLiteral("Dry"), QStringLiteral("80%")}},
         {114, 18, {{}, {}, QStringLiteral("Normal"), QStringLiteral("50%")}},
         {132, 19, h("Daily", "ETo", "inches")},
         {151, 19, h("Crop", "Kc", "Factor")},
         {170, 19, h("Daily", "ETc", "inches")}});
}

double seriesSum(const calc::Monthly& series) {
    double sum = 0;
    for (int m = 1; m <= 12; ++m)
        sum += series[ix(m)];
    return sum;
}

qreal addDetailsTable(Band& band, const TKova& k, qreal top, qreal width) {
    addDetailsHeadings(band, top);
    const auto col = [](qreal left, qreal w, CellText cell) {
        return TableColumn{left, w, std::move(cell)};
    };
    // Each carry-over column totals the carry-over used in its months, as every TOTAL of the
    // table sums its column.
    const auto carryUsed = [](calc::Monthly TKova::*series) {
        return [series](const TKova& kova) { return fixed2(seriesSum(kova.*series)); };
    };
    return addMonthTable(band, k, top, width,
                         {col(26, 17, monthly(&TKova::Temp)), col(43, 17, monthly(&TKova::Precip)),
                          col(60, 18, monthly(&TKova::EP80)), col(78, 18, monthly(&TKova::EP50)),
                          col(96, 18, monthly(&TKova::CarryUsed80)),
                          col(114, 18, monthly(&TKova::CarryUsed50)),
                          col(132, 19, monthly(&TKova::EToRate)), col(151, 19, monthly(&TKova::Kc)),
                          col(170, 19, monthly(&TKova::ETcRate))},
                         {{col(43, 17, {}), total(&TKova::AnnualPrecip)},
                          {col(60, 18, {}), total(&TKova::EP80Total)},
                          {col(78, 18, {}), total(&TKova::EP50Total)},
                          {col(96, 18, {}), carryUsed(&TKova::CarryUsed80)},
                          {col(114, 18, {}), carryUsed(&TKova::CarryUsed50)}});
}

std::unique_ptr<ResultsReport> newCropReport(const ResultsSource& source, const QString& subtitle) {
    auto built = std::make_unique<ResultsReport>();
    built->report.setDocumentName(subtitle);
    addProductTitle(built->report.title(), built->report.bodyWidth(), subtitle);
    walkOneRowTable(*built, source.alias, QStringLiteral("Report"));
    return built;
}

} // namespace

std::unique_ptr<ResultsReport> buildCropSummaryReport(const ResultsSource& source) {
    auto built = newCropReport(source, QStringLiteral("Crop Data Summary"));
    report::Report& r = built->report;
    const qreal width = r.bodyWidth();
    r.title().setHeight(21);
    r.title().addLine({0, 19}, {width, 19}, 0.4);
    addFooter(r, QStringLiteral("Date:"));
    Band& band = r.detail();
    const qreal tableTop = addCropHeader(band, source.kova, CropHeaderKind::Summary) + 2;
    const qreal notesTop = addSummaryTable(band, source.kova, tableTop, width) + 3;
    addFootnotes(band, source.kova, notesTop, width, elevationCorrection(source.alias));
    band.setHeight(notesTop + 6 * kLine + 3);
    return built;
}

std::unique_ptr<ResultsReport> buildCropDetailsReport(const ResultsSource& source) {
    auto built = newCropReport(source, QStringLiteral("Crop Data Details"));
    report::Report& r = built->report;
    addFooter(r, QStringLiteral("Date:  "), QStringLiteral("Pagr:  "));
    Band& band = r.detail();
    const qreal tableTop = addCropHeader(band, source.kova, CropHeaderKind::Details) + 2;
    band.setHeight(addDetailsTable(band, source.kova, tableTop, r.bodyWidth()) + 2);
    return built;
}

} // namespace kova::results
