#pragma once
// Reads printed PDF files back with poppler's tools: page count, text, and a page as a
// picture.
#include <QImage>
#include <QString>

namespace gb::test {

int PdfPageCount(const QString& file);          // -1 when the file is no PDF
QString PdfText(const QString& file);
QImage PdfPageImage(const QString& file, int page, int dpi);

} // namespace gb::test
