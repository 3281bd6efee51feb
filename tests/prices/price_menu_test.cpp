// The three price commands of the main window's Options menu: Cancel and a list that fails, a
// list that goes in, and the price list window.
#include <gtest/gtest.h>

#include <QTableView>
#include <QTemporaryDir>

#include "configurator/window_driver.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "price_window/form2.h"
#include "price_window/price_grid_model.h"
#include "prices/price_fixtures.h"
#include "prices/price_history.h"

namespace {

struct MainWindow : WindowDriver {
  MainWindow() : WindowDriver("", pricesRecordsSql()) {}

  std::map<qint64, std::optional<float>> memoryPrices() const {
    std::map<qint64, std::optional<float>> prices;
    for (int k = 0; k <= 130; ++k) prices[k] = state.PartPrice[k];
    return prices;
  }
  QString file(const char* name, const QByteArray& contents) {
    writeFile(files.filePath(name), contents);
    return files.filePath(name);
  }

  QTemporaryDir files;
};

}  // namespace

TEST(PriceMenu, CancelOrAListThatFailsChangesNothing) {
  MainWindow m;
  ASSERT_TRUE(m.loaded);
  const auto stored = storedPrices(m.dir->database());
  const auto memory = m.memoryPrices();

  // Cancel in the message that comes first: no file is asked for.
  m.services.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
  m.w.Newprices_Click();
  m.w.Newprices1_Click();
  EXPECT_EQ(m.services.messages.size(), 2u);
  EXPECT_TRUE(m.services.fileDialogs.empty());

  // Cancel in the file dialog, which offers the files of each kind in the program directory.
  m.w.Newprices_Click();
  m.w.Newprices1_Click();
  ASSERT_EQ(m.services.fileDialogs.size(), 2u);
  EXPECT_EQ(m.services.fileDialogs[0].filters,
            QStringList({"Price file (*.DAT)", "Price file (*.TXT)"}));
  EXPECT_EQ(m.services.fileDialogs[1].filters, QStringList({"Price file (*.XLS *.XLSX)"}));
  for (const auto& dialog : m.services.fileDialogs) EXPECT_EQ(dialog.startFolder, m.dir->path());

  // A price file with a record without a price, then a file that is no workbook.
  m.services.fileAnswer = m.file("short.dat", "\"7302 4410 01\",3500\n\"7302 4410 19\"\n");
  m.w.Newprices_Click();
  ASSERT_EQ(m.services.messages.size(), 6u);
  const RecordedMessage failure = m.services.messages.back();
  EXPECT_EQ(failure.text,
            "Eng50\n\nRecord 2 (line 2): the ordering number \"7302 4410 19\" has no price.");
  EXPECT_EQ(failure.title, "Eng49");
  EXPECT_EQ(failure.icon, MsgIcon::Warning);
  m.services.fileAnswer = m.file("text.xls", "\"7302 4410 01\",3500\n");
  m.w.Newprices1_Click();
  ASSERT_EQ(m.services.messages.size(), 8u);
  EXPECT_TRUE(m.services.messages.back().text.startsWith("Eng50\n\nThe workbook "));

  EXPECT_EQ(storedPrices(m.dir->database()), stored);
  EXPECT_EQ(m.memoryPrices(), memory);
}

TEST(PriceMenu, ThePriceListWindowEditsTheLoadedPrices) {
  MainWindow m;
  m.w.Newprices2_Click();
  Form2& form = m.w.form2();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), "Eng10");
  PriceGridModel* grid = form.priceGrid();
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(form.priceFilter()->sourceModel(), grid);
  EXPECT_EQ(form.ssdbgridChangePrices->model(), form.priceFilter());
  const qint64 part = grid->recordAt(3);
  ASSERT_TRUE(grid->setData(grid->index(3, 1), "99.5"));
  EXPECT_EQ(m.state.PartPrice[part], 99.5f);
  EXPECT_EQ(storedPrices(m.dir->database())[part], 99.5f);

  form.cmdToMainMenu_Click();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(m.w.isVisible());
}

TEST(PriceMenu, AnImportIsShownBeforeItIsWrittenLoadedAndCanBeUndone) {
  MainWindow m;
  const auto stored = storedPrices(m.dir->database());
  m.services.fileAnswer =
      m.file("prices.dat", "\"7302 4410 01\",3500\r\n\"7302 4410 19\",45.5\r\n");

  // The first message, then Cancel in the summary: nothing is written, nothing reloads.
  m.services.answers = {MsgAnswer::Ok, MsgAnswer::Cancel};
  m.w.Newprices_Click();
  ASSERT_EQ(m.services.reports.size(), 1u);
  const RecordedMessage& summary = m.services.reports[0];
  EXPECT_EQ(summary.title, "Eng49");
  EXPECT_EQ(summary.buttons, MsgButtons::OkCancel);
  EXPECT_TRUE(summary.text.contains("New price:  2\nUnchanged:  0\nSet to 0:   128\n"))
      << summary.text.toStdString();
  EXPECT_EQ(storedPrices(m.dir->database()), stored);
  EXPECT_EQ(m.state.PartPrice[kExamplePart1], syntheticPrice(kExamplePart1));

  // OK in both: written and loaded, the parts not named at 0 but the placeholder.
  m.w.form2().show();
  m.w.Newprices_Click();
  EXPECT_EQ(m.state.PartPrice[kExamplePart1], 3500.0f);
  EXPECT_EQ(m.state.PartPrice[kExamplePart2], 45.5f);
  EXPECT_EQ(m.state.PartPrice[30], 0.0f);
  EXPECT_EQ(m.state.PartPrice[0], syntheticPrice(0));
  EXPECT_EQ(storedPrices(m.dir->database())[kExamplePart1], 3500.0f);
  EXPECT_FALSE(m.w.form2().isVisible());

  // The history names the file; the undo, on OK, puts the prices back and reloads them.
  m.w.mnuPriceHistory_Click();
  ASSERT_EQ(m.services.reports.size(), 3u);
  EXPECT_TRUE(m.services.reports[2].text.contains("1. Import of prices.dat: 130 prices changed"));
  // Each part with its description in the variant's language.
  EXPECT_TRUE(m.services.reports[2].text.contains(
      "    7302 4410 01        110.50  ->     3500.00  Eng part 11\n"))
      << m.services.reports[2].text.toStdString();
  m.w.mnuUndoImport_Click();
  EXPECT_EQ(storedPrices(m.dir->database()), stored);
  EXPECT_EQ(m.state.PartPrice[kExamplePart1], syntheticPrice(kExamplePart1));
  m.w.mnuUndoImport_Click();
  EXPECT_EQ(m.services.messages.back().text, "There is no price import to undo.");

  // A workbook goes the same way.
  writeXlsx(m.files.filePath("prices.Xlsx"),
            priceSheet({{7302441001.0, 12}, {QStringLiteral("7302 4410 19"), 13}}));
  m.services.fileAnswer = m.files.filePath("prices.Xlsx");
  m.w.Newprices1_Click();
  EXPECT_EQ(m.state.PartPrice[kExamplePart2], 13.0f);
  EXPECT_EQ(storedPrices(m.dir->database())[kExamplePart2], 13.0f);
}

// Another program imports, or records a price, while the undo's summary is open: OK takes back
// nothing and says why; the next undo shows and takes back the newest import.
TEST(PriceMenu, TheUndoTakesBackTheImportItShowedOrNothing) {
  MainWindow m;
  const QString database = m.dir->database();
  importPrices(database, parsePriceFile("\"7302 4410 01\",3500\n"), {"A.DAT"});
  int step = 0;
  m.services.whileReportShown = [&] {
    if (++step == 1) importPrices(database, parsePriceFile("\"7302 4410 01\",3600\n"), {"B.DAT"});
    if (step != 2) return;
    // A price of part 30 edited in another program's price list.
    Database other = Database::open(database, kConnectString);
    Transaction t = other.transaction();
    other.execute("UPDATE tblDetaljPr SET sngPris = 77 WHERE lngNr = 30;");
    PriceEvent edit{0,
                    "2026-12-07 11:00:00",
                    PriceEventKind::Edit,
                    kPriceListWindowSource,
                    {},
                    {{30, "7302 0030 01", 0.0, 77.0}}};
    recordPriceEvent(other, edit);
    t.commit();
  };

  m.w.mnuUndoImport_Click();
  ASSERT_EQ(m.services.reports.size(), 1u);
  EXPECT_TRUE(m.services.reports[0].text.contains("A.DAT): 130 prices go back"));
  ASSERT_FALSE(m.services.messages.empty());
  EXPECT_TRUE(m.services.messages.back().text.contains(
      "import 2 (B.DAT) is now the last import not undone. Nothing has been undone"))
      << m.services.messages.back().text.toStdString();
  EXPECT_EQ(storedPrices(database)[kExamplePart1], 3600.0) << "B's prices stay";

  m.w.mnuUndoImport_Click();
  ASSERT_EQ(m.services.reports.size(), 2u);
  EXPECT_TRUE(m.services.reports[1].text.contains("B.DAT): 1 prices go back"));
  EXPECT_TRUE(m.services.messages.back().text.contains(
      "a change of the prices was recorded after it was shown"));
  EXPECT_EQ(storedPrices(database)[kExamplePart1], 3600.0);

  // Nothing in the way: B is taken back, and only B.
  m.w.mnuUndoImport_Click();
  EXPECT_EQ(storedPrices(database)[kExamplePart1], 3500.0);
  EXPECT_EQ(storedPrices(database)[30], 77.0);
  EXPECT_EQ(m.state.PartPrice[kExamplePart1], 3500.0f);
  Database db = Database::open(database, kConnectString);
  const std::vector<PriceEvent> history = readPriceHistory(db);
  ASSERT_EQ(history.size(), 4u);  // A, B, the edit, and one undo
  EXPECT_EQ(history[0].undoes, 2);
}
