// Option buttons, check boxes and pictures on the real main window, clicked and keyed, and whole
// walks from the start-up window to the output buttons by keyboard only.
#include <gtest/gtest.h>

#include <QAction>

#include "configurator/window_driver.h"
#include "startup/frm_vinjett.h"

TEST(OptionGroups, AClickOnAnOptionReachesTheConfigurator) {
  // The twist rod clicked at 3 m of control length: the articulation box appears and takes the
  // focus; Space ticks it. (Walk 8 chooses both with the keyboard.)
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "3", "3");
  d.enter();  // no trolley: the hoist controls open on "Pull chain"
  ASSERT_EQ(d.focused(), d.w.Opt3DHoistControl[0]);
  EXPECT_FALSE(d.w.Check3D1[4]->isVisible());
  d.click(d.w.Opt3DHoistControl[2]);
  EXPECT_TRUE(d.w.Opt3DHoistControl[2]->isChecked());
  EXPECT_EQ(d.engine().hoist().hoistControl, HoistControl::TwistRod);
  EXPECT_EQ(d.focused(), d.w.Check3D1[4]);
  d.press(Qt::Key_Space);
  EXPECT_TRUE(d.engine().hoist().articulation);

  // A click on the twist rod from 5 m of control length: refused with the message once, and the
  // selection and the focus fall back to "Pull chain" on the window.
  d.walkToTrolley("PXH 250 EX", "4", "5");
  d.enter();
  d.services.messages.clear();
  d.click(d.w.Opt3DHoistControl[2]);
  EXPECT_EQ(d.messages(), QStringList{"Eng54"});
  EXPECT_TRUE(d.w.Opt3DHoistControl[0]->isChecked());
  EXPECT_FALSE(d.w.Opt3DHoistControl[2]->isChecked());
  EXPECT_FALSE(d.w.Check3D1[4]->isVisible());
  EXPECT_EQ(d.focused(), d.w.Opt3DHoistControl[0]);
}

TEST(Accessories, SpaceTicksAndAClickOnTheOverloadPictureGoesBackToTheBoxLeftLast) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "4", "3");
  d.enter();
  d.enter();
  ASSERT_EQ(d.focused(), d.w.Check3D1[0]);
  d.press(Qt::Key_Space);
  EXPECT_TRUE(d.w.Check3D1[0]->isChecked());
  EXPECT_TRUE(d.engine().hoist().accessories[0]);
  d.enter();
  ASSERT_EQ(d.focused(), d.w.Check3D1[1]);
  d.click(d.w.Check3D1[1]);  // a click ticks as well
  EXPECT_TRUE(d.engine().hoist().accessories[1]);
  d.enter();
  ASSERT_EQ(d.focused(), d.w.Check3D1[2]);
  d.click(d.w.Check3D1[0]);  // a click on an earlier box clears it
  EXPECT_FALSE(d.w.Check3D1[0]->isChecked());
  EXPECT_FALSE(d.engine().hoist().accessories[0]);
  EXPECT_EQ(d.focused(), d.w.Check3D1[0]);

  d.click(d.w.Picture[12]);
  EXPECT_EQ(d.focused(), d.w.Check3D1[0]);
  d.click(d.w.Check3D1[2]);
  d.click(d.w.Picture[12]);
  EXPECT_EQ(d.focused(), d.w.Check3D1[2]);
}

namespace {

// From the start-up window to the output buttons with Enter, Tab, the cursor keys and typing.
void walkByKeyboard(int variant, const QString& lift, const QString& control,
                    const QString& expectedModel) {
  TestProgramDirectory dir;
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
    QWidget* f = QApplication::focusWidget();
    if (w->ComboPXH->view()->isVisible()) f = w->ComboPXH->view();
    QTest::keyClick(f, k);
    settle();
  };
  auto type = [&](const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    settle();
  };
  settle();
  ASSERT_TRUE(w->ComboPXH->view()->isVisible());  // the list opens dropped down
  key(Qt::Key_Down);                              // the third model
  key(Qt::Key_Down);
  key(Qt::Key_Return);
  EXPECT_EQ(w->configurator().currentModel(), expectedModel);
  EXPECT_EQ(QApplication::focusWidget(), w->LiftHeightB);
  type(lift);
  key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), w->ControlLengthB);
  type(control);
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
  EXPECT_EQ(w->configurator().hoist().trolley, Trolley::ManualNarrow);
  EXPECT_EQ(w->configurator().hoist().hoistControl, HoistControl::TwoButton);
  EXPECT_FALSE(w->configurator().currentTrolley().isEmpty());
  EXPECT_EQ(w->ControlLengthB->text(), control);
  EXPECT_TRUE(services.messages.empty()) << services.messages[0].text.toStdString();
}

}  // namespace

TEST(FullWalk, EnglishEuropeanAndUsImperialByKeyboard) {
  walkByKeyboard(0, "4", "3", "PXH 980 EX");
  walkByKeyboard(3, "13", "9.8", "PXH 980 EX");
}
