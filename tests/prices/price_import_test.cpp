// Putting a price list into the parts database: the reset to 0, exact matching, the placeholder
// part, the single transaction that leaves everything as it was when a list fails, and an error
// past the commit.
#include "prices/price_import.h"

#include <gtest/gtest.h>

#include "data/database.h"
#include "data/parts_loader.h"
#include "prices/price_fixtures.h"
#include "prices/price_history.h"

TEST(PriceImport, PricesTheNamedPartsAndResetsTheOthersButThePlaceholder) {
  PriceProgramDirectory dir;
  const PriceImportSummary result = importPrices(
      dir.database(), parsePriceFile("\"7302 4410 01\",3500\n\"7302 4410 19\",45.5\n"));
  const auto prices = storedPrices(dir.database());
  ASSERT_EQ(prices.size(), 131u);
  // Every synthetic part had a price above 0.
  EXPECT_EQ(result.newPrice, 2);
  EXPECT_EQ(result.unchanged, 0);
  EXPECT_EQ(result.setToZero, 128);
  EXPECT_EQ(result.alreadyZero, 0);
  for (const auto& [part, price] : prices) {
    if (part == kExamplePart1)
      EXPECT_EQ(price, 3500.0);
    else if (part == kExamplePart2)
      EXPECT_EQ(price, 45.5);
    else if (part == kPlaceholderPart)
      EXPECT_EQ(price, syntheticPrice(0)) << "the placeholder keeps its price";
    else
      EXPECT_EQ(price, 0.0) << "part " << part;
  }
}

TEST(PriceImport, MatchesExactlyAndLetsTheLastRecordOfANumberWin) {
  PriceProgramDirectory dir;
  importPrices(dir.database(), parsePriceFile("7302441001,1\n"         // ten digits, regrouped
                                              "\"7302 4410 19 \",2\n"  // a blank too many
                                              "\"9999 9999 99\",3\n"   // no such part
                                              "\"8420 0250 00\",4\n"   // two parts share it
                                              "\"7302 0030 01\",5\n"
                                              "\"7302 0030 01\",6\n"
                                              "\"0000 0000 00\",7\n"));  // never the placeholder
  auto prices = storedPrices(dir.database());
  EXPECT_EQ(prices[kExamplePart1], 1.0);
  EXPECT_EQ(prices[kExamplePart2], 0.0);
  EXPECT_EQ(prices[kSharedPartA], 4.0);
  EXPECT_EQ(prices[kSharedPartB], 4.0);
  EXPECT_EQ(prices[30], 6.0);
  EXPECT_EQ(prices[kPlaceholderPart], syntheticPrice(0));

  // An empty list is a list in which every part costs 0.
  importPrices(dir.database(), {});
  prices = storedPrices(dir.database());
  for (const auto& [part, price] : prices)
    if (part != kPlaceholderPart) {
      EXPECT_EQ(price, 0.0);
    }
}

TEST(PriceImport, AFailingListChangesNothing) {
  PriceProgramDirectory dir;
  const auto before = storedPrices(dir.database());

  // A part named without a readable price, after others were matched.
  std::vector<PriceEntry> list = parsePriceFile("\"7302 4410 01\",3500\n");
  list.push_back({QStringLiteral("7302 4410 19"), std::nullopt, QStringLiteral("Row 9")});
  try {
    importPrices(dir.database(), list);
    ADD_FAILURE() << "imported";
  } catch (const PriceReadError& e) {
    EXPECT_EQ(e.problem().what, "Row 9: the price of 7302 4410 19 is missing or not a number.");
  }
  EXPECT_EQ(storedPrices(dir.database()), before);
  // An unreadable price on a number no part has does no harm.
  list.back().orderingNumber = QStringLiteral("Price");
  EXPECT_NO_THROW(importPrices(dir.database(), list));

  // The database refuses the record of part 60 halfway through the write-back.
  PriceProgramDirectory other;
  Database::open(other.database(), kConnectString)
      .execute(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON tblDetaljPr "
                              "WHEN NEW.lngNr = 60 BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
  EXPECT_THROW(importPrices(other.database(), parsePriceFile("\"7302 4410 01\",3500\n")),
               DatabaseError);
  EXPECT_EQ(storedPrices(other.database()), before);

  // A price out of range, in a list made other than by the readers, which refuse it themselves.
  const auto imported = storedPrices(dir.database());
  list = parsePriceFile("\"7302 4410 01\",3600\n");
  list.push_back({QStringLiteral("7302 4410 19"), -0.5, QStringLiteral("Row 9")});
  try {
    importPrices(dir.database(), list);
    ADD_FAILURE() << "imported";
  } catch (const PriceReadError& e) {
    EXPECT_EQ(e.problem().what, "Row 9: the price \"-0.5\" is not between 0 and 9999999.99.");
  }
  EXPECT_EQ(storedPrices(dir.database()), imported);
}

// An error the engine reports with the commit may come after the changes reached the file (a
// lock released with an I/O error) or before (a flush that failed, rolled back): the file says
// which, and the import, or the undo, succeeds or fails with it.
TEST(PriceImport, AnErrorWithTheCommitFailsOnlyWhenThePricesAreNotInTheFile) {
  const struct {
    FaultyFileSystem::Fault fault;
    bool written;
  } cases[] = {{FaultyFileSystem::Fault::UnlockAfterCommit, true},
               {FaultyFileSystem::Fault::Sync, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written ? "unlock" : "sync");
    PriceProgramDirectory dir;
    const auto before = storedPrices(dir.database());
    FaultyFileSystem files;
    files.arm(c.fault);
    const std::vector<PriceEntry> list = parsePriceFile("\"7302 4410 01\",3500\n");
    if (c.written) {
      EXPECT_EQ(importPrices(dir.database(), list).newPrice, 1);
    } else {
      EXPECT_THROW(importPrices(dir.database(), list), DatabaseError);
    }
    EXPECT_TRUE(files.struck());
    Database db = Database::open(dir.database(), kConnectString);
    EXPECT_EQ(readPriceHistory(db).size(), c.written ? 1u : 0u);
    EXPECT_EQ(storedPrices(dir.database())[kExamplePart1],
              c.written ? 3500.0 : syntheticPrice(kExamplePart1));
    if (!c.written) {
      EXPECT_EQ(storedPrices(dir.database()), before);
      continue;
    }

    files.arm(c.fault);
    const std::optional<PriceUndoSummary> undo = undoLastImport(dir.database());
    EXPECT_TRUE(files.struck());
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->changes.size(), 130u);
    EXPECT_EQ(storedPrices(dir.database()), before);
    EXPECT_EQ(readPriceHistory(db).size(), 2u);
  }
}
