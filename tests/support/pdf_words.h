// Every word of a PDF page with its box in millimetres from the page's top left corner, as
// pdftotext reads them.
#pragma once

#include <QString>
#include <vector>

struct PdfWord {
  QString text;
  double left, top, right, bottom;  // mm
};

std::vector<PdfWord> pdfWords(const QString& pdfFile, int page = 1);
int pdfPageCount(const QString& pdfFile);
// A field of the document's information, as pdfinfo prints it ("Title", "Creator").
QString pdfInfoField(const QString& pdfFile, const QString& field);
// The number of pictures drawn on a page.
int pdfImageCount(const QString& pdfFile, int page = 1);
