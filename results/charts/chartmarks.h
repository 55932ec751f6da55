#pragma once
// Texts pinned to data points of a chart: the month starts ("5/1"), the season labels
// (" Start grow", " End grow", with an arrow down to their day) and the value marks above the
// requirement bars. The chart's series cannot carry a text of their own per point, so the
// marks are drawn over the plot, each at its point as the chart maps it at painting time.

#include <QColor>
#include <QGraphicsObject>
#include <QList>
#include <QPointF>
#include <QPointer>

class QAbstractSeries;
class QChart;

namespace kova::results {

struct ChartMark {
    QPointF value; // in the series' values (day of year, inches per day; bar index, inches)
    QString text;
};

enum class MarkPlacement {
    Above, // the text centred above the point
    Arrow, // the text above the point, an arrow from it down to the point
};

class ChartMarks : public QGraphicsObject {
    Q_OBJECT
public:
    // Drawn on `chart` at the positions of `series` (which the chart must hold).
    ChartMarks(QChart& chart, QAbstractSeries& series, const QString& name, const QColor& colour,
               MarkPlacement placement);

    void add(const ChartMark& mark) { marks_.push_back(mark); }
    const QList<ChartMark>& marks() const { return marks_; }
    QString name() const { return objectName(); }
    QColor colour() const { return colour_; }

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    QPointer<QChart> chart_;
    QPointer<QAbstractSeries> series_;
    QColor colour_;
    MarkPlacement placement_;
    QList<ChartMark> marks_;
};

// The marks of `chart` named `name`; nullptr when it has none.
const ChartMarks* findMarks(const QChart& chart, const QString& name);

} // namespace kova::results
