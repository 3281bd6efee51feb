// Option buttons, check boxes and pictures on the real main window, clicked and keyed, and whole
// walks from the start-up window to the output buttons by keyboard only.
#include <gtest/gtest.h>

#include <QAction>

#include "configurator/window_driver.h"
#include "startup/application_setup.h"
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
  // (The twist rod turned down by the control length: DoubleClicks, LeaveAloneWhatTheir...)
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

TEST(DoubleClicks, ConfirmTheBoxesOptionsAndAccessoriesAsEnterDoes) {
  // PXH 2500 EX with the discount step, every step confirmed by a double-click, the values
  // typed. Its overload protection is included as standard: the accessories start with the
  // chain collector, then the chain stop and the assembly.
  WindowDriver d;
  d.click(d.w.ComboPXH->lineEdit());
  d.press(Qt::Key_D);
  d.chooseModel("PXH 2500 EX");
  ASSERT_EQ(d.focused(), d.w.LiftHeightB);
  d.doubleClick(d.w.LiftHeightB);  // nothing typed: asked for, as Enter asks
  EXPECT_EQ(d.messages(), QStringList{"Eng13"});
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);
  d.type("4");
  d.doubleClick(d.w.LiftHeightB);
  ASSERT_EQ(d.focused(), d.w.ControlLengthB);
  d.type("3");
  d.doubleClick(d.w.ControlLengthB);
  ASSERT_EQ(d.focused(), d.w.Opt3DTrolley[0]);
  // An option the focus is not on: its first click selects it, the double-click confirms it.
  d.doubleClick(d.w.Opt3DTrolley[4]);  // motor driven, wide: always offered
  EXPECT_EQ(d.engine().hoist().trolley, Trolley::MotorWide);
  ASSERT_EQ(d.focused(), d.w.Opt3DHoistControl[0]);
  d.doubleClick(d.w.Opt3DHoistControl[0]);
  ASSERT_EQ(d.focused(), d.w.Opt3DTrolleyControls[1]);  // the 2-button control comes first
  d.doubleClick(d.w.Opt3DTrolleyControls[0]);
  EXPECT_EQ(d.engine().hoist().trolleyControl, TrolleyControl::PullChain);

  // An accessory keeps what the first click of the double-click did to it.
  ASSERT_EQ(d.focused(), d.w.Check3D1[1]);
  d.doubleClick(d.w.Check3D1[1]);
  ASSERT_EQ(d.focused(), d.w.Check3D1[2]);
  d.click(d.w.Check3D1[2]);
  d.doubleClick(d.w.Check3D1[2]);  // ticked by the click, cleared by the double-click
  ASSERT_EQ(d.focused(), d.w.Check3D1[5]);
  d.doubleClick(d.w.Check3D1[5]);
  const ConfiguredHoist hoist = d.engine().hoist();
  EXPECT_TRUE(hoist.accessories[1]);
  EXPECT_FALSE(hoist.accessories[2]);
  EXPECT_TRUE(hoist.accessories[5]);

  ASSERT_EQ(d.focused(), d.w.RabattB);
  d.type("12");
  d.doubleClick(d.w.RabattB);
  EXPECT_EQ(d.engine().discount(), 12);
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.focused(), d.w.Cmd_Skärmutskrift);
  EXPECT_EQ(d.messages(), QStringList{"Eng13"});
}

TEST(DoubleClicks, LeaveAloneWhatTheirFirstClickDidNotReachOrHasMovedOnFrom) {
  WindowDriver d;
  d.chooseModel("PXH 500 EX");
  d.click(d.w.chkStainless);  // ticked, and on to the lift height
  ASSERT_EQ(d.focused(), d.w.LiftHeightB);

  // A double-click on an entry of the dropped-down list: its first click picks the model again,
  // which leads to the stainless-steel box, and closes the list; the second lands on the box,
  // which neither changes nor moves on, although the last press in the window was on it.
  d.w.ComboPXH->showPopup();
  QTest::qWait(QApplication::doubleClickInterval() + 100);  // the list takes no click before
  QAbstractItemView* list = d.w.ComboPXH->view();
  const QPoint entry = list->visualRect(list->model()->index(1, 0)).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, entry);
  d.settle();
  ASSERT_EQ(d.engine().currentModel(), "PXH 500 EX");
  ASSERT_EQ(d.focused(), d.w.chkStainless);
  QTest::mouseDClick(d.w.chkStainless, Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  QTest::mouseRelease(d.w.chkStainless, Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  d.settle();
  EXPECT_TRUE(d.w.chkStainless->isChecked());
  EXPECT_EQ(d.focused(), d.w.chkStainless);
  // Landing on the model list's box, it does not take the steps back to the list either.
  QTest::mouseDClick(d.w.ComboPXH->lineEdit(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  QTest::mouseRelease(d.w.ComboPXH->lineEdit(), Qt::LeftButton, Qt::NoModifier, QPoint(6, 6));
  d.settle();
  EXPECT_EQ(d.focused(), d.w.chkStainless);

  // The stainless-steel box moves on at its first click; the double-click neither ticks it
  // again nor confirms the empty lift height.
  d.doubleClick(d.w.chkStainless);
  EXPECT_FALSE(d.w.chkStainless->isChecked());
  EXPECT_EQ(d.focused(), d.w.LiftHeightB);
  EXPECT_TRUE(d.messages().isEmpty());

  // A choice its first click had turned down (the twist rod from 5 m of control length): said
  // once, and the selection and the step wait on the option it fell back to.
  d.walkToTrolley("PXH 250 EX", "4", "5");
  d.enter();
  d.doubleClick(d.w.Opt3DHoistControl[2]);
  EXPECT_EQ(d.messages(), QStringList{"Eng54"});
  EXPECT_TRUE(d.w.Opt3DHoistControl[0]->isChecked());
  EXPECT_FALSE(d.w.Opt3DHoistControl[2]->isChecked());
  EXPECT_FALSE(d.w.Check3D1[4]->isVisible());
  EXPECT_EQ(d.focused(), d.w.Opt3DHoistControl[0]);
  EXPECT_FALSE(d.w.Check3D1[0]->isVisible());

  // The lube-free box, too, stays as the first click of a double-click left it.
  d.doubleClick(d.w.chkLubeFree);
  EXPECT_TRUE(d.w.chkLubeFree->isChecked());
  EXPECT_EQ(d.engine().modelList().value(0), "PXH 250L EX");
}

TEST(DoubleClicks, TheStepsSayHowToMoveOnInTheVariantsLanguage) {
  WindowDriver d("Tysk", true);
  EXPECT_EQ(d.w.Opt3DTrolley[0]->toolTip(),
            "Eingabetaste, Tab oder ein Doppelklick bestätigt die Auswahl und führt weiter.");
  EXPECT_EQ(d.w.Check3D1[3]->toolTip(), d.w.Opt3DTrolley[0]->toolTip());
  EXPECT_EQ(d.w.ControlLengthB->toolTip(),
            "Eingabetaste, Tab oder ein Doppelklick in das Feld bestätigt den Wert und führt "
            "weiter.");
  useLanguageOf("", d.dir->path());  // the tests that follow read the English texts
}
