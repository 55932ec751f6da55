#pragma once
// The two curve charts of a computed crop: the evapotranspiration chart (daily crop and
// reference ET, the monthly rates, the month starts and the season's start and end) and the
// crop coefficient chart (daily Kc and basal Kc, the month starts). The crop curve window and
// the ET and Kc curve report build them here, each in its variant.

#include "chartstyle.h"

#include "calc/tkova.h"

class QChart;

namespace kova::results {

struct CurvePoints;

// The series names the charts use ("Kca (Average)   " keeps its trailing blanks).
struct CurveNames {
    QString etc = QStringLiteral("ETc (Crop)");
    QString etoInterpolated = QStringLiteral("ETo (Interpolated)");
    QString etoCalculated = QStringLiteral("ETo (Calculated)");
    QString kca;
    QString kcb;
    QString seasonLabels;
    QString monthStarts = QStringLiteral("Month starts");
    QString bridge = QStringLiteral("Off-season");
};
CurveNames curveNames(ChartVariant variant);

// New charts, owned by the caller (a chart view or the report page takes them over).
QChart* buildETChart(const CurvePoints& points, ChartVariant variant);
QChart* buildKcChart(const CurvePoints& points, ChartVariant variant);

} // namespace kova::results
