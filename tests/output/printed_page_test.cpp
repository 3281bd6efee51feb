// The printed ordering document, printed to PDF through the real print command and read back.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "configurator/window_driver.h"
#include "page/page_pdf.h"
#include "page/picture_fit.h"
#include "support/file_size_limit.h"
#include "support/pdf_words.h"

namespace {

// A print dialog that answers with a PDF printer writing copy n to page-n.pdf.
PrintRequest pdfRequest(const QTemporaryDir& dir, int copies = 1) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  const QString folder = dir.path();
  return PrintRequest{printer, copies, [folder](QPrinter& p, int copy) {
                        p.setOutputFileName(QStringLiteral("%1/page-%2.pdf").arg(folder).arg(copy));
                      }};
}

// Walks to the output buttons with no trolley or the given one, pull chain, no accessories.
void walk(WindowDriver& d, const QString& model, const QString& lift, int trolley = 0) {
  d.walkToTrolley(model, lift, "3");
  d.walkToOutput(trolley);
}

const PdfWord* find(const std::vector<PdfWord>& words, const QString& text, double minTop = 0) {
  for (const PdfWord& w : words)
    if (w.text == text && w.top >= minTop) return &w;
  return nullptr;
}

}  // namespace

TEST(PrintedPage, PlacesTitleDateListAndSheets) {
  QTemporaryDir out;
  WindowDriver d("", true);
  walk(d, "PXH 250 EX", "4");  // a chain of 5 m
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  d.services.printAnswer = pdfRequest(out);
  d.w.Printerutskrift_Click();
  const QString pdf = out.filePath("page-1.pdf");
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(pdfPageCount(pdf), 1);
  EXPECT_TRUE(d.services.messages.empty());
  const std::vector<PdfWord> words = pdfWords(pdf);

  const PdfWord* velmora = find(words, "VELMORA");
  const PdfWord* telmaris = find(words, "TELMARIS");
  ASSERT_TRUE(velmora && telmaris);
  EXPECT_NEAR((velmora->left + telmaris->right) / 2, 100, 0.5);
  EXPECT_LT(velmora->top, 8);
  const PdfWord* date = find(words, "2017-10-17");
  ASSERT_TRUE(date);
  EXPECT_NEAR(date->right, 193, 0.5);

  // The chain line: 5 m, the unit, the ordering number of the chain.
  const QString chainNumber = d.state.PartNumber[*d.state.PartMatrix(40, 2)];
  const PdfWord* number = find(words, chainNumber.section(' ', 0, 0), 12);
  ASSERT_TRUE(number) << chainNumber;
  EXPECT_NEAR(number->left, 38, 0.5);
  const PdfWord* five = nullptr;
  const PdfWord* unit = nullptr;
  for (const PdfWord& w : words) {
    if (std::abs(w.top - number->top) > 0.5) continue;
    if (w.text == "5" && !five) five = &w;
    if (w.text == "m" && !unit) unit = &w;  // the first "m": the description may end in one
  }
  ASSERT_TRUE(five && unit);
  EXPECT_NEAR(five->right, 25, 0.5);
  EXPECT_NEAR(unit->left, 26.5, 0.5);

  // Technical data from 80 mm, the hoist's figures on its sketch, no trolley sketch.
  const PdfWord* heading =
      find(words, d.state.TextCatalogue[Text::TechnicalData].section(' ', 0, 0), 79);
  ASSERT_TRUE(heading);
  EXPECT_NEAR(heading->left, 100, 0.5);
  EXPECT_GE(heading->top, 80);
  EXPECT_TRUE(find(words, "377", 98));
  EXPECT_EQ(pdfImageCount(pdf), 3);  // logo, hoist sketch, window
  EXPECT_FALSE(d.w.Picture[13]->pixmap().isNull());
}

TEST(PrintedPage, ShiftsTheColumnsInUsImperialAndPrintsTheTrolley) {
  QTemporaryDir out;
  WindowDriver d("US Imperial", true);
  walk(d, "PXH 250 EX", "13", 1);
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  d.services.printAnswer = pdfRequest(out);
  d.w.Printerutskrift_Click();
  const QString pdf = out.filePath("page-1.pdf");
  const std::vector<PdfWord> words = pdfWords(pdf);
  const QString hoistNumber = d.state.PartNumber[*d.state.PartMatrix(1, d.engine().hoistColumn())];
  const PdfWord* number = find(words, hoistNumber.section(' ', 0, 0), 12);
  ASSERT_TRUE(number) << hoistNumber;
  EXPECT_NEAR(number->left, 44, 0.5);
  EXPECT_TRUE(find(words, "(", 12) || find(words, "ft)", 12));  // the chain in feet as well
  EXPECT_EQ(pdfImageCount(pdf), 4);                             // the trolley sketch as well
}

TEST(PrintedPage, TotalsCopiesAndCancel) {
  QTemporaryDir out;
  WindowDriver d("", true);
  // The D key in the model list asks for the discount after the accessories.
  d.click(d.w.ComboPXH->lineEdit());
  d.press(Qt::Key_D);
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.walkToOutput();
  ASSERT_TRUE(d.w.RabattB->isVisible());
  d.type("10");
  d.enter();
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  // Prices that make a total of 1000.0.
  for (int k = 0; k <= 130; ++k) d.state.PartPrice[k] = 0.0f;
  d.state.PartPrice[*d.state.PartMatrix(1, d.engine().hoistColumn())] = 1000.0f;
  d.services.printAnswer = pdfRequest(out, 3);
  d.w.Printerutskrift_Click();
  for (int copy = 1; copy <= 3; ++copy) {
    const QString pdf = out.filePath(QStringLiteral("page-%1.pdf").arg(copy));
    ASSERT_TRUE(QFile::exists(pdf)) << copy;
    EXPECT_EQ(pdfPageCount(pdf), 1);
  }
  const std::vector<PdfWord> words = pdfWords(out.filePath("page-1.pdf"));
  for (const char* figure : {"1000.0", "100.0", "900.0"}) {
    const PdfWord* w = nullptr;
    for (const PdfWord& word : words)
      if (word.text == figure && std::abs(word.right - 81) < 0.5) w = &word;
    EXPECT_TRUE(w) << figure;
  }

  // Printing to a file that cannot be written names the file; a printer that cannot take the
  // job says texts 56, 57 and 58. Each stops at the first copy, and the pointer is back.
  PrintRequest broken = pdfRequest(out, 2);
  broken.beforeCopy = [](QPrinter& p, int) { p.setOutputFileName("/nonexistent/folder/x.pdf"); };
  d.services.printAnswer = broken;
  d.w.Printerutskrift_Click();
  broken.beforeCopy = [](QPrinter& p, int) { p.setOutputFileName({}); };
  d.services.printAnswer = broken;
  d.w.Printerutskrift_Click();
  ASSERT_EQ(d.services.messages.size(), 2u);
  EXPECT_TRUE(d.services.messages[0].text.startsWith(
      "The ordering page could not be written.\n\n/nonexistent/folder/x.pdf\n"))
      << d.services.messages[0].text.toStdString();
  EXPECT_EQ(d.services.messages[1].text, d.state.TextCatalogue[Text::PrintingError] + "\n\n" +
                                             d.state.TextCatalogue[Text::CheckThePrinter] + "\n" +
                                             d.state.TextCatalogue[Text::TryAgain]);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  d.services.messages.clear();

  QTemporaryDir none;
  d.services.printAnswer.reset();  // the dialog is cancelled
  d.w.Printerutskrift_Click();
  EXPECT_TRUE(QDir(none.path()).isEmpty());
  EXPECT_TRUE(d.services.messages.empty());
  EXPECT_EQ(d.services.printDialogs, 4);
}

// Amounts above 999 999.9 keep every digit, and their column moves right for that list alone,
// clear of the descriptions.
TEST(PrintedPage, LargeAmountsWidenTheirColumnClearOfTheDescriptions) {
  QTemporaryDir out;
  WindowDriver d("", true);
  walk(d, "PXH 250 EX", "4");  // a chain of 5 m and 6 m of pull chain
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  // The hoist and the load chain at the price ceiling: 9 999 999.99 and 5 x 9 999 999.99 =
  // 49 999 999.95, which shows as 10000000.0 and 50000000.0; the total 59 999 999.94.
  for (int k = 0; k <= 130; ++k) d.state.PartPrice[k] = 0.0;
  d.state.PartPrice[*d.state.PartMatrix(1, d.engine().hoistColumn())] = 9999999.99;
  d.state.PartPrice[*d.state.PartMatrix(40, d.engine().modelIndex())] = 9999999.99;
  d.services.printAnswer = pdfRequest(out);
  d.w.Printerutskrift_Click();
  const std::vector<PdfWord> words = pdfWords(out.filePath("page-1.pdf"));
  const PdfWord* hoist = find(words, "10000000.0", 12);
  const PdfWord* chain = find(words, "50000000.0", 12);
  const PdfWord* total = find(words, "59999999.9", 12);
  const PdfWord* pullChain = find(words, "0.0", 12);
  ASSERT_TRUE(hoist && chain && total && pullChain);
  // Two more characters than the eight of every list: the amounts end 4 mm further right, and
  // so does the short one of the same column.
  for (const PdfWord* w : {hoist, chain, total, pullChain}) EXPECT_NEAR(w->right, 85, 0.5);
  // The description of each line starts after its amount.
  for (const PdfWord* amount : {hoist, chain}) {
    const PdfWord* first = nullptr;
    for (const PdfWord& w : words)
      if (std::abs(w.top - amount->top) < 0.5 && w.left > amount->right &&
          (!first || w.left < first->left))
        first = &w;
    ASSERT_TRUE(first) << amount->text.toStdString();
    EXPECT_NEAR(first->left, 90, 0.5) << first->text.toStdString();
  }
}

TEST(WindowCapture, FitsAPictureToThePage) {
  // A window wider than tall on a portrait page: fitted to the width.
  const QRectF wide = PrintPictureToFitPage({800, 570}, {200, 287}, 8, 57, 83);
  EXPECT_NEAR(wide.left(), 16, 1e-9);
  EXPECT_NEAR(wide.top(), 287 * 0.57, 1e-9);
  EXPECT_NEAR(wide.width(), 166, 1e-9);
  EXPECT_NEAR(wide.height(), 166 * 570.0 / 800, 1e-9);
  // A taller picture is fitted to the height.
  const QRectF tall = PrintPictureToFitPage({100, 400}, {200, 287}, 0, 0, 100);
  EXPECT_NEAR(tall.height(), 287, 1e-9);
  EXPECT_NEAR(tall.width(), 287 / 4.0, 1e-9);
  // Equal ratios take the width.
  const QRectF same = PrintPictureToFitPage({400, 574}, {200, 287}, 0, 0, 100);
  EXPECT_NEAR(same.width(), 200, 1e-9);
  EXPECT_TRUE(PrintPictureToFitPage({0, 0}, {200, 287}, 8, 57, 83).isNull());
}

TEST(PrintedPage, PreviewAndExportDrawTheSamePageUnderTheModelAndDate) {
  QTemporaryDir out;
  WindowDriver d("", true);
  d.services.fixedDate = QDate(2026, 12, 7);
  // Print, Print Preview and Export as PDF go with the output buttons: there at start-up, gone
  // while the steps are walked, back at the end.
  EXPECT_TRUE(d.w.PrintPreview->isEnabled());
  d.chooseModel("PXH 250 EX");
  EXPECT_FALSE(d.w.Utskrift->isEnabled());
  EXPECT_FALSE(d.w.PrintPreview->isEnabled());
  EXPECT_FALSE(d.w.ExportPdf->isEnabled());
  d.type("4");
  d.enter();
  d.type("3");
  d.enter();
  d.walkToOutput();
  for (QAction* a : {d.w.Utskrift, d.w.PrintPreview, d.w.ExportPdf}) EXPECT_TRUE(a->isEnabled());

  // In the documents folder, or at home where the user has none.
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(documents).exists()) documents = QDir::homePath();
  const QString suggested = QDir(documents).filePath("PXH 250 EX 2026-12-07.pdf");
  QPrinter preview(QPrinter::HighResolution);
  preview.setOutputFormat(QPrinter::PdfFormat);
  preview.setOutputFileName(out.filePath("preview.pdf"));
  d.services.previewPrinter = &preview;
  d.w.PrintPreview->trigger();
  EXPECT_EQ(d.services.previews, 1);
  EXPECT_EQ(d.services.suggestedPrintFile, suggested);
  ASSERT_TRUE(QFile::exists(out.filePath("preview.pdf")));
  EXPECT_TRUE(find(pdfWords(out.filePath("preview.pdf")), "2475.0"));

  d.services.saveAnswer = out.filePath("export.pdf");
  d.w.ExportPdf->trigger();
  ASSERT_EQ(d.services.fileDialogs.size(), 1u);
  EXPECT_EQ(d.services.fileDialogs[0].startFolder, suggested);
  EXPECT_EQ(d.services.fileDialogs[0].filters, QStringList{"PDF documents (*.pdf)"});
  ASSERT_TRUE(QFile::exists(out.filePath("export.pdf")));
  EXPECT_EQ(pdfPageCount(out.filePath("export.pdf")), 1);
  EXPECT_EQ(pdfInfoField(out.filePath("export.pdf"), "Title"), "Ordering list PXH 250 EX");
  const std::vector<PdfWord> words = pdfWords(out.filePath("export.pdf"));
  EXPECT_TRUE(find(words, "2475.0"));
  EXPECT_TRUE(find(words, "2026-12-07"));

  // The page is checked whole: cut short, or with a piece gone from the middle, it is not.
  QFile exported(out.filePath("export.pdf"));
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  const QByteArray whole = exported.readAll();
  exported.close();
  EXPECT_TRUE(pdfFileComplete(exported.fileName()));
  for (const QByteArray& part : {whole.first(4096), whole.first(whole.size() - 20),
                                 whole.first(2000) + whole.sliced(2100)}) {
    QFile broken(out.filePath("broken.pdf"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(part);
    broken.close();
    EXPECT_FALSE(pdfFileComplete(broken.fileName())) << part.size();
    broken.remove();
  }
  // Exported again onto a full disk: the message names the file, and the page exported before
  // is as it was, with nothing beside it.
  {
    const FileSizeLimit full(4096);
    d.w.ExportPdf->trigger();
  }
  ASSERT_EQ(d.services.messages.size(), 1u);
  EXPECT_TRUE(d.lastMessage().startsWith("The ordering page could not be written.\n\n" +
                                         exported.fileName() + "\n"))
      << d.lastMessage().toStdString();
  ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
  EXPECT_TRUE(exported.readAll() == whole);
  EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"export.pdf", "preview.pdf"}));
  d.services.messages.clear();

  // The print dialog suggests the same file; a folder that cannot be written is said.
  d.w.Utskrift->trigger();
  EXPECT_EQ(d.services.suggestedPrintFile, suggested);
  d.services.saveAnswer = out.filePath("no-such-folder/export.pdf");
  d.w.ExportPdf->trigger();
  EXPECT_TRUE(d.lastMessage().contains("no-such-folder")) << d.lastMessage().toStdString();
  EXPECT_TRUE(d.services.messages.size() == 1u);
}

// A picture file that is missing or unreadable leaves its place on the page empty: the page is
// printed, and one message names the files afterwards, whether printed or exported.
TEST(PrintedPage, APictureFileMissingIsToldNamingIt) {
  QTemporaryDir out;
  WindowDriver d("", true);
  const QString logo = QDir(d.dir->path()).filePath("KRNLOGO.PCX");
  const QString sketch = QDir(d.dir->path()).filePath("SKISSPXH.PCX");
  ASSERT_TRUE(QFile::remove(logo));
  {
    QFile broken(sketch);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("no picture");
  }
  walk(d, "PXH 250 EX", "4");
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  d.services.printAnswer = pdfRequest(out, 2);
  d.w.Printerutskrift_Click();
  for (const char* copy : {"page-1.pdf", "page-2.pdf"}) {
    ASSERT_TRUE(QFile::exists(out.filePath(copy))) << copy;
    EXPECT_EQ(pdfImageCount(out.filePath(copy)), 1) << "the window alone";
  }
  ASSERT_EQ(d.services.messages.size(), 1u);
  EXPECT_TRUE(d.lastMessage().startsWith(
      "The page lacks the pictures of these files, which are missing or cannot be read:\n" + logo +
      "\n" + sketch + "\n\n"))
      << d.lastMessage().toStdString();
  EXPECT_EQ(d.services.messages[0].icon, MsgIcon::Warning);

  d.services.saveAnswer = out.filePath("export.pdf");
  d.w.ExportPdf->trigger();
  EXPECT_EQ(pdfPageCount(out.filePath("export.pdf")), 1);
  ASSERT_EQ(d.services.messages.size(), 2u);
  EXPECT_EQ(d.services.messages[1].text, d.services.messages[0].text);
}
