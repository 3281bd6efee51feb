// The model list and the numeric boxes on the real main window, driven by keys and the mouse:
// the keys reach the configurator, the window shows its texts, colours and focus.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "configurator/window_driver.h"
#include "output/ordering_list_view.h"
#include "prices/form2.h"

namespace {

// Opens the model list as a click on its arrow does.
void dropDown(WindowDriver& d) {
  d.w.ComboPXH->showPopup();
  d.settle();
  ASSERT_TRUE(d.w.ComboPXH->view()->isVisible());
}

}  // namespace

TEST(ModelList, EnterInTheDroppedDownListConfirmsTheModelAndMovesToTheLiftHeight) {
  WindowDriver d;
  ASSERT_TRUE(d.active);
  dropDown(d);
  d.enter();  // without moving: the first model
  EXPECT_FALSE(d.w.ComboPXH->view()->isVisible());
  EXPECT_EQ(d.engine().currentModel(), "PXH 250 EX");
  EXPECT_EQ(d.w.ComboPXH->currentText(), "PXH 250 EX");
  EXPECT_TRUE(d.w.LiftHeightB->isVisible());
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);
  EXPECT_TRUE(d.w.fraStainlessSteelChain->isVisible());
  EXPECT_FALSE(d.w.Printerutskrift->isVisible());  // the first reset hides the output buttons

  // The one Enter picked the model: what is typed next is the lift height.
  d.type("6");
  EXPECT_EQ(d.w.LiftHeightB->text(), "6");
  d.enter();
  EXPECT_TRUE(d.w.ControlLengthB->isVisible());
  EXPECT_EQ(d.focused(), d.w.ControlLengthB);
  EXPECT_EQ(d.engine().chainLength(), 7);  // int(6 + 0.5 - 0.01) + 1, one fall
  EXPECT_TRUE(d.services.messages.empty());
}

TEST(ModelList, CursorKeysInTheOpenListThenAMousePickStartAnew) {
  WindowDriver d;
  d.walkToTrolley("PXH 2500 EX", "4", "3");
  ASSERT_TRUE(d.w.Frame3DTrolley->isVisible());

  dropDown(d);
  d.press(Qt::Key_Down);
  QAbstractItemView* view = d.w.ComboPXH->view();
  const QModelIndex entry = view->model()->index(3, 0);  // the fourth of six
  ASSERT_EQ(entry.data().toString(), "PXH 1000 EX");
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                    view->visualRect(entry).center());
  d.settle();
  EXPECT_FALSE(view->isVisible());
  EXPECT_EQ(d.engine().currentModel(), "PXH 1000 EX");
  EXPECT_EQ(d.w.ComboPXH->currentText(), "PXH 1000 EX");
  // The pick cleared the later steps and asks for the lift height again.
  EXPECT_FALSE(d.w.Frame3DTrolley->isVisible());
  EXPECT_FALSE(d.w.ControlLengthB->isVisible());
  EXPECT_FALSE(d.w.Cmd_Skärmutskrift->isVisible());
  EXPECT_TRUE(d.w.LiftHeightB->isVisible());
  EXPECT_TRUE(d.w.LiftHeightB->text().isEmpty());
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);
  d.type("4");
  d.enter();
  EXPECT_EQ(d.engine().chainLength(), 9);  // int(2 x 4 + 0.5 - 0.01) + 1, two falls
}

TEST(ModelList, CursorKeysInTheClosedListResetNothing) {
  WindowDriver d;
  d.chooseModel("PXH 500 EX");
  d.type("4");
  d.click(d.w.ComboPXH->lineEdit());
  d.press(Qt::Key_Down);  // the next name, as a click that resets nothing
  EXPECT_EQ(d.w.ComboPXH->currentText(), "PXH 980 EX");
  EXPECT_EQ(d.engine().modelText(), "PXH 980 EX");
  EXPECT_EQ(d.w.LiftHeightB->text(), "4");
  EXPECT_TRUE(d.w.LiftHeightB->isVisible());
  d.press(Qt::Key_Up);
  EXPECT_EQ(d.w.ComboPXH->currentText(), "PXH 500 EX");
}

TEST(NumericInputs, TheBoxesFilterKeysAndShowTheirColours) {
  WindowDriver d;
  d.chooseModel("PXH 250 EX");
  d.type("2,5x");  // the comma becomes a period, the letter is swallowed
  EXPECT_EQ(d.w.LiftHeightB->text(), "2.5");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), kYellowBox);
  EXPECT_DOUBLE_EQ(d.engine().liftHeight(), 2.5);

  // Pasted text with an asterisk reads as 0, below the range.
  QGuiApplication::clipboard()->setText("3*");
  d.press(Qt::Key_A, Qt::ControlModifier);
  d.press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(d.w.LiftHeightB->text(), "0");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), kWhiteBox);

  // Above the model's maximum: red, then the message with the limit, the box cleared, and the
  // focus kept in the box.
  d.chooseModel("PXH 5000 EX");
  d.type("26");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), kRedBox);
  d.enter();
  EXPECT_EQ(d.lastMessage(), "Eng28: 25");
  EXPECT_TRUE(d.w.LiftHeightB->text().isEmpty());
  EXPECT_EQ(d.colour(d.w.LiftHeightB), kWhiteBox);
  EXPECT_FALSE(d.w.ControlLengthB->isVisible());
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);

  // A length with decimals in the control-length box: red until the box is left.
  d.type("4");
  d.enter();
  d.type("2.5");
  EXPECT_EQ(d.colour(d.w.ControlLengthB), kRedBox);
  d.click(d.w.LiftHeightB);  // leaving the box takes the whole metres
  EXPECT_EQ(d.w.ControlLengthB->text(), "2");
  EXPECT_EQ(d.engine().controlLength(), 2);
  EXPECT_EQ(d.colour(d.w.ControlLengthB), kYellowBox);

  // D or d in the closed model list asks for the discount and is no letter of the name; the
  // discount box takes digits only; 100 % is red and refused with a word, and keeps the focus.
  d.click(d.w.ComboPXH->lineEdit());
  const QString name = d.w.ComboPXH->currentText();
  d.press(Qt::Key_D);
  d.press(Qt::Key_D, Qt::ShiftModifier);
  EXPECT_EQ(d.w.ComboPXH->currentText(), name);
  EXPECT_TRUE(d.engine().discountAsked());
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.walkToOutput();
  ASSERT_TRUE(d.w.RabattB->isVisible());
  EXPECT_EQ(d.focused(), d.w.RabattB);
  d.type("100");
  EXPECT_EQ(d.colour(d.w.RabattB), kRedBox);
  d.services.messages.clear();
  d.enter();
  EXPECT_EQ(d.messages(), QStringList{"The discount is 0 to 99 %."});
  EXPECT_FALSE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.focused(), d.w.RabattB);
  d.press(Qt::Key_A, Qt::ControlModifier);
  d.type("1a5");
  EXPECT_EQ(d.w.RabattB->text(), "15");
  EXPECT_EQ(d.colour(d.w.RabattB), kYellowBox);
  EXPECT_EQ(d.engine().discount(), 15);
  d.enter();
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.focused(), d.w.Cmd_Skärmutskrift);
}

TEST(NumericInputs, TheTrolleyStepShowsTheBeamWidthsOfTheModel) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "4", "3");
  ASSERT_TRUE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.focused(), d.w.Opt3DTrolley[0]);
  EXPECT_EQ(d.w.Opt3DTrolley[1]->text(), "Eng122 50-160 mm");
  EXPECT_EQ(d.w.Opt3DTrolley[4]->text(), "Eng125 161-280 mm");
  for (int e = 1; e <= 4; ++e) EXPECT_TRUE(d.w.Opt3DTrolley[e]->isEnabled()) << e;

  // The 5000 takes the wide motor trolley only.
  d.walkToTrolley("PXH 5000 EX", "4", "3");
  EXPECT_EQ(d.w.Opt3DTrolley[3]->text(), "Eng124 ");
  for (int e = 1; e <= 3; ++e) EXPECT_FALSE(d.w.Opt3DTrolley[e]->isEnabled()) << e;
  EXPECT_TRUE(d.w.Opt3DTrolley[4]->isEnabled());
  d.press(Qt::Key_Down);  // the cursor keys skip the options not offered
  EXPECT_EQ(d.focused(), d.w.Opt3DTrolley[4]);
  EXPECT_TRUE(d.w.Opt3DTrolley[4]->isChecked());
}

TEST(NumericInputs, TheFeetPromptTakesAClick) {
  WindowDriver d("US Imperial");
  d.walkToTrolley("PXH 250 EX", "10", "10");
  // 10 ft is no whole number of metres: the prompt replaces the trolley step.
  EXPECT_TRUE(d.w.fraChoose->isVisible());
  EXPECT_TRUE(d.w.lblMeterLengthsOnly->isVisible());
  EXPECT_FALSE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.w.optChoose[0]->text(), "9.8 ft");
  EXPECT_EQ(d.w.optChoose[1]->text(), "13.1 ft");
  EXPECT_EQ(d.focused(), d.w.optChoose[0]);
  QTest::mouseClick(d.w.optChoose[1], Qt::LeftButton);
  d.settle();
  EXPECT_EQ(d.w.ControlLengthB->text(), "13.1");
  EXPECT_EQ(d.colour(d.w.ControlLengthB), kYellowBox);
  EXPECT_EQ(d.engine().controlLength(), 4);
  EXPECT_FALSE(d.w.fraChoose->isVisible());
  EXPECT_TRUE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.w.Opt3DTrolley[1]->text(), "Imp122 2-6.3 in");
  EXPECT_EQ(d.focused(), d.w.Opt3DTrolley[0]);
}

TEST(NumericInputs, AnOutputClickAfterTheControlLengthWasTypedAs0) {
  WindowDriver d("", true);
  d.walkToTrolley("PXH 500 EX", "4", "3");
  d.walkToOutput();
  ASSERT_TRUE(d.w.Cmd_Skärmutskrift->isVisible());

  d.click(d.w.ControlLengthB);
  d.press(Qt::Key_End);
  d.press(Qt::Key_Backspace);
  d.press(Qt::Key_Backspace);
  d.type("0");
  ASSERT_EQ(d.w.ControlLengthB->text(), "0");
  ASSERT_TRUE(d.w.Cmd_Skärmutskrift->isVisible());  // editing the length clears no later step
  d.click(d.w.Cmd_Skärmutskrift);

  // Leaving the box with a value below 1 made it 1 before the button acted.
  EXPECT_EQ(d.w.ControlLengthB->text(), "1");
  EXPECT_EQ(d.engine().controlLength(), 1);
  Form2& f2 = d.w.form2();
  ASSERT_TRUE(f2.isVisible());
  QStringList shown;
  for (const ScreenLine& l : f2.orderingList->lines()) shown << l.text;
  // Hoist 2760.00, chain 5 m at 36.90, pull chain 2 x 1 m at 8.90.
  EXPECT_TRUE(shown
                  .filter(QRegularExpression(
                      "^   2 m    7302 4430 05     17\\.8  Pull chain 5 mm, per m *$"))
                  .size() == 1)
      << shown.join('\n').toStdString();
  EXPECT_TRUE(shown.filter(QRegularExpression("^ Price +2962\\.3$")).size() == 1)
      << shown.join('\n').toStdString();
}
