// Quotes in the window: positions taken from the main window's steps, the quote file, the
// question before unsaved changes go, the number given when a quote is first issued, the register
// window, and a main window that never uses quotes never touching the register.
#include "quotes/quote_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "configurator/window_driver.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "quotes/quote_file.h"
#include "quotes/quote_register.h"
#include "quotes/register_window.h"
#include "support/pdf_words.h"

namespace {

// The columns of the positions table.
enum { ColNumber, ColQuantity, ColModel, ColNote, ColUnitNet, ColLineNet };

// Amounts from the shipped price list (resources/database/parts.sql) for the PXH 250 EX with a
// control length of 3 m (pull chain 2 x 3 = 6 m at 8.90 = 53.40), no trolley, pull chain, no
// accessories: hoist 2475.00, load chain 36.90 per m. Lift 4 m takes 5 m of chain (184.50), lift
// 5 m takes 6 m (221.40).
constexpr const char* kUnitLift4 = "2712.9";  // 2475.00 + 184.50 + 53.40
constexpr const char* kUnitLift5 = "2749.8";  // 2475.00 + 221.40 + 53.40

// A PDF printer answering the print dialog, writing into `file`.
PrintRequest pdfRequest(const QString& file) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setOutputFileName(file);
  return PrintRequest{printer, 1, {}};
}

struct QuoteDriver : WindowDriver {
  QuoteDriver() : WindowDriver("", true) {}

  // A PXH 250 EX with the lift height given, finished in the main window.
  // The user comes back to the main window first, whose activation drops the model list down.
  void configure(const QString& lift) {
    w.activateWindow();
    (void)QTest::qWaitForWindowActive(&w);
    settle();
    w.ComboPXH->hidePopup();
    w.NewFile->trigger();
    settle();
    w.ComboPXH->hidePopup();
    walkToTrolley("PXH 250 EX", lift, "3");
    walkToOutput(0);
    ASSERT_TRUE(w.Printerutskrift->isVisible());
  }
  QuoteWindow& quotes() {
    if (!w.quoteWindow()) {
      w.NewQuote->trigger();
      settle();
    }
    return *w.quoteWindow();
  }
  // A quote of the two PXH 250 EX, lift 4 m and lift 5 m, in that order.
  void twoPositions() {
    configure("4");
    w.NewQuote->trigger();
    settle();
    quotes().cmdAdd->click();
    configure("5");
    quotes().cmdAdd->click();
    settle();
  }
  QString cell(int row, int column) {
    const QTableWidgetItem* item = quotes().tblPositions->item(row, column);
    return item ? item->text() : QString();
  }
  QString registerFile() const { return dir->directory().quoteRegister(); }
};

}  // namespace

TEST(QuoteWindow, TwoPositionsChangedReorderedSavedAndOpenedAgainAsAQuoteFile) {
  QTemporaryDir out;
  QuoteDriver d;
  d.twoPositions();
  QuoteWindow& q = d.quotes();
  ASSERT_EQ(q.quote().positions.size(), 2u);
  EXPECT_TRUE(d.services.messages.empty()) << d.lastMessage().toStdString();
  EXPECT_EQ(q.quote().positions[0].configuration.liftHeight, "4");
  EXPECT_EQ(q.quote().positions[1].configuration.liftHeight, "5");
  EXPECT_EQ(d.cell(0, ColModel), "PXH 250 EX, lift 4 m");
  EXPECT_EQ(d.cell(0, ColUnitNet), kUnitLift4);
  EXPECT_EQ(d.cell(1, ColUnitNet), kUnitLift5);
  // The European price list prints in its six languages; without a choice, in the first
  // position's.
  EXPECT_EQ(q.cboLanguage->count(), 6);
  EXPECT_EQ(q.cboLanguage->currentText(), "English");

  // Three of the second, with a note; then it goes first.
  q.selectPosition(1);
  q.spnQuantity->setValue(3);
  QTest::keyClicks(q.txtPositionNote, "with test certificate");
  EXPECT_EQ(q.quote().positions[1].quantity, 3);
  EXPECT_EQ(q.quote().positions[1].note, "with test certificate");
  EXPECT_EQ(d.cell(1, ColLineNet), "8249.4");  // 3 x 2749.80
  EXPECT_TRUE(q.lblTotal->text().contains("10962.3")) << q.lblTotal->text().toStdString();
  q.cmdUp->click();
  EXPECT_EQ(q.selectedPosition(), 0);
  EXPECT_EQ(q.quote().positions[0].configuration.liftHeight, "5");
  EXPECT_EQ(q.quote().positions[0].quantity, 3);
  EXPECT_EQ(d.cell(0, ColNumber), "1");
  EXPECT_EQ(d.cell(0, ColQuantity), "3");
  EXPECT_FALSE(q.cmdUp->isEnabled());
  q.cmdDown->click();
  q.cmdUp->click();
  EXPECT_EQ(q.quote().positions[1].configuration.liftHeight, "4");

  // The header, as typed, within its limits; the validity's end shown as it changes.
  QTest::keyClicks(q.txtCompany, "Hebezeug Nord AG");
  QTest::keyClicks(q.txtCustomerReference, "Hall 3 crane");
  q.spnValidity->setValue(45);
  EXPECT_EQ(q.quote().header.company, "Hebezeug Nord AG");
  EXPECT_EQ(q.quote().header.validityDays, 45);
  EXPECT_EQ(q.txtCompany->maxLength(), kMaxQuoteLineText);
  EXPECT_TRUE(q.lblValidUntil->text().contains(
      QLocale().toString(QDate(2017, 12, 1), QLocale::ShortFormat)));  // 17 October + 45 days
  EXPECT_TRUE(q.modified());
  EXPECT_TRUE(q.windowTitle().endsWith("*"));

  // Saved for the first time: issued, numbered, and written as version 2.
  const QString file = out.filePath("hall 3.telmaris");
  d.services.saveAnswer = file;
  q.cmdSave->click();
  ASSERT_TRUE(QFile::exists(file)) << d.lastMessage().toStdString();
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  EXPECT_EQ(q.quote().header.date, QDate(2017, 10, 17));
  EXPECT_FALSE(q.modified());
  EXPECT_FALSE(q.windowTitle().endsWith("*"));
  EXPECT_TRUE(q.lblNumber->text().contains("Q-2017-0001"));
  const Result<Quote> written = readQuoteFile(file);
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, q.quote());
  QFile raw(file);
  ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
  EXPECT_TRUE(raw.readAll().contains("\"telmaris\": 2"));
  const Quote saved = q.quote();

  // A new quote goes without a question; File > Open of the main window brings the file back
  // into the quote window and leaves the steps as they are.
  const Configuration steps = d.w.currentConfiguration();
  d.w.NewQuote->trigger();
  EXPECT_TRUE(q.quote().positions.empty());
  EXPECT_TRUE(d.questions().isEmpty());
  d.openFile(file);
  EXPECT_EQ(q.quote(), saved);
  EXPECT_EQ(q.file(), QFileInfo(file).absoluteFilePath());
  EXPECT_FALSE(q.modified());
  EXPECT_EQ(d.w.currentConfiguration(), steps);
  EXPECT_EQ(d.cell(0, ColQuantity), "3");
  EXPECT_EQ(q.txtPositionNote->text(), "with test certificate");
  EXPECT_EQ(q.txtCompany->text(), "Hebezeug Nord AG");

  // Changed and printed: issued again under its number, and its file takes it as issued.
  q.selectPosition(1);
  q.spnQuantity->setValue(2);
  EXPECT_TRUE(q.modified());
  d.services.printAnswer = pdfRequest(out.filePath("hall 3.pdf"));
  q.cmdPrint->click();
  EXPECT_FALSE(q.modified()) << d.lastMessage().toStdString();
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  const Result<Quote> reissued = readQuoteFile(file);
  ASSERT_TRUE(reissued);
  EXPECT_EQ(reissued->positions[1].quantity, 2);
  EXPECT_EQ(*reissued, q.quote());

  // A plain configuration file still opens in the main window.
  const QString single = out.filePath("single.telmaris");
  QFile::copy(TELMARIS_SOURCE_DIR "/examples/english-european.telmaris", single);
  d.openFile(single);
  EXPECT_EQ(d.w.currentConfiguration().liftHeight, "4");
  EXPECT_EQ(q.quote(), *reissued);
}

TEST(QuoteWindow, APositionIsTakenOnlyFinishedAndFromThePriceListOfTheQuote) {
  QuoteDriver d;
  // Nothing answered beyond the model: the quote takes nothing, and the main window says why
  // as its print button would (its output buttons show from the start).
  d.w.NewQuote->trigger();
  d.settle();
  QuoteWindow& q = d.quotes();
  q.cmdAdd->click();
  EXPECT_TRUE(q.quote().positions.empty());
  ASSERT_EQ(d.services.messages.size(), 1u);
  EXPECT_EQ(d.lastMessage(), d.state.TextCatalogue[Text::EnterLiftHeight]);
  // Half-way through the steps, the output buttons are gone: the quote says so itself.
  d.walkToTrolley("PXH 250 EX", "4", "3");
  ASSERT_FALSE(d.w.Printerutskrift->isVisible());
  q.cmdAdd->click();
  EXPECT_TRUE(q.quote().positions.empty());
  ASSERT_EQ(d.services.messages.size(), 2u);
  EXPECT_TRUE(d.lastMessage().contains("not finished")) << d.lastMessage().toStdString();

  d.configure("4");
  q.cmdAdd->click();
  ASSERT_EQ(q.quote().positions.size(), 1u);

  // A US Metric hoist is of another price list.
  d.w.mnuSpråk[2]->trigger();
  d.settle();
  d.w.ComboPXH->hidePopup();
  d.walkToTrolley("PXH 500 EX", "4", "3");
  d.walkToOutput(0);
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  const std::size_t before = d.services.messages.size();
  q.cmdAdd->click();
  EXPECT_EQ(q.quote().positions.size(), 1u);
  ASSERT_EQ(d.services.messages.size(), before + 1);
  EXPECT_TRUE(d.lastMessage().contains("price list")) << d.lastMessage().toStdString();
  EXPECT_TRUE(d.lastMessage().contains("US metric")) << d.lastMessage().toStdString();

  // Replacing the only position is no mixture: the quote becomes a US Metric one, in English.
  q.selectPosition(0);
  q.cmdReplace->click();
  ASSERT_EQ(q.quote().positions.size(), 1u);
  EXPECT_EQ(q.quote().positions[0].configuration.variant, VariantId::UsMetric);
  EXPECT_EQ(q.cboLanguage->count(), 1);
  EXPECT_FALSE(q.cboLanguage->isEnabled());

  // Open in the steps puts the position back into the main window, without a question about
  // the configuration it came from.
  d.w.mnuSpråk[0]->trigger();
  d.settle();
  q.cmdOpenInSteps->click();
  d.settle();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(d.state.LanguageKey, "US Metric");
  EXPECT_EQ(d.w.currentConfiguration(), q.quote().positions[0].configuration);
}

TEST(QuoteWindow, ChangesAreNotLostWithoutAQuestion) {
  QuoteDriver d;
  d.configure("4");
  d.w.NewQuote->trigger();
  QuoteWindow& q = d.quotes();
  q.cmdAdd->click();
  ASSERT_EQ(q.quote().positions.size(), 1u);
  const Quote made = q.quote();

  // Closing: Cancel keeps the window and the quote.
  d.services.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(q.close());
  ASSERT_EQ(d.questions().size(), 1);
  EXPECT_TRUE(d.questions()[0].contains("not been saved"));
  EXPECT_TRUE(q.isVisible());
  EXPECT_EQ(q.quote(), made);

  // Save with no name given keeps it too.
  d.services.answers = {MsgAnswer::Save};
  d.services.saveAnswer.clear();
  EXPECT_FALSE(q.close());
  EXPECT_EQ(q.quote(), made);

  // Exit asks about the quote and stays on Cancel; the main window's configuration is kept in
  // the quote, so it asks nothing itself.
  d.services.answers = {MsgAnswer::Cancel};
  d.w.Exit->trigger();
  EXPECT_EQ(d.questions().size(), 3);
  EXPECT_FALSE(d.services.endStatus.has_value());

  // New Quote asks, and Discard lets it go; so does closing a changed quote.
  d.services.answers = {MsgAnswer::Discard};
  d.w.NewQuote->trigger();
  EXPECT_EQ(d.questions().size(), 4);
  EXPECT_TRUE(q.quote().positions.empty());
  q.cmdAdd->click();
  d.services.answers = {MsgAnswer::Discard};
  EXPECT_TRUE(q.close());
  EXPECT_EQ(d.questions().size(), 5);
  EXPECT_TRUE(q.quote().positions.empty());
  d.w.Exit->trigger();
  EXPECT_EQ(d.services.endStatus, 0);
}

TEST(QuoteWindow, FirstPrintIssuesTheNumberOnceAndTheRegisterFindsTheQuotes) {
  QTemporaryDir out;
  QuoteDriver d;
  d.twoPositions();
  QuoteWindow& q = d.quotes();
  QTest::keyClicks(q.txtCompany, "Hebezeug Nord AG");
  QTest::keyClicks(q.txtOurReference, "MK");

  // Cancelled, or only looked at in the preview: nothing issued.
  q.cmdPrint->click();
  q.cmdPreview->click();
  EXPECT_EQ(d.services.previews, 1);
  EXPECT_TRUE(q.quote().header.number.isEmpty());

  const QString pdf = out.filePath("quote.pdf");
  d.services.printAnswer = pdfRequest(pdf);
  q.cmdPrint->click();
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001") << d.lastMessage().toStdString();
  EXPECT_TRUE(QFile::exists(pdf)) << d.lastMessage().toStdString();
  EXPECT_EQ(pdfPageCount(pdf), 3);  // the summary and a page for each position
  d.services.printAnswer = pdfRequest(out.filePath("again.pdf"));
  q.cmdPrint->click();
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  // Printed from the preview onto a printer, a changed quote is issued again under its number.
  q.spnQuantity->setValue(3);
  QPrinter fromPreview(QPrinter::HighResolution);
  fromPreview.setOutputFormat(QPrinter::PdfFormat);
  fromPreview.setOutputFileName(out.filePath("from-preview.pdf"));
  d.services.previewPrinter = &fromPreview;
  q.cmdPreview->click();
  d.services.previewPrinter = nullptr;
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  EXPECT_EQ(pdfPageCount(out.filePath("from-preview.pdf")), 3);

  // A second quote for another customer, exported, the day after.
  d.services.fixedDate = QDate(2017, 10, 18);
  d.services.answers = {MsgAnswer::Discard};
  d.w.NewQuote->trigger();
  q.cmdAdd->click();
  QTest::keyClicks(q.txtCompany, "Kranbau Sued GmbH");
  QTest::keyClicks(q.txtCustomerReference, "K-77");
  d.services.saveAnswer = out.filePath("second.pdf");
  q.cmdExportPdf->click();
  EXPECT_EQ(q.quote().header.number, "Q-2017-0002");

  // The register: newest first, and its search (the register's own filter is tested with it).
  d.w.mnuQuoteRegister->trigger();
  d.settle();
  RegisterWindow* r = d.w.registerWindow();
  ASSERT_NE(r, nullptr);
  ASSERT_EQ(r->shown().size(), 2u);
  EXPECT_EQ(r->shown()[0].number, "Q-2017-0002");
  EXPECT_EQ(r->shown()[1].number, "Q-2017-0001");
  EXPECT_EQ(r->tblQuotes->rowCount(), 2);
  QTest::keyClicks(r->txtSearch, "hebezeug");
  ASSERT_EQ(r->shown().size(), 1u);
  EXPECT_EQ(r->shown()[0].number, "Q-2017-0001");
  r->tblQuotes->setFocus();
  QTest::keyClick(r, Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(r->txtSearch->hasFocus());

  // Opened as issued: read-only, with its number and its date, and printed without a new issue.
  d.services.answers = {MsgAnswer::Discard};
  r->cmdOpen->click();
  EXPECT_TRUE(q.readOnly());
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  EXPECT_EQ(q.quote().header.date, QDate(2017, 10, 17));
  EXPECT_EQ(q.quote().positions.size(), 2u);
  EXPECT_FALSE(q.cmdAdd->isEnabled());
  EXPECT_FALSE(q.cmdSave->isEnabled());
  EXPECT_TRUE(q.txtCompany->isReadOnly());
  d.services.printAnswer = pdfRequest(out.filePath("as-issued.pdf"));
  q.cmdPrint->click();
  EXPECT_TRUE(QFile::exists(out.filePath("as-issued.pdf")));
  r->txtSearch->clear();
  ASSERT_EQ(r->shown().size(), 2u);
  EXPECT_EQ(r->shown()[1].revision, 2);  // the first issue, and the one from the preview

  // The hoist costs 2500.00 from now on. Repriced, the quote says what changed and opens as a
  // copy to issue again: printed, it is the third revision of its number, dated today.
  Database::open(d.dir->database(), kConnectString)
      .execute("UPDATE tblDetaljPr SET sngPris = 2500 WHERE strDetaljnummer = '8420 0250 00';");
  r->tblQuotes->setCurrentCell(1, 0);
  r->cmdReprice->click();
  ASSERT_EQ(d.services.reports.size(), 1u);
  const QString report = d.services.reports[0].text;
  EXPECT_TRUE(report.contains("Q-2017-0001")) << report.toStdString();
  EXPECT_TRUE(report.contains("2475") && report.contains("2500")) << report.toStdString();
  EXPECT_EQ(d.services.reports[0].buttons, MsgButtons::OkCancel);
  EXPECT_FALSE(q.readOnly());
  EXPECT_TRUE(q.modified());
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  EXPECT_EQ(d.cell(0, ColUnitNet), "2737.9");  // 2500.00 + 184.50 + 53.40
  d.services.printAnswer = pdfRequest(out.filePath("revised.pdf"));
  q.cmdPrint->click();
  EXPECT_EQ(q.quote().header.number, "Q-2017-0001");
  EXPECT_EQ(q.quote().header.date, QDate(2017, 10, 18));
  r->txtSearch->setText("Q-2017-0001");
  ASSERT_EQ(r->shown().size(), 1u);
  EXPECT_EQ(r->shown()[0].revision, 3);
  EXPECT_EQ(r->shown()[0].issued, QDate(2017, 10, 18));
}

TEST(QuoteWindow, AMainWindowWithoutQuotesNeverTouchesTheRegister) {
  QTemporaryDir out;
  QuoteDriver d;
  d.configure("4");
  // Printed to a file, saved, opened again, exited: the window as it always was.
  d.services.printAnswer = pdfRequest(out.filePath("page.pdf"));
  d.w.Printerutskrift_Click();
  d.services.saveAnswer = out.filePath("single.telmaris");
  d.w.SaveFile->trigger();
  d.openFile(out.filePath("single.telmaris"));
  d.w.Exit->trigger();
  EXPECT_EQ(d.services.endStatus, 0);
  EXPECT_EQ(d.w.quoteWindow(), nullptr);
  EXPECT_EQ(d.w.registerWindow(), nullptr);
  EXPECT_FALSE(QFile::exists(d.registerFile()));
  EXPECT_TRUE(d.services.messages.empty()) << d.lastMessage().toStdString();
  EXPECT_EQ(d.w.NewQuote->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
}
