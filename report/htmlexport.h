#pragma once
// One HTML file for a whole report: each page is a section of paper size with its texts
// placed where they print, lines and boxes drawn in an SVG layer, and charts as pictures.

#include <QString>

namespace kova::report {

class ReportDocument;

QString documentToHtml(const ReportDocument& document);
bool writeHtml(const ReportDocument& document, const QString& path);

} // namespace kova::report
