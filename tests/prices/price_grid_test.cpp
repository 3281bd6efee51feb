// The price list window: the query per variant, the rows and their order, the price column, and
// price edits that reach the database and the next ordering list.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include "configurator/ordering_list.h"
#include "data/database.h"
#include "data/parts_loader.h"
#include "list_window/ordering_list_view.h"
#include "price_window/form2.h"
#include "price_window/price_grid_model.h"
#include "prices/price_fixtures.h"
#include "prices/price_history.h"
#include "startup/program_state.h"
#include "support/recording_services.h"
#include "widgets/services.h"

namespace {

// Part 5 has no English description, part 6 "?", part 7 one starting with "?", part 8 none at
// all; part 9 comes first in the alphabet.
struct Grid {
  explicit Grid(const QString& key = "") {
    Database::open(dir.database(), kConnectString)
        .execute(QStringLiteral(
            "UPDATE tblDetaljPr SET strEngelska = '' WHERE lngNr = 5;"
            "UPDATE tblDetaljPr SET strEngelska = '?' WHERE lngNr = 6;"
            "UPDATE tblDetaljPr SET strEngelska = '?Old hook' WHERE lngNr = 7;"
            "UPDATE tblDetaljPr SET strEngelska = NULL WHERE lngNr = 8;"
            "UPDATE tblDetaljPr SET strEngelska = 'Aardvark hook' WHERE lngNr = 9;"));
    state.LanguageKey = key;
    state.Directory = dir.directory();
    loadPartsDatabase(state.Directory.database(), key, state);
  }
  std::vector<qint64> records(const PriceGridModel& m) const {
    std::vector<qint64> out;
    for (int r = 0; r < m.rowCount(); ++r) out.push_back(m.recordAt(r));
    return out;
  }
  int rowOf(const PriceGridModel& m, qint64 record) const {
    for (int r = 0; r < m.rowCount(); ++r)
      if (m.recordAt(r) == record) return r;
    return -1;
  }

  PriceProgramDirectory dir;
  ProgramState state;
};

}  // namespace

TEST(PriceGrid, ListsThePartsWithADescriptionInEitherOrder) {
  Grid g;
  PriceGridModel byNumber(g.state, PriceOrder::ByOrderingNumber);
  const std::vector<qint64> numbered = g.records(byNumber);
  ASSERT_EQ(numbered.size(), 127u);
  for (qint64 hidden : {5, 6, 7, 8})
    EXPECT_EQ(std::count(numbered.begin(), numbered.end(), hidden), 0) << hidden;
  for (int r = 1; r < byNumber.rowCount(); ++r)
    EXPECT_LE(byNumber.index(r - 1, 0).data().toString(), byNumber.index(r, 0).data().toString());
  EXPECT_EQ(byNumber.index(byNumber.rowCount() - 1, 0).data(), "8420 0250 00");

  PriceGridModel byDescription(g.state, PriceOrder::ByDescription);
  EXPECT_EQ(byDescription.index(0, 2).data(), "Aardvark hook");
  for (int r = 1; r < byDescription.rowCount(); ++r)
    EXPECT_LE(byDescription.index(r - 1, 2).data().toString(),
              byDescription.index(r, 2).data().toString());

  // The German descriptions of the same parts are filled, so all parts are listed.
  Grid german("Tysk");
  EXPECT_EQ(PriceGridModel(german.state, PriceOrder::ByOrderingNumber).rowCount(), 131);
}

// The descriptions of the variant in its language's order, whatever their case and accents
// (French here: the case pair, É and E, é before E); the same description twice goes by
// ordering number (part k has "7302 0kkk 01").
TEST(PriceGrid, ByDescriptionFollowsTheRulesOfTheLanguage) {
  const std::vector<std::pair<int, QString>> descriptions{{30, "Palan à chaîne 1000 kg"},
                                                          {31, "chaîne de charge"},
                                                          {32, "Chaîne de charge"},
                                                          {33, "Étrier"},
                                                          {34, "Etrier"},
                                                          {35, "Zinguée"},
                                                          {36, "Crochet"},
                                                          {37, "PXH 1000 palan"},
                                                          {38, "élingue"},
                                                          {39, "Poulie"}};
  Grid g("Fransk");
  {
    Database db = Database::open(g.dir.database(), kConnectString);
    db.execute(QStringLiteral("UPDATE tblDetaljPr SET strFranska = '';"));
    for (const auto& [part, description] : descriptions)
      db.prepare(QStringLiteral("UPDATE tblDetaljPr SET strFranska = ?1 WHERE lngNr = ?2;"))
          .bind(1, description)
          .bind(2, static_cast<qint64>(part))
          .run();
  }
  // chaîne de charge, Chaîne de charge, Crochet, élingue, Etrier, Étrier,
  // Palan à chaîne 1000 kg, Poulie, PXH 1000 palan, Zinguée
  EXPECT_EQ(g.records(PriceGridModel(g.state, PriceOrder::ByDescription)),
            (std::vector<qint64>{31, 32, 36, 38, 34, 33, 30, 39, 37, 35}));
  // By ordering number the order stays that of the numbers.
  EXPECT_EQ(g.records(PriceGridModel(g.state, PriceOrder::ByOrderingNumber)),
            (std::vector<qint64>{30, 31, 32, 33, 34, 35, 36, 37, 38, 39}));
}

TEST(PriceGrid, ShowsThePriceColumnAsTheOneEditableYellowColumn) {
  Grid g;
  PriceGridModel m(g.state, PriceOrder::ByOrderingNumber);
  const int row = g.rowOf(m, 30);
  EXPECT_EQ(m.index(row, 0).data(), "7302 0030 01");
  EXPECT_EQ(m.index(row, 1).data(), "300.50");
  EXPECT_EQ(m.index(row, 2).data(), "Eng part 30");
  EXPECT_EQ(m.headerData(0, Qt::Horizontal), "Eng67");
  EXPECT_EQ(m.headerData(1, Qt::Horizontal), "Eng62");
  EXPECT_EQ(m.headerData(2, Qt::Horizontal), "Eng68");
  EXPECT_EQ(m.index(row, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));
  EXPECT_FALSE(m.index(row, 0).data(Qt::BackgroundRole).isValid());
  EXPECT_TRUE(m.flags(m.index(row, 1)) & Qt::ItemIsEditable);
  EXPECT_FALSE(m.flags(m.index(row, 0)) & Qt::ItemIsEditable);
  EXPECT_FALSE(m.flags(m.index(row, 2)) & Qt::ItemIsEditable);
  EXPECT_FALSE(m.setData(m.index(row, 2), "Renamed"));
}

TEST(PriceGrid, AStoredEditReachesTheDatabaseAndTheNextOrderingList) {
  Grid g;
  ConfiguredHoist hoistOnly;
  hoistOnly.hoistColumn = hoistOnly.modelIndex = 1;
  const int hoist = *g.state.PartMatrix(1, 1);
  PriceGridModel m(g.state, PriceOrder::ByDescription);
  QSignalSpy refused(&m, &PriceGridModel::editRefused);
  const QModelIndex price = m.index(g.rowOf(m, hoist), 1);

  const OrderingList before = BuildOrderingList(g.state, hoistOnly);
  ASSERT_FALSE(before.parts().empty());
  EXPECT_EQ(before.parts()[0]->amount, syntheticPrice(hoist));

  ASSERT_TRUE(m.setData(price, " 1234.5 "));
  EXPECT_EQ(price.data(), "1234.50");
  EXPECT_EQ(storedPrices(g.dir.database())[hoist], 1234.5);
  const OrderingList after = BuildOrderingList(g.state, hoistOnly);
  EXPECT_EQ(after.parts()[0]->amount, 1234.5f);
  EXPECT_EQ(after.total, 1234.5f);

  // Text that is no price, or a price below 0 or above 9 999 999.99, is refused and said so
  // naming the part; nothing changes.
  for (const char* typed : {"abc", "", "12,5", "-5", "1e9", "9999999.991"})
    EXPECT_FALSE(m.setData(price, typed));
  ASSERT_EQ(refused.count(), 6);
  const QString number = price.siblingAtColumn(0).data().toString();
  EXPECT_EQ(
      refused[2][0],
      QStringLiteral("\"12,5\" is not a price; the price of %1 stays as it was.").arg(number));
  EXPECT_EQ(
      refused[3][0],
      QStringLiteral("\"-5\" is not between 0 and 9999999.99; the price of %1 stays as it was.")
          .arg(number));
  EXPECT_EQ(price.data(), "1234.50");
  EXPECT_EQ(*g.state.PartPrice[hoist], 1234.5f);
  EXPECT_EQ(storedPrices(g.dir.database())[hoist], 1234.5);

  // More decimals than the column shows are kept; the price as shown, committed unchanged, is
  // no edit and leaves them.
  ASSERT_TRUE(m.setData(price, "9999999.99"));
  ASSERT_TRUE(m.setData(price, "12.345"));
  EXPECT_EQ(price.data(), "12.35");
  ASSERT_TRUE(m.setData(price, "12.35"));
  EXPECT_EQ(storedPrices(g.dir.database())[hoist], 12.345);
  Database db = Database::open(g.dir.database(), kConnectString);
  EXPECT_EQ(readPriceHistory(db).size(), 3u);
}

TEST(PriceGrid, TheWindowShowsTheGridAndLeadsBackToTheMainWindow) {
  Grid g;
  g.state.TextCatalogue[Text::MenuPricesInGrid] = QStringLiteral("&Change prices && more");
  RecordingServices services;
  QMainWindow main;
  Form2 form;
  form.attach(g.state, services, &main);
  EXPECT_EQ(form.windowTitle(), "Eng111");
  EXPECT_EQ(form.cmdToMainMenu->text(), "Eng109");
  EXPECT_EQ(form.cmdExcelFile->text(), "Eng119");

  form.LoadPriceGrid();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.windowTitle(), "Change prices & more");
  EXPECT_TRUE(form.fraSortOrder->isVisible());
  EXPECT_TRUE(form.ssdbgridChangePrices->isVisible());
  EXPECT_FALSE(form.orderingList->isVisible());
  EXPECT_EQ(form.fraSortOrder->title(), "Eng81");
  EXPECT_EQ(form.optSortOrder[0]->text(), "Eng67");
  EXPECT_EQ(form.optSortOrder[1]->text(), "Eng68");
  const QHeaderView* header = form.ssdbgridChangePrices->horizontalHeader();
  EXPECT_EQ(header->sectionSize(0), 93);
  EXPECT_EQ(header->sectionSize(1), 67);
  EXPECT_EQ(header->sectionSize(2), 413);
  EXPECT_EQ(form.priceGrid()->index(0, 2).data(), "Eng part 0");
  // Rows as high as a line of the font, with little room around it.
  const int line = form.ssdbgridChangePrices->fontMetrics().height();
  EXPECT_GE(form.ssdbgridChangePrices->rowHeight(0), line);
  EXPECT_LE(form.ssdbgridChangePrices->rowHeight(0), line + 6);

  QTest::mouseClick(form.optSortOrder[1], Qt::LeftButton);
  EXPECT_EQ(form.ssdbgridChangePrices->model()->index(0, 2).data(), "Aardvark hook");

  QTest::keyClick(&form, Qt::Key_Return);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(main.isVisible());

  // A database that cannot be read is reported; the grid stays as it was.
  QTemporaryDir empty;
  g.state.Directory = ProgramDirectory(empty.path());
  form.LoadPriceGrid();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.contains(empty.path()))
      << services.messages[0].text.toStdString();
  EXPECT_EQ(form.ssdbgridChangePrices->model()->index(0, 2).data(), "Aardvark hook");
  EXPECT_FALSE(form.isVisible());
}

// Another program changes prices while the list is open (a second connection here): an edit
// compares with the stored price, not the one shown, stores nothing when they differ and shows
// the stored prices; the history's old price is the stored one.
TEST(PriceGrid, AnEditMeetsThePricesAnotherProgramStored) {
  Grid g;
  PriceGridModel m(g.state, PriceOrder::ByOrderingNumber);
  QSignalSpy refused(&m, &PriceGridModel::editRefused);
  const QModelIndex price30 = m.index(g.rowOf(m, 30), 1), price40 = m.index(g.rowOf(m, 40), 1);
  Database other = Database::open(g.dir.database(), kConnectString);
  other.execute("UPDATE tblDetaljPr SET sngPris = 333 WHERE lngNr IN (30, 40);");
  EXPECT_EQ(price30.data(), "300.50");

  EXPECT_FALSE(m.setData(price30, "310"));
  ASSERT_EQ(refused.count(), 1);
  EXPECT_EQ(refused[0][0],
            "Another program has changed the price of 7302 0030 01 from 300.50 to "
            "333.00 since the list showed it: nothing has been stored. The list "
            "now shows the stored prices.");
  EXPECT_EQ(price30.data(), "333.00");
  EXPECT_EQ(price40.data(), "333.00");
  EXPECT_EQ(storedPrices(g.dir.database())[30], 333.0);

  // The price shown, confirmed as it is, is checked too: the other program's price stays.
  other.execute("UPDATE tblDetaljPr SET sngPris = 444 WHERE lngNr = 40;");
  EXPECT_FALSE(m.setData(price40, "333.00"));
  EXPECT_EQ(refused.count(), 2);
  EXPECT_EQ(storedPrices(g.dir.database())[40], 444.0);
  EXPECT_EQ(price40.data(), "444.00");

  // The list notices another program's change before an edit, and only such a change.
  other.execute("UPDATE tblDetaljPr SET sngPris = 555 WHERE lngNr = 30;");
  EXPECT_TRUE(m.refreshIfChanged());
  EXPECT_EQ(price30.data(), "555.00");
  EXPECT_FALSE(m.refreshIfChanged());
  ASSERT_TRUE(m.setData(price30, "600"));
  EXPECT_FALSE(m.refreshIfChanged()) << "its own edit is no other program's";
  EXPECT_EQ(refused.count(), 2);
  Database db = Database::open(g.dir.database(), kConnectString);
  const std::vector<PriceEvent> history = readPriceHistory(db);
  ASSERT_EQ(history.size(), 1u);
  ASSERT_EQ(history[0].changes.size(), 1u);
  EXPECT_EQ(history[0].changes[0].oldPrice, 555.0);
  EXPECT_EQ(history[0].changes[0].newPrice, 600.0);
}

// The search box narrows the rows to the ordering numbers and descriptions that hold its text,
// whatever the case; edits, the stored-price check and another program's changes go through it
// to the part found.
TEST(PriceGrid, TheSearchNarrowsTheRowsAndEditsReachThePartFound) {
  Grid g;
  RecordingServices services;
  Form2 form;
  form.attach(g.state, services, nullptr);
  form.LoadPriceGrid();
  const QAbstractItemModel* shown = form.ssdbgridChangePrices->model();
  ASSERT_EQ(shown->rowCount(), 127);

  QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(form.focusWidget(), form.txtSearch);
  QTest::keyClicks(form.txtSearch, "aardVARK");
  ASSERT_EQ(shown->rowCount(), 1);
  EXPECT_EQ(shown->index(0, 2).data(), "Aardvark hook");
  QTest::keyClick(form.txtSearch, Qt::Key_Escape);
  EXPECT_TRUE(form.txtSearch->text().isEmpty());
  EXPECT_EQ(shown->rowCount(), 127);
  EXPECT_TRUE(form.isVisible()) << "Escape only empties the search";

  // An ordering number with its blanks or without.
  for (const char* typed : {"0030 01", "73020030"}) {
    form.txtSearch->setText(typed);
    ASSERT_EQ(shown->rowCount(), 1) << typed;
    EXPECT_EQ(shown->index(0, 0).data(), "7302 0030 01") << typed;
  }
  // "Eng part 3" and "Eng part 30" to "Eng part 39"; the other order keeps the search.
  form.txtSearch->setText("ENG PART 3");
  EXPECT_EQ(shown->rowCount(), 11);
  QTest::mouseClick(form.optSortOrder[1], Qt::LeftButton);
  EXPECT_EQ(form.txtSearch->text(), "ENG PART 3");
  ASSERT_EQ(shown->rowCount(), 11);
  EXPECT_EQ(shown->index(0, 2).data(), "Eng part 3");
  EXPECT_EQ(shown->index(10, 2).data(), "Eng part 39");

  // The one row found is part 35's, and so is the price stored.
  form.txtSearch->setText("part 35");
  ASSERT_EQ(shown->rowCount(), 1);
  ASSERT_TRUE(form.ssdbgridChangePrices->model()->setData(shown->index(0, 1), "77"));
  auto stored = storedPrices(g.dir.database());
  EXPECT_EQ(stored[35], 77.0);
  EXPECT_EQ(stored[3], syntheticPrice(3));
  EXPECT_EQ(stored[0], syntheticPrice(0));
  EXPECT_EQ(*g.state.PartPrice[35], 77.0f);

  // Another program's price is the one the edit is checked against.
  Database other = Database::open(g.dir.database(), kConnectString);
  other.execute("UPDATE tblDetaljPr SET sngPris = 88 WHERE lngNr = 35;");
  EXPECT_FALSE(form.ssdbgridChangePrices->model()->setData(shown->index(0, 1), "90"));
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_TRUE(services.messages[0].text.startsWith(
      "Another program has changed the price of 7302 0035 01 from 77.00 to 88.00"))
      << services.messages[0].text.toStdString();
  EXPECT_EQ(services.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(shown->index(0, 1).data(), "88.00");
  EXPECT_EQ(storedPrices(g.dir.database())[35], 88.0);

  // A description changed elsewhere leaves the search once the rows are read again.
  other.execute("UPDATE tblDetaljPr SET strEngelska = 'Hook' WHERE lngNr = 35;");
  EXPECT_TRUE(form.priceGrid()->refreshIfChanged());
  EXPECT_EQ(shown->rowCount(), 0);

  // An editor opening through the search starts from the price stored meanwhile.
  form.txtSearch->setText("part 36");
  ASSERT_EQ(shown->rowCount(), 1);
  other.execute("UPDATE tblDetaljPr SET sngPris = 99 WHERE lngNr = 36;");
  form.ssdbgridChangePrices->edit(shown->index(0, 1));
  EXPECT_EQ(shown->index(0, 1).data(), "99.00");
  EXPECT_EQ(shown->index(0, 0).data(), "7302 0036 01");
}
