// The model list and the numeric inputs on the real main window, driven by keys.
#include <gtest/gtest.h>

#include "configurator/model_catalogue.h"
#include "configurator/window_driver.h"

TEST(ModelList, EnterConfirmsTheModelAndMovesToTheLiftHeight) {
  WindowDriver d;
  ASSERT_TRUE(d.active);
  d.chooseModel("PXH 250 EX");
  EXPECT_TRUE(d.w.LiftHeightB->isVisible());
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);
  EXPECT_EQ(d.state.CurrentModel, "PXH 250 EX");
  EXPECT_EQ(d.state.ModelIndex, 2);
  EXPECT_EQ(d.state.HoistColumn, 2);
  EXPECT_TRUE(d.w.fraStainlessSteelChain->isVisible());
  EXPECT_FALSE(d.w.Printerutskrift->isVisible());  // the first reset hides the output buttons

  // The stainless frame only for the 250 and 500 classes.
  for (const QString& name : *modelListNames("", false) + *modelListNames("", true)) {
    d.chooseModel(name);
    const bool small = QStringList{"PXH 250 EX", "PXH 500 EX", "PXH 250L EX", "PXH 500L EX"}
                           .contains(name);
    EXPECT_EQ(d.w.fraStainlessSteelChain->isVisible(), small) << name.toStdString();
  }

  // Cursor keys walk the list without resetting the configuration.
  d.chooseModel("PXH 500 EX");
  d.type("4");
  d.w.ComboPXH->setFocus();
  d.settle();
  d.press(d.w.ComboPXH, Qt::Key_Down);
  EXPECT_EQ(d.w.ComboPXH->currentText(), "PXH 980 EX");
  EXPECT_EQ(d.w.LiftHeightB->text(), "4");
  EXPECT_EQ(d.state.ComboKeyFlag, 0);  // the click that followed took the flag back
}

TEST(ModelList, RecognisesUnlistedNamesAndNotesTheUModels) {
  WindowDriver d;
  d.chooseModel("PXH 1000 U EX");
  EXPECT_EQ(d.lastMessage(), "PXH 1000 U EX: Eng129");
  EXPECT_EQ(d.state.ModelIndex, 4);
  EXPECT_EQ(d.state.HoistColumn, 4);
  d.chooseModel("PXH 3000 EX");  // not a model outside the US: the columns stay
  EXPECT_EQ(d.state.CurrentModel, "PXH 3000 EX");
  EXPECT_EQ(d.state.ModelIndex, 4);
  d.chooseModel("PXH 200 EX");
  EXPECT_EQ(d.state.ModelIndex, 1);

  WindowDriver us("US Metric");
  us.chooseModel("PXH 1000L U EX");
  EXPECT_EQ(us.lastMessage(), "PXH 1000L U EX: Eng129");
  EXPECT_EQ(us.state.ModelIndex, 13);
  EXPECT_EQ(us.state.HoistColumn, 32);
  us.chooseModel("PXH 3000 EX");
  EXPECT_EQ(us.state.ModelIndex, 14);
  EXPECT_EQ(us.state.HoistColumn, 24);
  us.chooseModel("PXH 200 EX");
  EXPECT_EQ(us.state.ModelIndex, 14);

  // The D key in the list opens the discount step later; New File forgets it.
  us.w.ComboPXH->setFocus();
  us.settle();
  us.press(us.w.ComboPXH, Qt::Key_D);
  EXPECT_EQ(us.state.ComboKeyDownFlag, -1);
  us.w.NewFile->trigger();
  EXPECT_EQ(us.state.ComboKeyDownFlag, 0);
}

TEST(NumericInputs, LiftHeightKeysColoursLimitsAndChain) {
  WindowDriver d;
  d.chooseModel("PXH 250 EX");
  d.type("2,5x");  // the comma becomes a period, the letter is swallowed
  EXPECT_EQ(d.w.LiftHeightB->text(), "2.5");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), FieldColour::Yellow);
  EXPECT_DOUBLE_EQ(d.state.LiftHeight, 2.5);
  d.w.LiftHeightB->setText("3*");  // pasted
  EXPECT_EQ(d.w.LiftHeightB->text(), "0");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), FieldColour::White);
  d.w.LiftHeightB->clear();
  d.enter();
  EXPECT_EQ(d.lastMessage(), "Eng13");
  EXPECT_FALSE(d.w.ControlLengthB->isVisible());

  // 25 m on a one-fall model: a 26 m chain, too long for the collector.
  d.type("25");
  d.enter();
  EXPECT_EQ(d.state.ChainLength, 26);
  EXPECT_EQ(d.state.ChainCollectorFlag, 1);
  EXPECT_EQ(d.lastMessage(), "Eng112");
  d.w.LiftHeightB->setFocus();
  d.settle();
  d.type("24.5");
  d.enter();
  EXPECT_EQ(d.state.ChainLength, 25);
  EXPECT_EQ(d.state.ChainCollectorFlag, 0);

  // A change of the lift height hides the later steps again.
  d.type("3");
  d.enter();
  d.type("3");
  d.enter();
  ASSERT_TRUE(d.w.Frame3DTrolley->isVisible());
  d.w.LiftHeightB->setFocus();
  d.settle();
  d.type("4");
  EXPECT_FALSE(d.w.Frame3DTrolley->isVisible());
  EXPECT_FALSE(d.w.ControlLengthB->isVisible());
  EXPECT_TRUE(d.w.ControlLengthB->text().isEmpty());

  // Above the model's maximum: red, then the message with the limit on leaving.
  d.chooseModel("PXH 5000 EX");
  d.type("26");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), FieldColour::Red);
  d.enter();
  EXPECT_EQ(d.lastMessage(), "Eng28: 25");
  EXPECT_TRUE(d.w.LiftHeightB->text().isEmpty());
  EXPECT_EQ(d.colour(d.w.LiftHeightB), FieldColour::White);
  EXPECT_FALSE(d.w.ControlLengthB->isVisible());
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);

  d.chooseModel("PXH 1000 EX");  // two falls: 12.25 m gives 25 m, 12.3 m gives 26 m
  d.type("12.25");
  d.enter();
  EXPECT_EQ(d.state.ChainLength, 25);
}

TEST(NumericInputs, ControlLengthInWholeMetresAndTheTrolleyRanges) {
  WindowDriver d;
  d.chooseModel("PXH 250 EX");
  d.type("4");
  d.enter();
  d.type("2.5");
  EXPECT_EQ(d.colour(d.w.ControlLengthB), FieldColour::Red);
  d.w.LiftHeightB->setFocus();  // leaving the box takes the whole metres
  d.settle();
  EXPECT_EQ(d.w.ControlLengthB->text(), "2");
  EXPECT_EQ(d.state.ControlLength, 2);
  d.w.ControlLengthB->setFocus();
  d.settle();
  d.type("3.5");
  d.w.LiftHeightB->setFocus();
  d.settle();
  EXPECT_EQ(d.w.ControlLengthB->text(), "4");
  d.w.ControlLengthB->setFocus();
  d.settle();
  d.w.ControlLengthB->clear();
  d.w.LiftHeightB->setFocus();
  d.settle();
  EXPECT_EQ(d.w.ControlLengthB->text(), "1");

  // Far too many digits: held at the field's limit, red, no wrap.
  d.w.ControlLengthB->setFocus();
  d.settle();
  d.type("9999999999");
  EXPECT_EQ(d.state.ControlLength, 32767);
  EXPECT_EQ(d.colour(d.w.ControlLengthB), FieldColour::Red);

  d.w.ControlLengthB->setFocus();
  d.settle();
  d.type("3");
  d.enter();
  EXPECT_TRUE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.focused(), d.w.Opt3DTrolley[0]);
  EXPECT_EQ(d.w.Opt3DTrolley[1]->text(), "Eng122 50-160 mm");
  EXPECT_EQ(d.w.Opt3DTrolley[4]->text(), "Eng125 161-280 mm");

  d.walkToTrolley("PXH 5000 EX", "4", "3");
  EXPECT_EQ(d.w.Opt3DTrolley[3]->text(), "Eng124 ");
  EXPECT_FALSE(d.w.Opt3DTrolley[1]->isEnabled());
  EXPECT_TRUE(d.w.Opt3DTrolley[4]->isEnabled());

  d.chooseModel("PXH 250 EX");
  d.type("4");
  d.enter();
  d.enter();  // nothing typed: text 15
  EXPECT_EQ(d.lastMessage(), "Eng15");
}

TEST(NumericInputs, ImperialFeetPromptAndLimits) {
  WindowDriver d("US Imperial");
  d.chooseModel("PXH 5000 EX");
  d.type("82.02");
  EXPECT_EQ(d.colour(d.w.LiftHeightB), FieldColour::Yellow);
  EXPECT_NEAR(d.state.LiftHeight, 25.0, 0.001);  // held in metres
  d.w.LiftHeightB->clear();
  d.type("83");
  d.enter();
  EXPECT_EQ(d.lastMessage(), "Imp28: 82");

  d.chooseModel("PXH 250 EX");
  d.type("10");
  d.enter();
  d.type("10");
  d.enter();  // 10 ft is no whole number of metres: the prompt replaces the trolley step
  EXPECT_TRUE(d.w.fraChoose->isVisible());
  EXPECT_FALSE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.w.optChoose[0]->text(), "9.8 ft");
  EXPECT_EQ(d.w.optChoose[1]->text(), "13.1 ft");
  EXPECT_EQ(d.focused(), d.w.optChoose[0]);
  QTest::mouseClick(d.w.optChoose[1], Qt::LeftButton);
  d.settle();
  EXPECT_EQ(d.w.ControlLengthB->text(), "13.1");
  EXPECT_EQ(d.state.ControlLength, 4);
  EXPECT_FALSE(d.w.fraChoose->isVisible());
  EXPECT_TRUE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.w.Opt3DTrolley[1]->text(), "Imp122 2-6.3 in");

  d.w.ControlLengthB->setFocus();
  d.settle();
  d.type("3");
  d.w.LiftHeightB->setFocus();
  d.settle();
  EXPECT_EQ(d.w.ControlLengthB->text(), "3.3");
  EXPECT_EQ(d.state.ControlLength, 1);
}

TEST(NumericInputs, DiscountStepAndTheP2Model) {
  WindowDriver d;
  d.w.ComboPXH->setFocus();
  d.settle();
  d.press(d.w.ComboPXH, Qt::Key_D);  // the discount step is asked for
  d.w.ComboPXH->setEditText("PXH 250 EX");
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.enter();  // no trolley
  d.enter();  // pull chain
  for (int i = 0; i < 5 && !d.w.RabattB->isVisible(); ++i) d.enter();
  ASSERT_TRUE(d.w.RabattB->isVisible());
  EXPECT_EQ(d.focused(), d.w.RabattB);
  d.type("100");
  EXPECT_EQ(d.colour(d.w.RabattB), FieldColour::Red);
  d.enter();  // refused: the red box keeps the focus
  EXPECT_FALSE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.focused(), d.w.RabattB);
  d.w.RabattB->clear();
  d.type("1a5");
  EXPECT_EQ(d.w.RabattB->text(), "15");
  EXPECT_EQ(d.state.Discount, 15);
  d.enter();
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.focused(), d.w.Cmd_Skärmutskrift);

  // A model ordered without its 2-button control completes the hoist-control step by itself.
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.state.CurrentModel = "PXH 250 P2";
  d.enter();
  EXPECT_TRUE(d.w.Opt3DHoistControl[1]->isChecked());
  EXPECT_FALSE(d.w.Opt3DHoistControl[0]->isVisible());
  EXPECT_TRUE(d.w.Check3D1[0]->isVisible());  // the accessories are open
  d.w.ControlLengthB->setFocus();
  d.settle();
  d.type("11");
  d.w.Opt3DTrolley[0]->setFocus();
  d.settle();
  EXPECT_EQ(d.lastMessage(), "Eng27");
  EXPECT_EQ(d.focused(), d.w.ControlLengthB);

  // A name typed into the list that the program has no data for is sent back to the list.
  d.walkToTrolley("PXH 250", "4", "3");
  EXPECT_TRUE(d.lastMessage().contains("PXH 250")) << d.lastMessage().toStdString();
  EXPECT_FALSE(d.services.endStatus.has_value());
  EXPECT_FALSE(d.w.Frame3DTrolley->isVisible());
  EXPECT_EQ(d.focused(), d.w.ComboPXH);
}
