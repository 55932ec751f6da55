#pragma once
// What the results window shows of one computed crop, without widgets: the header values,
// which crop items its curve kind shows, the month grid, the season totals and the state of
// the footnotes. The values come from the calculation record as the last computation left it.

#include "calc/tkova.h"

#include <QAbstractItemModel>
#include <QString>
#include <array>

namespace kova::results {

// The crop items shown besides the crop's name, curve, dates and carry-over.
struct HeaderItems {
    bool cuttings = false;      // "Number of cuttings:", "1st Cut:", "Last Cut:"
    bool fieldSettings = false; // irrigation type, surface soil, both wettings, stress factor
};
// Cuttings only for a grass curve cut for hay; the field settings for every curve but TR21.
HeaderItems headerItems(int curveIndex, bool hay);

// Column 0 the month, then total monthly ET, dry-year (80 % chance) effective precipitation
// and net irrigation, normal-year (50 % chance) the same, average daily ETc and peak ETPk.
inline constexpr int kGridColumns = 8;
// Row 0 the units, rows 1 to 12 January to December.
inline constexpr int kGridRows = 13;
using ResultsGrid = std::array<std::array<QString, kGridColumns>, kGridRows>;

struct Footnotes {
    bool carryOver = false; // (2): some carry-over was used at either end
    bool elevation = false; // (3): the TR21 method
    QString elevationText;  // (3) adjusted, or not, by the system default
};

struct CropSummary {
    QString job, location, planner, date, county, station, stationNo;
    QString latitude, longitude, elevation, method;
    QString beginGrowth, endGrowth, firstCut, lastCut;
    HeaderItems items;
    ResultsGrid grid;
    std::array<QString, 5> totals; // ET, dry-year EP and NI, normal-year EP and NI
    Footnotes footnotes;
};

// `elevationCorrection`: 'Elevation Correction' of the system defaults.
CropSummary summarize(const calc::TKova& k, bool elevationCorrection);

// 'Elevation Correction' of the system defaults of the database behind `alias` (false when
// the row cannot be read).
bool elevationCorrection(const QString& alias);

// Cells as text for the clipboard: the rectangle the cells span, one line per row, cells
// separated by tabs (cells of the rectangle not among them stay empty).
QString tabSeparated(const QAbstractItemModel& model, const QModelIndexList& cells);

namespace text {
inline const QString kElevationAdjusted = QStringLiteral(
    "(3)  ET (Evapotranspiration) is adjusted upwords 10% per 1000 meters above sea level.");
inline const QString kElevationNotAdjusted =
    QStringLiteral("(3) ET(Evapotranspiration) not adjusted for elevation.");
} // namespace text

} // namespace kova::results
