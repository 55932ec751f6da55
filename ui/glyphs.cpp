#include "glyphs.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace kova::ui {

namespace {

QPixmap blank(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap renderSvg(const QString& file, int size) {
    QPixmap pixmap = blank(size);
    QSvgRenderer renderer(file);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// Navigator pictures are drawn on a 16-unit grid, scaled to the icon size.
void drawNavigator(QPainter& p, NavigatorGlyph which) {
    const QColor ink(0x20, 0x40, 0x80);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    auto triangle = [&](double tipX, double baseX) {
        p.drawPolygon(QPolygonF({QPointF(tipX, 8), QPointF(baseX, 3), QPointF(baseX, 13)}));
    };
    switch (which) {
    case NavigatorGlyph::First:
        p.drawRect(QRectF(3, 3, 2, 10));
        triangle(5.5, 12);
        break;
    case NavigatorGlyph::Prior:
        triangle(4.5, 11.5);
        break;
    case NavigatorGlyph::Next:
        triangle(11.5, 4.5);
        break;
    case NavigatorGlyph::Last:
        triangle(10.5, 4);
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case NavigatorGlyph::Insert:
        p.drawRect(QRectF(7, 3, 2, 10));
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case NavigatorGlyph::Delete:
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case NavigatorGlyph::Edit:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ink, 1.6));
        p.drawLine(QPointF(4, 12), QPointF(11.5, 4.5));
        p.drawLine(QPointF(3.5, 13), QPointF(6, 12.5));
        break;
    case NavigatorGlyph::Post:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x1a, 0x8a, 0x2a), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(3.5, 8.5), QPointF(6.5, 11.5), QPointF(12.5, 4.5)}));
        break;
    case NavigatorGlyph::Cancel:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xb0, 0x20, 0x18), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
}

} // namespace

QIcon glyph(const QString& name) {
    const QString file = QStringLiteral(":/kova/glyphs/%1.svg").arg(name);
    if (!QFile::exists(file))
        return {};
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(renderSvg(file, size));
    return icon;
}

QIcon navigatorIcon(NavigatorGlyph which) {
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap = blank(size);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        drawNavigator(painter, which);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap programLogo(int size) {
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    // Green field rows under a water drop.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x4c, 0x9a, 0x2a));
    for (int row = 0; row < 3; ++row)
        p.drawRoundedRect(QRectF(6, 44 + row * 6, 52, 4), 2, 2);
    QPainterPath drop;
    drop.moveTo(32, 4);
    drop.cubicTo(40, 18, 48, 26, 48, 32);
    drop.arcTo(QRectF(16, 16, 32, 24), 0, -180);
    drop.cubicTo(16, 26, 24, 18, 32, 4);
    QLinearGradient water(16, 4, 48, 40);
    water.setColorAt(0, QColor(0x9f, 0xd8, 0xff));
    water.setColorAt(1, QColor(0x1f, 0x6f, 0xc8));
    p.setBrush(water);
    p.drawPath(drop);
    return pixmap;
}

} // namespace kova::ui
