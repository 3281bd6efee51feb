// What an import will do before it writes, the price history, and the undo of an import, on a
// database from before the history (the test databases have no history table).
#include "prices/price_history.h"

#include <gtest/gtest.h>

#include <QFile>

#include "data/database.h"
#include "data/parts_loader.h"
#include "price_window/price_grid_model.h"
#include "prices/price_fixtures.h"
#include "prices/price_import.h"
#include "startup/program_state.h"

namespace {

QByteArray bytesOf(const QString& file) {
  QFile f(file);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

PriceImportSummary import(const QString& database, const QByteArray& list, const char* source,
                          bool dryRun = false) {
  return importPrices(database, parsePriceFile(list), {source, dryRun, "2026-12-07 10:00:00"});
}

// Parts 11 and 30 of the synthetic parts; part k had the price k * 10 + 0.5 at the start.
constexpr int kPart30 = 30;  // "7302 0030 01"
constexpr int kPart40 = 40;  // "7302 0040 01"

}  // namespace

TEST(PriceHistory, ADryRunSaysWhatAnImportWillDoAndWritesNothing) {
  PriceProgramDirectory dir;
  const QByteArray before = bytesOf(dir.database());
  const QByteArray list = "\"7302 4410 01\",3500\n\"7302 0030 01\",300.5\n\"7302 0040 01\",0\n";
  const PriceImportSummary dry = import(dir.database(), list, "A.DAT", true);
  EXPECT_EQ(bytesOf(dir.database()), before) << "the database's bytes are as they were";
  {
    Database db = Database::open(dir.database(), kConnectString);
    EXPECT_FALSE(hasPriceHistory(db)) << "a dry run makes no history table";
  }

  // 130 parts besides the placeholder: 11 gets a new price, 30 keeps 300.5, 40 goes from 400.5
  // to 0 although it is named; the 127 others are set to 0.
  EXPECT_EQ(dry.newPrice, 2);
  EXPECT_EQ(dry.unchanged, 1);
  EXPECT_EQ(dry.setToZero, 127);
  EXPECT_EQ(dry.alreadyZero, 0);
  ASSERT_EQ(dry.changes.size(), 129u);
  // Those set to 0 first, by ordering number: part 1 ("7302 0001 01") leads them.
  EXPECT_EQ(dry.changes.front().orderingNumber, "7302 0001 01");
  EXPECT_EQ(dry.changes.front().newPrice, 0.0);
  // Then the new prices, by ordering number: part 40 before part 11 ("7302 4410 01").
  EXPECT_EQ(dry.changes[127].part, kPart40);
  EXPECT_EQ(dry.changes[128].part, kExamplePart1);
  EXPECT_EQ(dry.changes[128].oldPrice, 110.5);
  EXPECT_EQ(dry.changes[128].newPrice, 3500.0);
  const QString report = priceImportReport(dry);
  EXPECT_TRUE(report.startsWith("New price:  2\nUnchanged:  1\nSet to 0:   127\nAlready 0:  0\n"))
      << report.toStdString();
  EXPECT_TRUE(report.contains("  7302 4410 01        110.50  ->     3500.00\n"));

  // The import itself does what the dry run said, and a second one with the same list changes
  // nothing: every named part keeps its price and the others are 0 already.
  EXPECT_EQ(import(dir.database(), list, "A.DAT").setToZero, 127);
  const PriceImportSummary again = import(dir.database(), list, "A.DAT");
  EXPECT_EQ(again.newPrice, 0);
  EXPECT_EQ(again.unchanged, 3);
  EXPECT_EQ(again.setToZero, 0);
  EXPECT_EQ(again.alreadyZero, 127);
  EXPECT_TRUE(again.changes.empty());
}

TEST(PriceHistory, EachUndoGivesBackThePricesOfTheStateBeforeItsImport) {
  PriceProgramDirectory dir;
  // Prices with decimals that single precision does not hold (part k at k + 0.6): the imports
  // store and the undos put back the very doubles, not their nearest floats.
  Database::open(dir.database(), kConnectString)
      .execute(QStringLiteral("UPDATE tblDetaljPr SET sngPris = lngNr + 0.6;"));
  const auto start = storedPrices(dir.database());
  EXPECT_EQ(start.at(kPart30), 30.6);
  {
    Database db = Database::open(dir.database(), kConnectString);
    EXPECT_FALSE(undoLastImport(db)) << "nothing to undo yet";
  }

  import(dir.database(), "\"7302 4410 01\",3500\n\"7302 0030 01\",31.6\n", "A.DAT");
  const auto afterA = storedPrices(dir.database());
  EXPECT_EQ(afterA.at(kPart30), 31.6);
  import(dir.database(), "\"7302 4410 01\",3600\n\"7302 0030 01\",36.9\n", "B.XLSX");
  EXPECT_EQ(storedPrices(dir.database())[kExamplePart1], 3600.0);
  EXPECT_EQ(storedPrices(dir.database())[kPart30], 36.9);

  const std::optional<PriceUndoSummary> undoB = undoLastImport(dir.database());
  ASSERT_TRUE(undoB);
  EXPECT_EQ(undoB->import.source, "B.XLSX");
  ASSERT_EQ(undoB->changes.size(), 2u);  // B changed parts 11 and 30 only
  EXPECT_TRUE(undoB->kept.empty());
  EXPECT_EQ(storedPrices(dir.database()), afterA);

  const std::optional<PriceUndoSummary> undoA = undoLastImport(dir.database());
  ASSERT_TRUE(undoA);
  EXPECT_EQ(undoA->import.source, "A.DAT");
  EXPECT_EQ(undoA->changes.size(), 130u);
  EXPECT_EQ(storedPrices(dir.database()), start) << "every price as before the first import";
  EXPECT_FALSE(undoLastImport(dir.database())) << "both imports are undone";

  // The history, newest first: the two undos, then the two imports.
  Database db = Database::open(dir.database(), kConnectString);
  const std::vector<PriceEvent> history = readPriceHistory(db);
  ASSERT_EQ(history.size(), 4u);
  EXPECT_EQ(history[0].kind, PriceEventKind::Undo);
  EXPECT_EQ(history[0].undoes, history[3].id);
  EXPECT_EQ(history[1].undoes, history[2].id);
  EXPECT_EQ(history[3].source, "A.DAT");
  const QString report = priceHistoryReport(history);
  EXPECT_TRUE(
      report.contains("2026-12-07 10:00:00  2. Import of B.XLSX: 2 prices changed\n"
                      "    7302 0030 01         31.60  ->       36.90\n"
                      "    7302 4410 01       3500.00  ->     3600.00\n"))
      << report.toStdString();
}

TEST(PriceHistory, APriceEditedInTheListAfterAnImportSurvivesItsUndo) {
  PriceProgramDirectory dir;
  import(dir.database(), "\"7302 4410 01\",3500\n\"7302 0030 01\",30\n", "A.DAT");

  ProgramState state;
  state.Directory = dir.directory();
  {
    PriceGridModel grid(state, PriceOrder::ByOrderingNumber);
    int row = 0;
    while (row < grid.rowCount() && grid.index(row, 0).data() != "7302 4410 01") ++row;
    ASSERT_LT(row, grid.rowCount());
    ASSERT_TRUE(grid.setData(grid.index(row, 1), "4000"));
  }

  {
    Database db = Database::open(dir.database(), kConnectString);
    const std::vector<PriceEvent> history = readPriceHistory(db);
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].kind, PriceEventKind::Edit);
    EXPECT_EQ(history[0].source, kPriceListWindowSource);
    ASSERT_EQ(history[0].changes.size(), 1u);
    EXPECT_EQ(history[0].changes[0].oldPrice, 3500.0);
    EXPECT_EQ(history[0].changes[0].newPrice, 4000.0);
  }

  const std::optional<PriceUndoSummary> undo = undoLastImport(dir.database());
  ASSERT_TRUE(undo);
  ASSERT_EQ(undo->kept.size(), 1u);
  EXPECT_EQ(undo->kept[0].part, kExamplePart1);
  EXPECT_TRUE(priceUndoReport(*undo).contains("keep their price"));
  const auto prices = storedPrices(dir.database());
  EXPECT_EQ(prices.at(kExamplePart1), 4000.0) << "the edited price stays";
  EXPECT_EQ(prices.at(kPart30), syntheticPrice(kPart30)) << "the others go back";
  EXPECT_EQ(prices.at(kPart40), syntheticPrice(kPart40));
}

// A history table the program did not write is neither read, nor recorded into, nor undone
// from: the import, the undo and the history are refused naming the table and the option that
// sets it aside, and no price changes. Set aside, the next import starts a new history.
TEST(PriceHistory, AHistoryTableNotTheProgramsOwnIsRefusedUntilSetAside) {
  const struct {
    const char* what;
    bool programsTable;  // the program's own table, with the rows below put in
    const char* sql;
  } cases[] = {
      {"the largest event number", true,
       "INSERT INTO tblPriceHistory (lngEvent, strWhen, strKind, strSource)"
       " VALUES (9223372036854775807, '2020-01-01 00:00:00', 'import', 'FOREIGN');"},
      {"a text event number", true,
       "INSERT INTO tblPriceHistory (lngEvent, strWhen, strKind, strSource)"
       " VALUES ('x', '2020-01-01 00:00:00', 'import', 'FOREIGN');"},
      {"other columns", false, "CREATE TABLE tblPriceHistory (lngEvent INTEGER, strNote TEXT);"},
      {"a view", false, "CREATE VIEW tblPriceHistory AS SELECT 1 AS lngEvent;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PriceProgramDirectory dir;
    {
      Database db = Database::open(dir.database(), kConnectString);
      if (c.programsTable) createPriceHistoryTable(db);
      db.execute(c.sql);
    }
    const auto before = storedPrices(dir.database());
    const QByteArray list = "\"7302 4410 01\",3500\n";
    for (int command = 0; command < 4; ++command) {
      try {
        Database db = Database::open(dir.database(), kConnectString);
        if (command == 0) import(dir.database(), list, "A.DAT");
        if (command == 1) import(dir.database(), list, "A.DAT", true);
        if (command == 2) undoLastImport(db);
        if (command == 3) readPriceHistory(db);
        ADD_FAILURE() << "command " << command << " trusted the table";
      } catch (const Failure& e) {
        EXPECT_EQ(e.problem().kind, Problem::Kind::Database);
        EXPECT_TRUE(
            e.problem().what.startsWith("The table tblPriceHistory is not the program's "
                                        "price history: "))
            << e.problem().what.toStdString();
        EXPECT_TRUE(e.problem().what.contains("\"telmaris --set-aside-price-history\""));
      }
    }
    EXPECT_EQ(storedPrices(dir.database()), before);

    Database db = Database::open(dir.database(), kConnectString);
    EXPECT_EQ(setAsidePriceHistory(db, QDateTime(QDate(2026, 12, 7), QTime(10, 0, 5))),
              "tblPriceHistory_set_aside_20261207_100005");
    EXPECT_EQ(import(dir.database(), list, "A.DAT").newPrice, 1);
    const std::vector<PriceEvent> history = readPriceHistory(db);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].id, 1);
    EXPECT_EQ(undoLastImport(db)->import.source, "A.DAT");
    EXPECT_EQ(storedPrices(dir.database()), before);
    // What was set aside is kept under its new name.
    Statement kept = db.prepare(
        "SELECT COUNT(*) FROM sqlite_master WHERE name = "
        "'tblPriceHistory_set_aside_20261207_100005'");
    ASSERT_TRUE(kept.next());
    EXPECT_EQ(kept.integer(0), 1);
  }
}

// The history names each part by its description in the variant's language, cut to the room of
// the line and with its control characters escaped; a part without one (none, "?", or no longer
// in the parts table) shows only its number.
TEST(PriceHistory, TheReportNamesEachPartByItsDescription) {
  PriceProgramDirectory dir;
  Database db = Database::open(dir.database(), kConnectString);
  db.execute(
      "UPDATE tblDetaljPr SET strTyska = 'Kettenzug mit Handkette und Lasthaken, verzinkt'"
      " WHERE lngNr = 30;"
      "UPDATE tblDetaljPr SET strTyska = 'Öse' || char(27) || '[31m' WHERE lngNr = 40;"
      "UPDATE tblDetaljPr SET strTyska = '?' WHERE lngNr = 11;");
  const QHash<qint64, QString> german = readPartDescriptions(db, "Tysk");
  EXPECT_EQ(german.value(31), "Tys part 31");
  EXPECT_FALSE(german.contains(11));
  EXPECT_TRUE(readPartDescriptions(db, "Klingon").isEmpty());

  const PriceEvent edit{3,
                        "2026-12-08 09:00:00",
                        PriceEventKind::Edit,
                        kPriceListWindowSource,
                        std::nullopt,
                        {{30, "7302 0030 01", 300.5, 310.0},
                         {40, "7302 0040 01", 400.5, std::nullopt},
                         {11, "7302 4410 01", 110.5, 3.0},
                         {999, "7302 0999 01", 1.0, 2.0}}};
  EXPECT_EQ(priceHistoryReport({edit}, german).toStdString(),
            "2026-12-08 09:00:00  3. Edited in the price list window: 4 prices changed\n"
            "    7302 0030 01        300.50  ->      310.00  Kettenzug mit Handkette und L…\n"
            "    7302 0040 01        400.50  ->        none  Öse\\x1b[31m\n"
            "    7302 4410 01        110.50  ->        3.00\n"
            "    7302 0999 01          1.00  ->        2.00\n");
}
