// The model list and the numeric boxes on the real main window, driven by keys and the mouse:
// the keys reach the configurator, the window shows its texts, colours and focus. (The walks
// of tests/walks drive the dropped-down list, the mouse pick and the leave rule before an
// output on a real desktop.)
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "configurator/window_driver.h"

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
  // discount box takes digits only; 100 % is red and refused with a word, and keeps the focus
  // with its text selected, so that what is typed next replaces it.
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
  EXPECT_EQ(d.w.Opt3DTrolley[1]->text(), "Eng122 50-160 mm");
  EXPECT_EQ(d.w.Opt3DTrolley[4]->text(), "Eng125 161-280 mm");
  // The 5000 takes the wide motor trolley only, and the cursor keys skip the others.
  d.walkToTrolley("PXH 5000 EX", "4", "3");
  EXPECT_EQ(d.w.Opt3DTrolley[3]->text(), "Eng124 ");
  for (int e = 1; e <= 3; ++e) EXPECT_FALSE(d.w.Opt3DTrolley[e]->isEnabled()) << e;
  d.press(Qt::Key_Down);
  EXPECT_EQ(d.focused(), d.w.Opt3DTrolley[4]);
  EXPECT_TRUE(d.w.Opt3DTrolley[4]->isChecked());
}
