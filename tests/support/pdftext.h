#pragma once
// Poppler's view of a PDF file written by a test: page count and text. -1 / a null string
// when pdfinfo or pdftotext is not installed.

#include <QString>

namespace kova::test {

bool havePoppler();
QString pdfInfo(const QString& file);
int pdfPageCount(const QString& file);
QString pdfPageText(const QString& file, int page); // one page, layout kept
QString pdfText(const QString& file);               // every page, layout kept

} // namespace kova::test
