#include "htmlexport.h"

#include "document.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

namespace kova::report {

namespace {

constexpr qreal kChartImageDotsPerMm = 8; // about 200 dpi, sharp enough when printed

QString mm(qreal value) {
    return QString::number(value, 'f', 2) + QStringLiteral("mm");
}

QString number(qreal value) {
    return QString::number(value, 'f', 2);
}

QString placement(const QRectF& rect) {
    return QStringLiteral("left:%1;top:%2;width:%3;height:%4;")
        .arg(mm(rect.left()), mm(rect.top()), mm(rect.width()), mm(rect.height()));
}

QString fontStyle(const TextStyle& style) {
    QString css = QStringLiteral("font-family:'%1',sans-serif;font-size:%2pt;")
                      .arg(style.familyName(), QString::number(style.pointSize()));
    if (style.isBold())
        css += QStringLiteral("font-weight:bold;");
    if (style.isItalic())
        css += QStringLiteral("font-style:italic;");
    if (style.isUnderlined())
        css += QStringLiteral("text-decoration:underline;");
    if (style.textColour() != Qt::black)
        css += QStringLiteral("color:%1;").arg(style.textColour().name());
    if (style.isFramed())
        css += QStringLiteral("border:0.2mm solid black;box-sizing:border-box;padding:0 0.8mm;");
    return css;
}

QString alignmentStyle(const TextStyle& style) {
    const Qt::Alignment a = style.alignment();
    const char* horizontal = (a & Qt::AlignRight)     ? "right"
                             : (a & Qt::AlignHCenter) ? "center"
                                                      : "left";
    if (style.isWrapped())
        return QStringLiteral("white-space:normal;text-align:%1;").arg(QLatin1String(horizontal));
    const char* justify = (a & Qt::AlignRight)     ? "flex-end"
                          : (a & Qt::AlignHCenter) ? "center"
                                                   : "flex-start";
    const char* vertical = (a & Qt::AlignTop)      ? "flex-start"
                           : (a & Qt::AlignBottom) ? "flex-end"
                                                   : "center";
    return QStringLiteral("display:flex;white-space:pre;justify-content:%1;align-items:%2;")
        .arg(QLatin1String(justify), QLatin1String(vertical));
}

QString textDiv(const PageItem& item) {
    return QStringLiteral("<div class=\"t\" style=\"%1%2%3\">%4</div>\n")
        .arg(placement(item.rect), fontStyle(item.style), alignmentStyle(item.style),
             item.text.toHtmlEscaped());
}

QString chartImage(const PageItem& item) {
    QImage image((item.rect.size() * kChartImageDotsPerMm).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(kChartImageDotsPerMm, kChartImageDotsPerMm);
        item.chart->paint(painter, QRectF(QPointF(0, 0), item.rect.size()));
    }
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    return QStringLiteral(
               "<img class=\"c\" style=\"%1\" alt=\"chart\" src=\"data:image/png;base64,%2\">\n")
        .arg(placement(item.rect), QString::fromLatin1(png.data().toBase64()));
}

QString vectorLayer(const Page& page, const QSizeF& size) {
    QString svg =
        QStringLiteral("<svg class=\"v\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %3 %4\">\n")
            .arg(mm(size.width()), mm(size.height()), number(size.width()), number(size.height()));
    for (const PageItem& item : page.items()) {
        if (item.kind == PageItem::Kind::Line) {
            svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" "
                                  "stroke=\"black\" stroke-width=\"%5\"/>\n")
                       .arg(number(item.rect.left()), number(item.rect.top()),
                            number(item.rect.right()), number(item.rect.bottom()),
                            number(item.penWidth));
        } else if (item.kind == PageItem::Kind::Box) {
            const QString fill = item.fill.isValid() ? item.fill.name() : QStringLiteral("none");
            const QString stroke =
                item.penWidth > 0 ? QStringLiteral("black") : QStringLiteral("none");
            svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\" "
                                  "stroke=\"%6\" stroke-width=\"%7\"/>\n")
                       .arg(number(item.rect.left()), number(item.rect.top()),
                            number(item.rect.width()), number(item.rect.height()), fill, stroke,
                            number(item.penWidth));
        }
    }
    return svg + QStringLiteral("</svg>\n");
}

QString pageSection(const ReportDocument& document, int index) {
    const QSizeF size = document.pageSizeMm();
    QString html =
        QStringLiteral("<section class=\"page\" id=\"page-%1\" style=\"width:%2;height:%3\">\n")
            .arg(QString::number(index + 1), mm(size.width()), mm(size.height()));
    const Page& page = document.page(index);
    html += vectorLayer(page, size);
    for (const PageItem& item : page.items()) {
        if (item.kind == PageItem::Kind::Text)
            html += textDiv(item);
        else if (item.kind == PageItem::Kind::Chart && item.chart)
            html += chartImage(item);
    }
    return html + QStringLiteral("</section>\n");
}

} // namespace

QString documentToHtml(const ReportDocument& document) {
    QString html =
        QStringLiteral(
            "<!DOCTYPE html>\n<html>\n<head>\n<meta "
            "charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
            "body{background:#808080;margin:0;padding:5mm 0}\n"
            "section.page{position:relative;background:#fff;margin:0 auto 5mm auto;overflow:hidden;"
            "page-break-after:always}\n"
            ".v{position:absolute;left:0;top:0}\n"
            ".t,.c{position:absolute;overflow:hidden;margin:0;line-height:1.15}\n"
            "@media print{body{background:none;padding:0}section.page{margin:0}}\n"
            "</style>\n</head>\n<body>\n")
            .arg(document.title().toHtmlEscaped());
    for (int i = 0; i < document.pageCount(); ++i)
        html += pageSection(document, i);
    return html + QStringLiteral("</body>\n</html>\n");
}

bool writeHtml(const ReportDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    file.write(documentToHtml(document).toUtf8());
    return file.commit();
}

} // namespace kova::report
