#pragma once
// The six monthly series of a WHR site as the form and its report show them: the stacked
// column heading (with the mark of the ET method that needs the series), the hint, the
// picture of the entry boxes and the caption of the details report (the valid values are
// declared with the table's fields).

#include <QString>
#include <QStringList>
#include <vector>

namespace kova::climedit {

struct WHRSeries {
    QString prefix;      // field prefix: 'RHa Jan' ... 'RHa Dec'
    QStringList heading; // stacked labels, top to bottom
    QString hint;
    QString picture;
    QString reportCaption;

    int decimals() const; // as many as the picture shows
};

const std::vector<WHRSeries>& whrSeries();

} // namespace kova::climedit
