#include "cropsummary.h"

#include "calc/cropcolumns.h"
#include "calc/replacedinputs.h"
#include "calc/rowreaders.h"
#include "report/format.h"
#include "store/table.h"

#include <QAbstractItemModel>
#include <algorithm>

namespace kova::results {

namespace {

const QString kTR21Method = QStringLiteral("Blaney Criddle (TR21)");

// The units over each column, with the blanks they always had.
const std::array<QString, kGridColumns> kUnits = {
    QString(),
    QStringLiteral(" (inches)"),
    QStringLiteral("  (inches)"),
    QStringLiteral(" (inches)(2)"),
    QStringLiteral("   (inches)"),
    QStringLiteral(" (inches)(2)"),
    QStringLiteral(" (inches)"),
    QStringLiteral(" (inches)"),
};

QString twoDecimals(double value) {
    static const report::Formatter format = report::format::fixed(2);
    return format(value);
}

QString general(double value) {
    static const report::Formatter format = report::format::general();
    return format(value);
}

void fillMonth(const calc::TKova& k, int m, std::array<QString, kGridColumns>& row) {
    const size_t i = static_cast<size_t>(m);
    row[0] = calc::fullMonthName(m);
    // Months outside the season keep only their name, whatever else they hold.
    if (k.ETMonth[i] <= 0)
        return;
    const double values[] = {k.ETMonth[i], k.EP80[i], k.NI80[i],
                             k.EP50[i],    k.NI50[i], k.ETcRate[i]};
    for (size_t c = 0; c < std::size(values); ++c)
        row[c + 1] = twoDecimals(values[c]);
    if (k.PeakET[i] > 0)
        row[7] = twoDecimals(k.PeakET[i]);
}

} // namespace

HeaderItems headerItems(int curveIndex, bool hay) {
    switch (curveIndex) {
    case calc::kCurveGrass:
        return {hay, true};
    case calc::kCurveTR21Annual:
    case calc::kCurveTR21Perennial:
        return {false, false};
    default:
        return {false, true};
    }
}

CropSummary summarize(const calc::TKova& k, bool elevationCorrection) {
    CropSummary s;
    s.job = k.JobName;
    s.location = k.Location;
    s.planner = k.Planner;
    s.date = k.JobDate;
    s.county = k.County;
    s.station = k.StationName;
    s.stationNo = k.StationNo;
    s.latitude = general(k.Latitude);
    s.longitude = general(k.Longitude);
    s.elevation = general(k.Elevation);
    s.method = k.ETMethodText;
    s.beginGrowth = calc::monthDayText(k.PlantMo, k.PlantDay);
    s.endGrowth = calc::monthDayText(k.HarvestMo, k.HarvestDay);
    s.firstCut = k.Cut1Text;
    s.lastCut = k.CutEndText;
    s.items = headerItems(k.CurveIndex, k.Hay);

    s.grid[0] = kUnits;
    for (int m = 1; m <= 12; ++m)
        fillMonth(k, m, s.grid[static_cast<size_t>(m)]);
    s.totals = {twoDecimals(k.ETTotal), twoDecimals(k.EP80Total), twoDecimals(k.NI80Total),
                twoDecimals(k.EP50Total), twoDecimals(k.NI50Total)};

    s.footnotes.carryOver = k.CarryBeg > 0 || k.CarryEnd > 0;
    s.footnotes.elevation = k.ETMethodText == kTR21Method;
    s.footnotes.elevationText = s.footnotes.elevation && !elevationCorrection
                                    ? text::kElevationNotAdjusted
                                    : text::kElevationAdjusted;
    return s;
}

bool elevationCorrection(const QString& alias) {
    store::Table defaults(QStringLiteral("SystemDefaults"), alias);
    if (!defaults.open() || defaults.isEmpty())
        return false;
    defaults.first();
    return calc::settingsFrom(defaults.record()).ElevationCorrection;
}

QString tabSeparated(const QAbstractItemModel& model, const QModelIndexList& cells) {
    if (cells.isEmpty())
        return {};
    int top = cells.front().row(), bottom = top;
    int left = cells.front().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    QStringList lines;
    for (int r = top; r <= bottom; ++r) {
        QStringList row;
        for (int c = left; c <= right; ++c) {
            const QModelIndex index = model.index(r, c);
            row << (cells.contains(index) ? model.data(index).toString() : QString());
        }
        lines << row.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace kova::results
