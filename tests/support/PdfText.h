#pragma once

#include <QString>
#include <QStringList>

namespace verdeval::test {

// Reading back a PDF the program wrote, with the poppler tools when they are installed.
// Tests skip what needs them when they are missing.
bool havePdfTools();
// The printed lines of the first page as laid out on paper, blanks simplified.
QStringList pdfLines(const QString &path);
// The first printed line that starts with the given text, blanks simplified; empty if none.
QString pdfLine(const QString &path, const QString &start);
// The number of raster pictures in the file (0 when everything is drawn as vectors).
int pdfImageCount(const QString &path);
// The page size as the PDF states it, e.g. "612 x 792 pts (letter)".
QString pdfPageSize(const QString &path);

} // namespace verdeval::test
