// The main window: captions from the catalogue, the layout at start, the change of variant,
// the resets of the guided steps, the tab stops and the auxiliary windows.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "configurator/captions.h"
#include "configurator/hmeny.h"
#include "output/form3.h"
#include "prices/form2.h"
#include "startup/program_state.h"
#include "support/recording_services.h"
#include "configurator/window_driver.h"
#include "support/test_database.h"

namespace {

QString captionOf(const HMeny& window, const QString& name) {
  QObject* c = window.control(name);
  if (auto* m = qobject_cast<QMenu*>(c)) return m->title();
  if (auto* a = qobject_cast<QAction*>(c)) return a->text();
  if (auto* b = qobject_cast<QAbstractButton*>(c)) return b->text();
  if (auto* g = qobject_cast<QGroupBox*>(c)) return g->title();
  if (auto* l = qobject_cast<QLabel*>(c)) return l->text();
  if (auto* w = qobject_cast<QWidget*>(c)) return w->windowTitle();
  return "<no control " + name + ">";
}

}  // namespace

TEST(MainWindow, PutsTheCatalogueTextsOnItsControls) {
  WindowDriver m;
  ASSERT_TRUE(m.loaded);
  for (const CaptionAssignment& a : mainWindowCaptions()) {
    for (const QString& target : a.targets) {
      const QString expected = a.text == 65 ? QString("Eng65   (2.13.2)")
                                            : QStringLiteral("Eng%1").arg(a.text) + a.suffix;
      EXPECT_EQ(captionOf(m.w, target), expected) << target.toStdString();
    }
  }
  EXPECT_EQ(captionOf(m.w, "fraLubeFree"), "Eng126:");
  EXPECT_EQ(captionOf(m.w, "Opt3DHoistControl(4)"), "Eng22");
  // Controls that never take a catalogue text keep their design captions.
  EXPECT_EQ(captionOf(m.w, "Command1"), "Air Prep. Accessories");
  EXPECT_EQ(captionOf(m.w, "chkStainless"), "Stainless steel chain");
  EXPECT_EQ(captionOf(m.w, "Opt3DSuspensionYoke(1)"), "Standard for Beam width 133-332");
  EXPECT_EQ(captionOf(m.w, "mnuPDF"), "&PDF file");
  EXPECT_EQ(captionOf(m.w, "Help"), "&?");
  EXPECT_EQ(captionOf(m.w, "mnuSpr\u00e5k(4)"), "E&spa\u00f1ol");
  EXPECT_EQ(captionOf(m.w, "Form2.fraSortOrder"), "Order by:");
  EXPECT_EQ(m.w.form2().windowTitle(), "Eng111");

  // The menus in their order.
  const QList<QAction*> file = m.w.File->actions();
  QStringList names;
  for (QAction* a : file) names << a->objectName();
  EXPECT_EQ(names.join(","), "NewFile,OpenFile,SaveFile,SaveFileAs,Linje,Utskrift,Linje2,Exit");
  names.clear();
  for (QAction* a : m.w.OptionsM->actions()) names << a->objectName();
  EXPECT_EQ(names.mid(8).join(","), "Linje3,Newprices,Newprices1,Newprices2,mnuPDF");
  names.clear();
  for (QAction* a : m.w.Help->actions()) names << a->objectName();
  EXPECT_EQ(names.join(","), "UsingHelp,HowToUse,mnuSeparator1,About");
}

TEST(MainWindow, OpensWithOnlyTheModelStepAndTheOutputButtons) {
  WindowDriver m;
  HMeny& w = m.w;
  EXPECT_EQ(w.client->size(), QSize(800, 547));
  EXPECT_EQ(w.pos(), QPoint(0, 0));
  EXPECT_EQ(w.ComboPXH->geometry(), QRect(134, 34, 213, 21));
  EXPECT_EQ(w.Check3D1[4]->parentWidget(), w.Frame3DHoistControls);
  EXPECT_EQ(w.Check3D1[4]->geometry(), QRect(4, 200, 91, 53));
  EXPECT_EQ(w.Opt3DTrolley[4]->geometry(), QRect(4, 110, 215, 27));

  const QStringList visible{"Label_Ex", "cmdLubeFree", "chkLubeFree", "ComboPXH", "Picture1",
                            "Cmd_Sk\u00e4rmutskrift", "Printerutskrift"};
  for (QWidget* c : w.client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (c->objectName().isEmpty() || c->isWindow()) continue;
    EXPECT_EQ(c->isVisible(), visible.contains(c->objectName())) << c->objectName().toStdString();
  }
  EXPECT_FALSE(w.Opt3DHoistControl[4]->isVisibleTo(w.Frame3DHoistControls));
  EXPECT_TRUE(w.Opt3DHoistControl[3]->isVisibleTo(w.Frame3DHoistControls));
  EXPECT_FALSE(w.Command1->isEnabled());
  EXPECT_EQ(w.Command1->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(w.Picture[6]->focusPolicy(), Qt::ClickFocus);
  EXPECT_TRUE(w.optTypeOfChain[1]->isChecked());
  // No picture file in this directory: the pictures stay empty and the load goes on.
  EXPECT_TRUE(w.Picture[6]->pixmap().isNull());
  EXPECT_TRUE(m.services.messages.empty());
}

TEST(MainWindow, ChangesVariantWithAFullReload) {
  WindowDriver m;
  HMeny& w = m.w;
  QImage usa(10, 20, QImage::Format_RGB32);
  usa.fill(Qt::red);
  ASSERT_TRUE(usa.save(m.dir->path() + "/2knapp-USA.bmp"));
  w.checkLanguageMenu(0);
  w.LiftHeightB->setText("4");
  w.LiftHeightB->show();

  w.mnuSpråk_Click(2);  // US Metric
  EXPECT_EQ(m.state.LanguageKey, "US Metric");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.mnuSpråk[i]->isChecked(), i == 2) << i;
  EXPECT_EQ(captionOf(m.w, "File"), "Eng1");                 // English texts
  EXPECT_EQ(m.state.PartDescription[7], "USM part 7");  // US descriptions
  EXPECT_EQ(m.state.CurrentModel, "PXH 1000 U EX");
  EXPECT_EQ(m.state.ModelIndex, 13);
  EXPECT_EQ(w.ComboPXH->count(), 7);
  EXPECT_EQ(w.ComboPXH->itemText(5), "PXH 3000 EX");
  EXPECT_EQ(w.ComboPXH->currentText(), "PXH 250 EX");
  EXPECT_EQ(w.Label1[1]->y(), 128);
  EXPECT_EQ(w.Picture[6]->pixmap().size(), QSize(10, 20));
  EXPECT_TRUE(w.LiftHeightB->text().isEmpty());  // the configuration starts anew
  EXPECT_FALSE(w.LiftHeightB->isVisible());
  EXPECT_FALSE(w.form2().isVisible());

  w.mnuSpråk_Click(1);  // French: texts and descriptions switch, the label moves up
  EXPECT_EQ(captionOf(m.w, "File"), "Fra1");
  EXPECT_EQ(captionOf(m.w, "HMeny"), "Fra65   (2.13.2)");
  EXPECT_EQ(m.state.PartDescription[7], "Fra part 7");
  EXPECT_EQ(m.state.CurrentModel, "PXH 200 EX");
  EXPECT_EQ(w.ComboPXH->count(), 6);
  EXPECT_EQ(w.Label1[1]->y(), 116);
  EXPECT_TRUE(w.Picture[6]->pixmap().isNull());  // no "2knapp.bmp" here

  w.chkLubeFree->setChecked(true);
  w.mnuSpråk_Click(3);  // the list follows the lube-free box
  EXPECT_EQ(w.ComboPXH->itemText(5), "PXH 3000L EX");
  EXPECT_EQ(captionOf(m.w, "File"), "Imp1");

  w.mnuSpråk_Click(9);
  ASSERT_FALSE(m.services.messages.empty());
  EXPECT_TRUE(m.services.messages.back().text.contains("contact the program's author"));
  EXPECT_EQ(m.services.endStatus, 1);
}

TEST(MainWindow, ResetsTheStepsAfterTheOneGiven) {
  WindowDriver m;
  HMeny& w = m.w;
  auto walkToTheEnd = [&] {
    w.LiftHeightB->setText("4");
    w.ControlLengthB->setText("3");
    m.state.LiftHeight = 4;
    m.state.ControlLength = 3;
    m.state.Discount = 10;
    w.RabattB->setText("10");
    for (QWidget* c : std::initializer_list<QWidget*>{
             w.Label1[0], w.LiftHeightB, w.Label1[1], w.ControlLengthB, w.Frame3DTrolley,
             w.Picture[3], w.Label4[0], w.Frame3DHoistControls, w.Frame3DTrolleyControls,
             w.Check3D1[0], w.Check3D1[1], w.Check3D1[4], w.RabattB, w.Printerutskrift,
             w.fraTypeOfChain, w.Frame3DSuspensionYoke})
      c->show();
    for (QCheckBox* c : w.Check3D1) c->setChecked(true);
  };

  walkToTheEnd();
  w.ResetFromStep(2);
  EXPECT_EQ(w.LiftHeightB->text(), "4");
  EXPECT_EQ(w.ControlLengthB->text(), "3");
  EXPECT_TRUE(w.Frame3DTrolley->isVisible());
  EXPECT_TRUE(w.Frame3DHoistControls->isVisible());
  EXPECT_TRUE(w.Check3D1[4]->isVisible());  // "Articulation" stays with its step
  EXPECT_FALSE(w.Check3D1[4]->isChecked());
  EXPECT_FALSE(w.Check3D1[0]->isVisible());
  EXPECT_FALSE(w.Frame3DTrolleyControls->isVisible());
  EXPECT_FALSE(w.Printerutskrift->isVisible());
  EXPECT_FALSE(w.RabattB->isVisible());
  EXPECT_TRUE(w.RabattB->text().isEmpty());
  EXPECT_EQ(m.state.Discount, 0);
  EXPECT_EQ(m.state.ControlLength, 3);

  walkToTheEnd();
  w.ResetFromStep(1);
  EXPECT_TRUE(w.Frame3DTrolley->isVisible());
  EXPECT_FALSE(w.Frame3DHoistControls->isVisible());
  EXPECT_FALSE(w.Frame3DSuspensionYoke->isVisible());

  walkToTheEnd();
  w.ResetFromStep(3);
  EXPECT_EQ(w.LiftHeightB->text(), "4");
  EXPECT_TRUE(w.ControlLengthB->text().isEmpty());
  EXPECT_FALSE(w.ControlLengthB->isVisible());
  EXPECT_FALSE(w.Frame3DTrolley->isVisible());
  EXPECT_FALSE(w.Frame3DHoistControls->isVisible());
  EXPECT_TRUE(w.fraTypeOfChain->isVisible());

  walkToTheEnd();
  w.SetTabStops(false);
  w.ResetFromStep(0);
  EXPECT_TRUE(w.LiftHeightB->text().isEmpty());
  EXPECT_TRUE(w.ControlLengthB->text().isEmpty());
  EXPECT_EQ(m.state.LiftHeight, 0);
  EXPECT_EQ(m.state.ControlLength, 0);
  EXPECT_FALSE(w.LiftHeightB->isVisible());
  EXPECT_FALSE(w.fraTypeOfChain->isVisible());
  EXPECT_TRUE(w.tabStopsOn());
  for (QCheckBox* c : w.Check3D1) EXPECT_FALSE(c->isChecked());
}

TEST(MainWindow, SwitchesTabStopsAndKeepsTheAuxiliaryWindowsAside) {
  WindowDriver m;
  HMeny& w = m.w;
  w.SetTabStops(false);
  for (QWidget* c : std::initializer_list<QWidget*>{w.ComboPXH, w.LiftHeightB, w.RabattB,
                                                    w.Check3D1[5], w.Opt3DTrolley[4],
                                                    w.optChoose[1], w.chkStainless,
                                                    w.Printerutskrift})
    EXPECT_EQ(c->focusPolicy(), Qt::ClickFocus) << c->objectName().toStdString();
  w.SetTabStops(true);
  EXPECT_EQ(w.Opt3DTrolley[4]->focusPolicy(), Qt::StrongFocus);
  EXPECT_EQ(w.Command1->focusPolicy(), Qt::ClickFocus);  // never in the tab order

  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  Form2& f2 = w.form2();
  Form3& f3 = w.form3();
  EXPECT_EQ(f2.frameGeometry().bottomRight(), screen.bottomRight());
  EXPECT_EQ(f3.frameGeometry().right(), screen.right());
  EXPECT_EQ(f3.frameGeometry().bottom() + 1, std::max(screen.top() + f3.frameGeometry().height(),
                                                      f2.frameGeometry().top()));
  // Coming back from an output window hides both; a window opened from the main window stays.
  f3.show();
  f2.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f2));
  EXPECT_TRUE(f3.isVisible());
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_FALSE(f2.isVisible());
  EXPECT_FALSE(f3.isVisible());

  m.state.MinimizedFlag = 0;
  w.SetTabStops(false);
  w.showMinimized();
  QCoreApplication::processEvents();
  EXPECT_EQ(m.state.MinimizedFlag, 1);
  EXPECT_TRUE(w.tabStopsOn());
}

TEST(MainWindow, NewFileAndExit) {
  WindowDriver m;
  HMeny& w = m.w;
  w.ComboPXH->hidePopup();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.LiftHeightB->setText("5");
  m.state.ComboKeyDownFlag = -1;
  w.NewFile->trigger();
  EXPECT_EQ(w.focusWidget(), w.ComboPXH);
  QCoreApplication::processEvents();
  EXPECT_TRUE(w.LiftHeightB->text().isEmpty());
  EXPECT_EQ(m.state.ComboKeyDownFlag, 0);
  EXPECT_TRUE(w.ComboPXH->view()->isVisible());  // Alt+Down dropped the list down

  w.Exit->trigger();
  EXPECT_EQ(m.services.endStatus, 0);
  m.services.endStatus.reset();
  w.close();  // the close box runs Exit
  EXPECT_EQ(m.services.endStatus, 0);
}
