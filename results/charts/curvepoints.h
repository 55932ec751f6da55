#pragma once
// The points of the two curve charts, from the crop as the calculation left it: its daily
// rows (the ETKc days with their Kc, reference ET and crop ET), the monthly rates, and the
// season's first and last day. The window and the report draw the same points; only their
// axes, names and the colour of the bridge differ.

#include "calc/tkova.h"

#include <QList>
#include <QPointF>
#include <QString>

namespace kova::results {

// One line of a chart, as stretches of connected points: a season across the year end is
// drawn as two stretches, January to harvest and planting to December.
struct CurveLine {
    QList<QList<QPointF>> stretches;
    QList<QPointF> points() const; // every stretch, in order
};

struct SeasonLabel {
    QPointF at;
    QString text;
};

struct CurvePoints {
    CurveLine etc;             // daily crop ET
    CurveLine etoInterpolated; // daily reference ET
    CurveLine kca;             // daily Kc
    CurveLine kcb;             // daily basal Kc
    // The two points at height 0.01 that span the off-season gap of a season across the year
    // end (the day after harvest, the day of planting), drawn in the paper's colour.
    QList<QPointF> bridge;
    QList<QPointF> etoCalculated; // the monthly rate on the 15th of each month that has one
    QList<QPointF> monthStarts;   // (1st of each month, 0)
    QStringList monthStartTexts;  // "1/1" .. "12/1"
    SeasonLabel start, end;       // " Start grow" and " End grow" at height 0.5
};

inline constexpr double kBridgeHeight = 0.01;
inline constexpr double kSeasonLabelHeight = 0.5;

CurvePoints curvePoints(const calc::TKova& kova, const calc::TCropCurve& curve);

} // namespace kova::results
