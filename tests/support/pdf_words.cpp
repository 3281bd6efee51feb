// Reading a PDF back with poppler's tools.
#include "support/pdf_words.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString unescape(QString text) {
  return text.replace("&lt;", "<")
      .replace("&gt;", ">")
      .replace("&quot;", "\"")
      .replace("&amp;", "&");
}

}  // namespace

std::vector<PdfWord> pdfWords(const QString& pdfFile, int page) {
  const QString html = run("pdftotext", {"-bbox", "-f", QString::number(page), "-l",
                                         QString::number(page), pdfFile, "-"});
  static const QRegularExpression word(
      R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  constexpr double mm = 25.4 / 72;
  std::vector<PdfWord> words;
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    words.push_back({unescape(m.captured(5)), m.captured(1).toDouble() * mm,
                     m.captured(2).toDouble() * mm, m.captured(3).toDouble() * mm,
                     m.captured(4).toDouble() * mm});
  }
  return words;
}

QString pdfInfoField(const QString& pdfFile, const QString& field) {
  const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                QRegularExpression::MultilineOption);
  return line.match(run("pdfinfo", {pdfFile})).captured(1).trimmed();
}

int pdfPageCount(const QString& pdfFile) {
  return pdfInfoField(pdfFile, QStringLiteral("Pages")).toInt();
}

int pdfImageCount(const QString& pdfFile, int page) {
  const QStringList lines =
      run("pdfimages", {"-list", "-f", QString::number(page), "-l", QString::number(page), pdfFile})
          .split('\n', Qt::SkipEmptyParts);
  int count = 0;
  for (const QString& line : lines) {
    const QStringList columns = line.split(' ', Qt::SkipEmptyParts);
    if (columns.size() > 2 && columns[0].toInt() == page && columns[2] == "image") ++count;
  }
  return count;
}
