// Trolley, hoist controls, trolley controls, accessories and lube-free on the real main window,
// and whole walks from the start-up window to the output buttons by keyboard only.
#include <gtest/gtest.h>

#include <QAction>

#include "configurator/window_driver.h"
#include "configurator/model_rules.h"
#include "startup/frm_vinjett.h"

TEST(OptionGroups, HoistControlLimits) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "3", "3");
  d.enter();  // no trolley: the hoist controls open on "Pull chain"
  ASSERT_TRUE(d.w.Frame3DHoistControls->isVisible());
  EXPECT_TRUE(d.w.Opt3DHoistControl[0]->isChecked());
  EXPECT_FALSE(d.w.Opt3DHoistControl[3]->isVisible());  // the 4-button needs a motor trolley
  EXPECT_FALSE(d.w.Picture[7]->isVisible());

  // The hook-mounted 2-button control up to 3 m of lift.
  d.w.Opt3DHoistControl[4]->setChecked(true);
  d.settle();
  EXPECT_TRUE(d.services.messages.empty());
  d.state.LiftHeight = 3.5;
  d.w.Opt3DHoistControl[0]->setChecked(true);
  d.w.Opt3DHoistControl[4]->setChecked(true);
  d.settle();
  EXPECT_EQ(d.lastMessage(), "Eng53");
  EXPECT_TRUE(d.w.Opt3DHoistControl[0]->isChecked());

  // The twist rod by control length: articulation at 3 and 4 m, refused from 5 m.
  struct Case {
    int length;
    bool articulation;
    bool refused;
  };
  for (const Case c : {Case{2, false, false}, Case{3, true, false}, Case{4, true, false},
                       Case{5, false, true}}) {
    d.services.messages.clear();
    d.state.ControlLength = static_cast<std::int16_t>(c.length);
    d.w.Opt3DHoistControl[0]->setChecked(true);
    d.click(d.w.Opt3DHoistControl[2]);
    EXPECT_EQ(d.w.Check3D1[4]->isVisible(), c.articulation) << c.length;
    EXPECT_EQ(d.w.Opt3DHoistControl[0]->isChecked(), c.refused) << c.length;
    EXPECT_EQ(d.lastMessage(), c.refused ? "Eng54" : "") << c.length;
    if (c.articulation) {
      EXPECT_EQ(d.focused(), d.w.Check3D1[4]);
    }
  }

  // Button controls up to 10 m.
  for (int length : {10, 11}) {
    d.services.messages.clear();
    d.state.ControlLength = static_cast<std::int16_t>(length);
    d.w.Opt3DHoistControl[0]->setChecked(true);
    d.click(d.w.Opt3DHoistControl[1]);
    EXPECT_EQ(d.w.Opt3DHoistControl[1]->isChecked(), length == 10);
    EXPECT_EQ(d.lastMessage(), length == 10 ? "" : "Eng27");
  }
}

TEST(OptionGroups, TrolleyControlsByModelGroup) {
  // Light group, motor trolley, 11 m: only the 2-button trolley control, then text 27 and back
  // to the control length.
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "4", "11");
  d.chooseTrolley(3);
  EXPECT_EQ(d.state.CurrentTrolley, "PXK 1000M");
  EXPECT_TRUE(d.w.Opt3DHoistControl[3]->isVisible());
  EXPECT_TRUE(d.w.Picture[7]->isVisible());
  EXPECT_EQ(d.w.Picture[6]->x(), d.w.Frame3DHoistControls->geometry().right() + 1 - 1 + 47);
  d.enter();  // pull chain
  EXPECT_TRUE(d.w.Frame3DTrolleyControls->isVisible());
  EXPECT_FALSE(d.w.Opt3DTrolleyControls[0]->isVisible());
  EXPECT_TRUE(d.w.Opt3DTrolleyControls[1]->isChecked());
  EXPECT_FALSE(d.w.Frame3DTrolleyControls->isEnabled());
  EXPECT_EQ(d.lastMessage(), "Eng27");
  EXPECT_EQ(d.focused(), d.w.ControlLengthB);

  // With the 4-button control no trolley control is asked for.
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.chooseTrolley(4);
  d.click(d.w.Opt3DHoistControl[3]);
  d.enter();
  EXPECT_FALSE(d.w.Frame3DTrolleyControls->isVisible());
  EXPECT_TRUE(d.w.Check3D1[0]->isVisible());

  // Heavy group, motor trolley, 11 m: the trolley controls open on "Pull chain"; the 2-button
  // is refused.
  d.walkToTrolley("PXH 2500 EX", "4", "11");
  d.chooseTrolley(4);
  d.enter();
  ASSERT_TRUE(d.w.Frame3DTrolleyControls->isVisible());
  EXPECT_EQ(d.focused(), d.w.Opt3DTrolleyControls[0]);
  EXPECT_TRUE(d.w.Opt3DTrolleyControls[0]->isChecked());
  d.w.Opt3DTrolleyControls[1]->setChecked(true);
  d.settle();
  EXPECT_EQ(d.lastMessage(), "Eng27");
  EXPECT_TRUE(d.w.Opt3DTrolleyControls[0]->isChecked());
  d.enter();
  EXPECT_TRUE(d.w.Check3D1[0]->isVisible());
  EXPECT_TRUE(d.w.Check3D1[0]->isChecked());  // included as standard with the 2500
  EXPECT_FALSE(d.w.Check3D1[0]->isEnabled());
  EXPECT_TRUE(d.w.Label3->isVisible());
}

TEST(OptionGroups, TrolleyDesignations) {
  WindowDriver d("US Metric");
  d.walkToTrolley("PXH 3000 EX", "4", "3");
  d.chooseTrolley(1);
  EXPECT_EQ(d.state.CurrentTrolley, "WXK 3000");
  d.walkToTrolley("PXH 3000 EX", "4", "3");
  d.chooseTrolley(3);
  EXPECT_EQ(d.state.CurrentTrolley, "PXK 3000M");
  d.walkToTrolley("PXH 3000 EX", "4", "3");
  d.enter();
  EXPECT_EQ(d.state.CurrentTrolley, "");
  EXPECT_EQ(trolleyDesignation("PXH 5000 EX", false), std::nullopt);
  EXPECT_EQ(trolleyDesignation("PXH 1250-SR", true), "PXK 2500M-SR");
}

TEST(Accessories, OneBoxAtATime) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "25", "3");  // a 26 m chain
  d.enter();
  d.enter();
  ASSERT_EQ(d.focused(), d.w.Check3D1[0]);
  d.enter();  // the chain collector is skipped
  EXPECT_EQ(d.focused(), d.w.Check3D1[2]);
  EXPECT_FALSE(d.w.Check3D1[1]->isVisible());
  d.enter();
  EXPECT_EQ(d.focused(), d.w.Check3D1[3]);  // safety hook for the small models
  d.enter();
  EXPECT_EQ(d.focused(), d.w.Check3D1[5]);
  d.enter();  // no D key in the list: straight to the output
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_FALSE(d.w.RabattB->isVisible());
  EXPECT_EQ(d.focused(), d.w.Cmd_Skärmutskrift);
  EXPECT_EQ(d.state.LastCheckIndex, 5);

  d.walkToTrolley("PXH 250 EX", "24", "3");  // a 25 m chain fits the collector
  d.enter();
  d.enter();
  d.enter();
  EXPECT_EQ(d.focused(), d.w.Check3D1[1]);

  d.walkToTrolley("PXH 2500 EX", "4", "3");  // the 2500 takes no safety hook
  d.enter();
  d.enter();
  ASSERT_EQ(d.focused(), d.w.Check3D1[1]);
  d.enter();
  d.enter();
  EXPECT_EQ(d.focused(), d.w.Check3D1[5]);
  EXPECT_FALSE(d.w.Check3D1[3]->isVisible());

  // A click on the overload picture hands the focus back to the box left last.
  d.w.Picture[12]->setFocus();
  d.settle();
  EXPECT_EQ(d.focused(), d.w.Check3D1[5]);
}

TEST(Accessories, LubeFreeReloadsTheModelList) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "4", "3");
  QTest::mouseClick(d.w.chkLubeFree, Qt::LeftButton);
  d.settle();
  EXPECT_EQ(d.w.ComboPXH->itemText(0), "PXH 250L EX");
  EXPECT_EQ(d.w.ComboPXH->count(), 6);
  EXPECT_TRUE(d.w.ComboPXH->view()->isVisible());
  EXPECT_FALSE(d.w.LiftHeightB->isVisible());  // the configuration starts anew
  d.w.ComboPXH->hidePopup();

  // Right after a restore from minimised the configuration is kept.
  d.walkToTrolley("PXH 500L EX", "4", "3");
  d.state.MinimizedFlag = 1;
  QTest::mouseClick(d.w.chkLubeFree, Qt::LeftButton);
  d.settle();
  EXPECT_EQ(d.w.ComboPXH->itemText(0), "PXH 250 EX");
  EXPECT_TRUE(d.w.LiftHeightB->isVisible());
  EXPECT_EQ(d.state.MinimizedFlag, 0);
  d.w.ComboPXH->hidePopup();
}

namespace {

// From the start-up window to the output buttons with Enter, Tab, the cursor keys and typing.
void walkByKeyboard(int variant, const QString& lift, const QString& control,
                    const QString& expectedModel) {
  ProgramDirectory dir;
  ProgramState state;
  RecordingServices services;
  frmVinjett start(state, services);
  start.Form_Load(dir.path(), "");
  start.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&start));
  for (int i = 0; i < variant; ++i) QTest::keyClick(start.Command1[i], Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  HMeny* w = start.mainWindow();
  ASSERT_NE(w, nullptr);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  auto settle = [w] {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    // Without a window manager the window does not take the activation back from a closed
    // drop-down by itself.
    if (!w->ComboPXH->view()->isVisible() && QApplication::activeWindow() != w) {
      QApplication::setActiveWindow(w);
      for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    }
  };
  auto key = [&](Qt::Key k) {
    QWidget* f = w->focusWidget();
    if (w->ComboPXH->view()->isVisible()) f = w->ComboPXH->view();
    QTest::keyClick(f, k);
    settle();
  };
  settle();
  key(Qt::Key_Down);  // the dropped-down list: second model
  key(Qt::Key_Down);
  key(Qt::Key_Return);
  EXPECT_EQ(state.CurrentModel, expectedModel);
  QTest::keyClicks(w->focusWidget(), lift);
  key(Qt::Key_Tab);
  QTest::keyClicks(w->focusWidget(), control);
  key(Qt::Key_Tab);
  ASSERT_TRUE(w->Frame3DTrolley->isVisible());
  key(Qt::Key_Down);  // manual narrow
  key(Qt::Key_Return);
  key(Qt::Key_Down);  // 2-button
  key(Qt::Key_Tab);
  for (int i = 0; i < 6 && !w->Printerutskrift->isVisible(); ++i) key(Qt::Key_Tab);
  EXPECT_TRUE(w->Printerutskrift->isVisible());
  EXPECT_TRUE(w->Opt3DHoistControl[1]->isChecked());
  EXPECT_TRUE(w->Opt3DTrolley[1]->isChecked());
  EXPECT_FALSE(state.CurrentTrolley.isEmpty());
  EXPECT_TRUE(services.messages.empty()) << services.messages[0].text.toStdString();
}

}  // namespace

TEST(FullWalk, EnglishEuropeanByKeyboard) { walkByKeyboard(0, "4", "3", "PXH 980 EX"); }

TEST(FullWalk, UsImperialByKeyboard) { walkByKeyboard(3, "13", "9.8", "PXH 980 EX"); }
