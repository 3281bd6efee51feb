// The printed quote, written to PDF and read back word by word: its summary pages, the
// positions' ordering pages with the quote in their free margins, and long texts kept on the
// paper.
#include "quote/quote_document.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>

#include "data/parts_loader.h"
#include "page/page_pdf.h"
#include "quotes/quote_printing.h"
#include "startup/application_setup.h"
#include "support/pdf_words.h"
#include "support/quote_fixtures.h"

namespace {

const ProgramDirectory kProgram{QStringLiteral(TELMARIS_PROGRAM_DIR)};
// The page's coordinates on the PDF: the printable area starts at the border.
constexpr double kBorder = kCommandPdfMargin;

struct Printed {
  std::unique_ptr<PartsData> data = std::make_unique<PartsData>();
  PricedQuote priced;
  QuoteLabels labels;
};

// The quote priced on the shipped data of its print variant, as the input of the document.
Printed priced(const Quote& quote) {
  Printed p;
  loadPartsDatabase(kProgram.database(), variantOf(quote.printVariant()).languageKey, *p.data);
  p.priced = priceQuote(quote, *p.data);
  p.labels = QuoteLabels(kProgram, p.priced.variant);
  return p;
}

QString write(const QTemporaryDir& dir, const QString& name, const Printed& p,
              const QDate& date = QDate(2026, 12, 9), bool withWindows = false) {
  QuoteDocumentPictures pictures;
  pictures.page = readPagePictures(kProgram);
  if (withWindows)
    for (std::size_t n = 0; n < p.priced.positions.size(); ++n)
      pictures.windows.emplace_back(QImage(640, 480, QImage::Format_RGB32));
  const QString file = dir.filePath(name);
  writeQuotePdf(file, *p.data, p.priced, pictures, date, p.labels);
  return file;
}

const PdfWord* find(const std::vector<PdfWord>& words, const QString& text) {
  for (const PdfWord& w : words)
    if (w.text == text) return &w;
  return nullptr;
}

// The words of a page as one text, in their order.
QString text(const std::vector<PdfWord>& words) {
  QStringList all;
  for (const PdfWord& w : words) all << w.text;
  return all.join(u' ');
}

// "n / N" at the bottom right of the page: its three words end at the right of the text, under
// everything else.
void expectPageNumber(const QString& pdf, int page, int pages) {
  const std::vector<PdfWord> words = pdfWords(pdf, page);
  ASSERT_GE(words.size(), 3u) << page;
  std::vector<PdfWord> bottom;
  double lowest = 0;
  for (const PdfWord& w : words) lowest = std::max(lowest, w.top);
  for (const PdfWord& w : words)
    if (w.top > lowest - 0.5) bottom.push_back(w);
  std::sort(bottom.begin(), bottom.end(),
            [](const PdfWord& a, const PdfWord& b) { return a.left < b.left; });
  ASSERT_EQ(bottom.size(), 3u) << page;
  EXPECT_EQ(bottom[0].text, QString::number(page));
  EXPECT_EQ(bottom[1].text, "/");
  EXPECT_EQ(bottom[2].text, QString::number(pages));
  EXPECT_NEAR(bottom[2].right, kBorder + 193, 0.5) << page;
  EXPECT_GT(bottom[2].top, 280) << page;
}

// Whether two words overlap on the page (a little slack for the boxes pdftotext gives).
bool overlap(const PdfWord& a, const PdfWord& b) {
  constexpr double slack = 0.2;
  return a.left + slack < b.right && b.left + slack < a.right && a.top + slack < b.bottom &&
         b.top + slack < a.bottom;
}

}  // namespace

TEST(QuoteDocument, SummaryPageThenEveryPositionNumberedInTheQuotesLanguage) {
  QTemporaryDir dir;
  Quote quote = kesslerQuote();
  quote.header.number = QStringLiteral("Q-2026-0007");
  quote.header.date = QDate(2026, 12, 1);
  const Printed p = priced(quote);
  const QString pdf = write(dir, "quote.pdf", p);

  ASSERT_EQ(pdfPageCount(pdf), 4);  // the summary and the three positions
  for (int page = 1; page <= 4; ++page) expectPageNumber(pdf, page, 4);
  EXPECT_EQ(pdfInfoField(pdf, "Title"), p.labels[QuoteLabel::QuoteTitle] + " Q-2026-0007");

  // The summary: the labels of the quote's language, the header, the positions and the totals.
  const std::vector<PdfWord> summary = pdfWords(pdf, 1);
  const QString all = text(summary);
  for (QuoteLabel label :
       {QuoteLabel::QuoteTitle, QuoteLabel::QuoteNumber, QuoteLabel::Date, QuoteLabel::Customer,
        QuoteLabel::YourReference, QuoteLabel::OurReference, QuoteLabel::ValidUntil,
        QuoteLabel::PositionShort, QuoteLabel::Quantity, QuoteLabel::Model, QuoteLabel::UnitPrice,
        QuoteLabel::LinePrice, QuoteLabel::Total, QuoteLabel::Discounts, QuoteLabel::NetTotal,
        QuoteLabel::Note})
    EXPECT_TRUE(all.contains(p.labels[label])) << p.labels[label].toStdString();
  // The German labels, as the German translation file of the program has them.
  for (const char* german :
       {"Angebot", "Angebots-Nr.", "Datum", "Kunde", "Ihr Zeichen", "Unser Zeichen", "Gültig bis",
        "Pos.", "Menge", "Modell", "Einzelpreis", "Gesamtpreis", "Summe", "Rabatte", "Nettosumme",
        "Hinweis"})
    EXPECT_TRUE(all.contains(QString::fromUtf8(german))) << german;
  for (const char* expected :
       {"Maschinenbau Kessler GmbH", "Frau Dr. Ines Kessler", "Hafenstraße 12", "28217 Bremen",
        "Anfrage 2026/118", "M. Lindqvist", "Q-2026-0007", "2026-12-01",
        // The validity: 45 days from the issue date, not from the date of printing.
        "2027-01-15", "Für die Lackiererei, Zone 1",
        // The models with the descriptions of the German column of parts.sql.
        "PXH 250L EX", "PXH 250L EX Druckluft-Kettenzug 250 kg",
        "Zahlung 30 Tage netto. Lieferung ab Werk, vier Wochen nach Auftragseingang."})
    EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected;
  EXPECT_FALSE(all.contains("2026-12-09"));  // the date of printing is not the quote's

  // Position 2: 3904.4 less 10 %, 3513.96 a hoist, 7027.92 for two; in the amounts' columns.
  const PdfWord* unit = find(summary, "3514.0");
  const PdfWord* line = find(summary, "7027.9");
  ASSERT_TRUE(unit && line) << all.toStdString();
  EXPECT_NEAR(line->right, kBorder + 193, 0.5);
  EXPECT_NEAR(unit->top, line->top, 0.2);
  EXPECT_LT(unit->right, line->left);

  // The position pages: the quote number and the customer at the top right, clear of the
  // list under the title.
  for (int page = 2; page <= 4; ++page) {
    const std::vector<PdfWord> words = pdfWords(pdf, page);
    const PdfWord* number = find(words, "Q-2026-0007");
    const PdfWord* company = find(words, "GmbH");
    ASSERT_TRUE(number && company) << page;
    EXPECT_NEAR(number->right, kBorder + 193, 0.5);
    EXPECT_NEAR(company->right, kBorder + 193, 0.5);
    EXPECT_LT(company->bottom, kBorder + 15);
    EXPECT_GT(number->top, kBorder + 3);  // under the date
    EXPECT_TRUE(text(words).contains(p.labels[QuoteLabel::Position].arg(page - 1)));
  }
  // The position's page is its ordering page in German.
  EXPECT_TRUE(text(pdfWords(pdf, 3)).contains("Kettenspeicher 7 mm, bis 7 m"));
}

// A configuration that is no quote prints its one page as it always has; a quote of that one
// configuration without a header puts a summary in front and leaves every word of the page where
// it was, adding only its own in the free margins.
TEST(QuoteDocument, AOnePositionQuoteLeavesTheOrderingPageAsItWas) {
  QTemporaryDir dir;
  const Printed plain = priced(quoteOf(european250()));
  ASSERT_FALSE(plain.priced.quote.isQuote());
  const PricedPosition& position = plain.priced.positions.front();
  PagePictures pictures = readPagePictures(kProgram);
  pictures.window = QImage(640, 480, QImage::Format_RGB32);
  const QString today = dir.filePath("today.pdf");
  writePagePdf(today, *plain.data, position.hoist, position.list, pictures, QDate(2026, 12, 9));
  const std::vector<PdfWord> page = pdfWords(today);
  ASSERT_GT(page.size(), 40u);

  const QString configuration = write(dir, "configuration.pdf", plain, QDate(2026, 12, 9), true);
  ASSERT_EQ(pdfPageCount(configuration), 1);
  const std::vector<PdfWord> same = pdfWords(configuration);
  ASSERT_EQ(same.size(), page.size());
  for (std::size_t i = 0; i < page.size(); ++i) {
    EXPECT_EQ(same[i].text, page[i].text);
    EXPECT_NEAR(same[i].left, page[i].left, 0.05) << page[i].text.toStdString();
    EXPECT_NEAR(same[i].top, page[i].top, 0.05) << page[i].text.toStdString();
  }
  EXPECT_EQ(pdfInfoField(configuration, "Title"), pdfInfoField(today, "Title"));

  Quote made = quoteOf(european250());
  made.madeAsQuote = true;
  const Printed quote = priced(made);
  const QString pdf = write(dir, "quote.pdf", quote, QDate(2026, 12, 9), true);
  ASSERT_EQ(pdfPageCount(pdf), 2);
  expectPageNumber(pdf, 2, 2);
  std::vector<PdfWord> rest = pdfWords(pdf, 2);
  for (const PdfWord& w : page) {
    const auto at = std::find_if(rest.begin(), rest.end(), [&](const PdfWord& r) {
      return r.text == w.text && std::abs(r.left - w.left) < 0.05 && std::abs(r.top - w.top) < 0.05;
    });
    ASSERT_NE(at, rest.end()) << w.text.toStdString();
    rest.erase(at);
  }
  // What is left stands in the margins: the position at the top right, the page number at the
  // bottom right.
  for (const PdfWord& w : rest) {
    EXPECT_GT(w.left, kBorder + 130) << w.text.toStdString();
    EXPECT_TRUE(w.bottom < kBorder + 14.5 || w.top > kBorder + 282) << w.text.toStdString();
  }
  EXPECT_TRUE(text(rest).contains(quote.labels[QuoteLabel::Position].arg(1)));
}

// The longest texts a quote may hold, and the most positions, stay on the paper: header fields
// are cut short, notes wrapped, and the table goes on over as many summary pages as it needs,
// which the page numbers count.
TEST(QuoteDocument, LongTextsAndAHundredPositionsStayOnThePaper) {
  QTemporaryDir dir;
  Quote quote = kesslerQuote();
  const QString word = QStringLiteral("Lieferbedingungen ");
  auto longText = [&](int length) { return word.repeated(length / word.size() + 1).left(length); };
  quote.header.company = QStringLiteral("W").repeated(kMaxQuoteLineText);
  quote.header.contact = longText(kMaxQuoteLineText);
  for (QString& line : quote.header.address) line = longText(kMaxQuoteLineText);
  quote.header.customerReference = QStringLiteral("R").repeated(kMaxQuoteLineText);
  quote.header.ourReference = longText(kMaxQuoteLineText);
  quote.header.number = QStringLiteral("Q-2026-0100");
  quote.header.note = longText(kMaxQuoteNoteText);
  quote.positions.clear();
  for (int n = 0; n < kMaxQuotePositions; ++n)
    quote.positions.push_back({n % 2 ? european250() : european250L(), kMaxQuoteQuantity,
                               n % 10 ? QString() : longText(kMaxQuoteNoteText)});
  const Printed p = priced(quote);
  const QString pdf = write(dir, "long.pdf", p);

  QPrinter printer(QPrinter::HighResolution);
  setUpPdfPrinter(printer, dir.filePath("unused.pdf"), QString());
  const int summaries = quoteSummaryPageCount(
      printer.pageLayout().paintRect(QPageLayout::Millimeter).size(), p.priced, QDate(), p.labels);
  ASSERT_GT(summaries, 2);
  const int pages = summaries + kMaxQuotePositions;
  ASSERT_EQ(pdfPageCount(pdf), pages);
  expectPageNumber(pdf, summaries, pages);
  expectPageNumber(pdf, pages, pages);

  int rows = 0;
  QString notes;
  for (int page = 1; page <= summaries; ++page) {
    const std::vector<PdfWord> words = pdfWords(pdf, page);
    for (std::size_t i = 0; i < words.size(); ++i) {
      const PdfWord& w = words[i];
      EXPECT_GE(w.left, kBorder - 0.01) << page << ' ' << w.text.toStdString();
      EXPECT_LE(w.right, kBorder + 193.5) << page << ' ' << w.text.toStdString();
      EXPECT_LE(w.bottom, kBorder + 287) << page << ' ' << w.text.toStdString();
      for (std::size_t j = i + 1; j < words.size(); ++j)
        EXPECT_FALSE(overlap(w, words[j]))
            << page << ": " << w.text.toStdString() << " and " << words[j].text.toStdString();
      // A row's quantity, right-aligned in its column.
      if (w.text == QString::number(kMaxQuoteQuantity) && std::abs(w.right - kBorder - 46) < 0.5)
        ++rows;
    }
    notes += text(words);
  }
  EXPECT_EQ(rows, kMaxQuotePositions);
  // The header's note is printed whole, wrapped over the lines it needs.
  EXPECT_GE(notes.count(word.trimmed()), kMaxQuoteNoteText / word.size() * 11);
}

// The image on a position's page is the window of the quote's language walked to the position's
// answers: the same image whether the position is walked alone or after others in one hidden
// window.
TEST(QuoteDocument, PositionsAreWalkedInAHiddenWindowOfTheQuotesLanguage) {
  useLanguageOf(QString(), kProgram.path());  // the window speaks English
  Quote two = kesslerQuote();
  two.positions.erase(two.positions.begin());
  Quote one = two;
  one.positions.erase(one.positions.begin());
  const qsizetype windows = QApplication::topLevelWidgets().size();
  const PreparedQuoteDocument both = prepareQuoteDocument(kProgram, two);
  const PreparedQuoteDocument alone = prepareQuoteDocument(kProgram, one);
  ASSERT_EQ(both.pictures.windows.size(), 2u);
  ASSERT_EQ(alone.pictures.windows.size(), 1u);
  EXPECT_FALSE(alone.pictures.windows[0].isNull());
  EXPECT_EQ(both.pictures.windows[1], alone.pictures.windows[0]);
  EXPECT_NE(both.pictures.windows[0], both.pictures.windows[1]);
  EXPECT_EQ(both.priced.variant, VariantId::German);
  EXPECT_EQ(both.data->TextCatalogue[Text::OrderingListTitle].trimmed(), "Bestellliste");
  EXPECT_TRUE(both.missingPictures.isEmpty());

  // The window's own language is as it was, and the hidden window is gone.
  EXPECT_EQ(QCoreApplication::translate("Page", "warning: "), "warning: ");
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);
}

// A document that cannot be written names its file, and leaves nothing behind.
TEST(QuoteDocument, AFileThatCannotBeWrittenIsNamed) {
  QTemporaryDir dir;
  const Printed p = priced(kesslerQuote());
  const QString target = dir.filePath("missing folder/quote.pdf");
  try {
    writeQuotePdf(target, *p.data, p.priced, {}, QDate(2026, 12, 9), p.labels);
    FAIL() << "written";
  } catch (const Failure& e) {
    EXPECT_EQ(e.problem().kind, Problem::Kind::File);
    EXPECT_TRUE(e.problem().where.contains("missing folder"))
        << e.problem().describe().toStdString();
  }
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}
