#include "curvepoints.h"

#include "calc/calendar.h"
#include "calc/dailyet.h"

#include <algorithm>
#include <vector>

namespace kova::results {

using calc::ETKcDay;

namespace {

size_t ix(int m) {
    return static_cast<size_t>(m);
}

// The daily rows in day order, as the work table keeps them.
std::vector<ETKcDay> daysInOrder(const calc::TCropCurve& curve) {
    std::vector<ETKcDay> days = curve.Days;
    std::stable_sort(days.begin(), days.end(),
                     [](const ETKcDay& a, const ETKcDay& b) { return a.JDate < b.JDate; });
    return days;
}

class LineBuilder {
public:
    explicit LineBuilder(CurvePoints& p) : p_(p) {}

    void startStretch() {
        for (CurveLine* line : {&p_.etc, &p_.etoInterpolated, &p_.kca, &p_.kcb})
            line->stretches.push_back({});
    }
    // Within one year only values above 0 are drawn; across the year end every day is.
    void add(const ETKcDay& day, bool onlyAboveZero) {
        const auto put = [&](CurveLine& line, double value) {
            if (!onlyAboveZero || value > 0)
                line.stretches.back().push_back(QPointF(day.JDate, value));
        };
        put(p_.etc, day.ETc);
        put(p_.etoInterpolated, day.ETo);
        put(p_.kca, day.Kca);
        put(p_.kcb, day.Kcb);
    }

private:
    CurvePoints& p_;
};

void addSeasonLines(const std::vector<ETKcDay>& days, const calc::TCropCurve& curve,
                    CurvePoints& p) {
    LineBuilder lines(p);
    lines.startStretch();
    if (!calc::crossesYearEnd(curve)) {
        for (const ETKcDay& day : days)
            if (day.JDate >= curve.StartDay && day.JDate <= curve.EndDay)
                lines.add(day, true);
        return;
    }
    for (const ETKcDay& day : days)
        if (day.JDate <= curve.EndDay)
            lines.add(day, false);
    p.bridge = {QPointF(curve.EndDay + 1, kBridgeHeight), QPointF(curve.StartDay, kBridgeHeight)};
    lines.startStretch();
    for (const ETKcDay& day : days)
        if (day.JDate >= curve.StartDay)
            lines.add(day, false);
}

void addMonthlyPoints(const calc::TKova& k, CurvePoints& p) {
    for (int m = 1; m <= 12; ++m) {
        const double adjacent = k.EToAdjacent[ix(m)];
        const double rate = k.EToRate[ix(m)];
        if (adjacent > 0 || rate > 0)
            p.etoCalculated.push_back(
                QPointF(calc::dayOfYear(m, 15), adjacent > 0 ? adjacent : rate));
        p.monthStarts.push_back(QPointF(calc::dayOfYear(m, 1), 0));
        p.monthStartTexts.push_back(QStringLiteral("%1/1").arg(m));
    }
}

} // namespace

QList<QPointF> CurveLine::points() const {
    QList<QPointF> all;
    for (const QList<QPointF>& stretch : stretches)
        all += stretch;
    return all;
}

CurvePoints curvePoints(const calc::TKova& kova, const calc::TCropCurve& curve) {
    CurvePoints p;
    addSeasonLines(daysInOrder(curve), curve, p);
    addMonthlyPoints(kova, p);
    p.start = {QPointF(curve.StartDay, kSeasonLabelHeight),
               kova.BegDateText + QStringLiteral(" Start grow")};
    p.end = {QPointF(curve.EndDay, kSeasonLabelHeight),
             kova.EndDateText + QStringLiteral(" End grow")};
    return p;
}

} // namespace kova::results
