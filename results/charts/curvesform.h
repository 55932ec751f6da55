#pragma once
// The crop curve window "Kc and ET Curves" (TCurvesForm): the evapotranspiration chart and the
// crop coefficient chart of the crop on display, and "ET Kc Graph Report", which previews the
// printed curves.

#include "chartwindow.h"

namespace kova::results {

class CurvesForm : public ChartWindow {
    Q_OBJECT
public:
    explicit CurvesForm(const ResultsSource& source, QWidget* parent = nullptr);

    QChart* etChart() const { return upperChart(); }
    QChart* kcChart() const { return lowerChart(); }
};

} // namespace kova::results
