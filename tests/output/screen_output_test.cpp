// The ordering list and the sheets on the screen.
#include <gtest/gtest.h>

#include <QTableView>

#include "configurator/window_driver.h"
#include "list_window/form3.h"
#include "list_window/ordering_list_view.h"
#include "price_window/form2.h"
#include "screen/screen_list.h"

TEST(ScreenList, ShrinksEmptyRunsAndKeepsTheEndsBold) {
  const QStringList lines{"Heading", "", "hoist", "marking", "", "", "_____", "Total"};
  const std::vector<ScreenLine> shown = screenListLines(lines);
  QStringList texts;
  for (const ScreenLine& l : shown) texts << l.text;
  EXPECT_EQ(texts.join('|'), "Heading||hoist|marking|_____|Total");
  EXPECT_TRUE(shown.front().bold);
  EXPECT_TRUE(shown.back().bold);
  EXPECT_FALSE(shown[2].bold);
  EXPECT_TRUE(screenListLines(QStringList()).empty());
}

TEST(ScreenOutput, ShowsTheListAndTheSheetsOnce) {
  WindowDriver d("", true);
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.walkToOutput(3);
  ASSERT_TRUE(d.w.Cmd_Skärmutskrift->isVisible());

  d.w.Cmd_Skärmutskrift_Click();
  Form2& f2 = d.w.form2();
  Form3& f3 = d.w.form3();
  EXPECT_TRUE(f2.isVisible());
  EXPECT_EQ(f2.windowTitle(), d.state.TextCatalogue[Text::OrderingListTitle]);
  EXPECT_FALSE(f2.ssdbgridChangePrices->isVisible());
  EXPECT_FALSE(f2.fraSortOrder->isVisible());
  const std::vector<ScreenLine> first = f2.orderingList->lines();
  ASSERT_GE(first.size(), 8u);
  EXPECT_EQ(first.front().text,
            " " + d.state.TextCatalogue[Text::OrderingListHeading]);  // one blank of indent
  EXPECT_TRUE(first.back().text.contains(d.state.TextCatalogue[Text::Price]));
  EXPECT_EQ(d.state.OutputTarget, "F2");

  EXPECT_TRUE(f3.isVisible());
  EXPECT_FALSE(f3.sketch().isNull());
  const QImage once = f3.writing();
  d.w.Cmd_Skärmutskrift_Click();  // a second click shows the same content once
  EXPECT_EQ(f2.orderingList->lines().size(), first.size());
  EXPECT_EQ(f3.writing(), once);
  EXPECT_NE(once, QImage(once.size(), once.format()));  // something was written

  d.w.Form_Activate();
  EXPECT_FALSE(f2.isVisible());
  EXPECT_FALSE(f3.isVisible());
}
