// The main window: captions from the catalogue, the layout at start, the change of variant, the
// steps opening and closing on the window, the tab stops and the auxiliary windows.
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
#include <cmath>

#include "configurator/hmeny.h"
#include "configurator/window_driver.h"
#include "output/form3.h"
#include "prices/form2.h"
#include "startup/program_state.h"
#include "support/recording_services.h"
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

// A design place in twips as the window shows it, at 15 twips per pixel, its edges rounded.
QRect designPlace(int left, int top, int width, int height) {
  auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  return QRect(QPoint(px(left), px(top)), QPoint(px(left + width) - 1, px(top + height) - 1));
}

}  // namespace

TEST(MainWindow, PutsTheCatalogueTextsOnItsControls) {
  WindowDriver m;
  ASSERT_TRUE(m.loaded);
  const struct {
    const char* control;
    const char* caption;
  } expected[] = {
      {"File", "Eng1"},
      {"Newprices1", "Eng114"},
      {"Label1(0)", "Eng12"},
      {"Opt3DTrolleyControls(0)", "Eng21"},
      {"Opt3DHoistControl(0)", "Eng21"},
      {"Opt3DHoistControl(1)", "Eng22"},
      {"Opt3DHoistControl(4)", "Eng22"},
      {"Check3D1(5)", "Eng38"},
      {"fraLubeFree", "Eng126:"},
      {"chkLubeFree", "Eng126"},
      {"optLubeFree(1)", "Eng127"},
      {"HMeny", "Eng65   (2.13.2)"},
      {"Form2.cmdExcelFile", "Eng119"},
      // Controls that never take a catalogue text keep their design captions.
      {"Command1", "Air Prep. Accessories"},
      {"chkStainless", "Stainless steel chain"},
      {"Opt3DSuspensionYoke(1)", "Standard for Beam width 133-332"},
      {"mnuPDF", "&PDF file"},
      {"Help", "&?"},
      {"mnuSpr\u00e5k(4)", "E&spa\u00f1ol"},
      {"Form2.fraSortOrder", "Order by:"},
  };
  for (const auto& e : expected)
    EXPECT_EQ(captionOf(m.w, e.control), QString::fromUtf8(e.caption)) << e.control;
  EXPECT_EQ(m.w.form2().windowTitle(), "Eng111");

  // The menus in their order.
  QStringList names;
  for (QAction* a : m.w.File->actions()) names << a->objectName();
  EXPECT_EQ(names.join(","),
            "NewFile,OpenFile,mnuRecent,SaveFile,SaveFileAs,Linje,Utskrift,PrintPreview,ExportPdf,"
            "Linje2,Exit");
  // The usual shortcuts, as the menus show them.
  const std::pair<QAction*, const char*> shortcuts[] = {
      {m.w.NewFile, "Ctrl+N"},  {m.w.OpenFile, "Ctrl+O"},
      {m.w.SaveFile, "Ctrl+S"}, {m.w.SaveFileAs, "Ctrl+Shift+S"},
      {m.w.Utskrift, "Ctrl+P"}, {m.w.Exit, "Ctrl+Q"},
      {m.w.HowToUse, "F1"}};
  for (const auto& [action, keys] : shortcuts)
    EXPECT_EQ(action->shortcut().toString(), QString::fromLatin1(keys)) << keys;
  names.clear();
  for (QAction* a : m.w.OptionsM->actions()) names << a->objectName();
  EXPECT_EQ(names.mid(8).join(","),
            "Linje3,Newprices,Newprices1,Newprices2,mnuPriceHistory,mnuUndoImport,mnuPDF");
  names.clear();
  for (QAction* a : m.w.Help->actions()) names << a->objectName();
  EXPECT_EQ(names.join(","), "UsingHelp,HowToUse,mnuSeparator1,About");
}

TEST(MainWindow, OpensWithOnlyTheModelStepAndTheOutputButtons) {
  WindowDriver m;
  HMeny& w = m.w;
  EXPECT_EQ(w.client->size(), QSize(800, 547));  // 12000 x 8200 twips
  EXPECT_EQ(w.pos(), QPoint(0, 0));
  EXPECT_EQ(w.ComboPXH->geometry(), designPlace(2010, 510, 3195, 315));
  EXPECT_EQ(w.RabattB->geometry(), designPlace(10920, 5220, 345, 285));
  EXPECT_EQ(w.Printerutskrift->geometry(), designPlace(10290, 6090, 645, 660));
  EXPECT_EQ(w.Check3D1[4]->parentWidget(), w.Frame3DHoistControls);
  EXPECT_EQ(w.Check3D1[4]->geometry(), designPlace(60, 3000, 1365, 540));
  EXPECT_EQ(w.Opt3DTrolley[4]->geometry(), designPlace(60, 1650, 3225, 390));

  const QStringList visible{"Label_Ex",       "cmdLubeFree", "chkLubeFree",
                            "ComboPXH",       "Picture1",    "Cmd_Sk\u00e4rmutskrift",
                            "Printerutskrift"};
  for (QWidget* c : w.client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (c->objectName().isEmpty() || c->isWindow()) continue;
    EXPECT_EQ(c->isVisible(), visible.contains(c->objectName())) << c->objectName().toStdString();
  }
  EXPECT_FALSE(w.Opt3DHoistControl[4]->isVisibleTo(w.Frame3DHoistControls));
  EXPECT_FALSE(w.Check3D1[4]->isVisibleTo(w.Frame3DHoistControls));
  EXPECT_TRUE(w.Opt3DHoistControl[3]->isVisibleTo(w.Frame3DHoistControls));
  EXPECT_FALSE(w.Command1->isEnabled());
  EXPECT_EQ(w.Command1->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(w.Picture[6]->focusPolicy(), Qt::ClickFocus);
  EXPECT_TRUE(w.optTypeOfChain[1]->isChecked());
  EXPECT_EQ(m.focused(), w.ComboPXH);
  EXPECT_EQ(m.colour(w.LiftHeightB), kWhiteBox);
  EXPECT_EQ(m.colour(w.ControlLengthB), kWhiteBox);
  EXPECT_EQ(m.colour(w.RabattB), kYellowBox);
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
  m.chooseModel("PXH 500 EX");
  m.type("4");
  ASSERT_TRUE(w.LiftHeightB->isVisible());
  ASSERT_EQ(w.LiftHeightB->text(), "4");

  w.mnuSpråk_Click(2);  // US Metric
  EXPECT_EQ(m.state.LanguageKey, "US Metric");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.mnuSpråk[i]->isChecked(), i == 2) << i;
  EXPECT_EQ(captionOf(m.w, "File"), "Eng1");            // English texts
  EXPECT_EQ(m.state.PartDescription[7], "USM part 7");  // US descriptions
  EXPECT_EQ(w.ComboPXH->count(), 7);
  EXPECT_EQ(w.ComboPXH->itemText(5), "PXH 3000 EX");
  EXPECT_EQ(w.ComboPXH->currentText(), "PXH 250 EX");
  EXPECT_EQ(w.Label1[1]->y(), 128);  // 1920 twips
  EXPECT_EQ(w.Picture[6]->pixmap().size(), QSize(10, 20));
  EXPECT_TRUE(w.LiftHeightB->text().isEmpty());  // the configuration starts anew
  EXPECT_FALSE(w.LiftHeightB->isVisible());
  EXPECT_FALSE(w.form2().isVisible());
  w.ComboPXH->hidePopup();

  w.mnuSpråk_Click(1);  // French: texts and descriptions switch, the label moves up
  EXPECT_EQ(captionOf(m.w, "File"), "Fra1");
  EXPECT_EQ(captionOf(m.w, "HMeny"), "Fra65   (2.13.2)");
  EXPECT_EQ(m.state.PartDescription[7], "Fra part 7");
  EXPECT_EQ(w.ComboPXH->count(), 6);
  EXPECT_EQ(w.Label1[1]->y(), 116);              // 1740 twips
  EXPECT_TRUE(w.Picture[6]->pixmap().isNull());  // no "2knapp.bmp" here
  w.ComboPXH->hidePopup();

  m.click(w.chkLubeFree);
  w.ComboPXH->hidePopup();
  w.mnuSpråk_Click(3);  // the list follows the lube-free box
  EXPECT_EQ(w.ComboPXH->itemText(5), "PXH 3000L EX");
  EXPECT_EQ(captionOf(m.w, "File"), "Imp1");
  w.ComboPXH->hidePopup();

  w.mnuSpråk_Click(9);
  ASSERT_FALSE(m.services.messages.empty());
  EXPECT_TRUE(m.services.messages.back().text.contains("contact the program's author"));
  EXPECT_EQ(m.services.endStatus, 1);
}

TEST(MainWindow, ShowsTheStepsAsTheyOpenAndClose) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "4", "3");
  ASSERT_TRUE(d.w.Frame3DTrolley->isVisible());
  EXPECT_TRUE(d.w.Picture[3]->isVisible());
  EXPECT_TRUE(d.w.Opt3DTrolley[0]->isChecked());
  EXPECT_FALSE(d.w.Frame3DHoistControls->isVisible());
  d.chooseTrolley(4);  // motor wide: the 4-button control and its picture are offered
  ASSERT_TRUE(d.w.Frame3DHoistControls->isVisible());
  EXPECT_TRUE(d.w.Opt3DHoistControl[3]->isVisible());
  EXPECT_TRUE(d.w.Picture[7]->isVisible());
  EXPECT_FALSE(d.w.Opt3DHoistControl[4]->isVisible());
  EXPECT_TRUE(d.w.Opt3DHoistControl[0]->isChecked());
  EXPECT_EQ(d.focused(), d.w.Opt3DHoistControl[0]);
  // The 2-button picture stands beside the 4-button one: the frame's right edge less 15 twips,
  // and 700 twips more.
  EXPECT_EQ(d.w.Picture[6]->x(), designPlace(5580 + 1485 - 15 + 700, 0, 0, 0).x());
  d.enter();  // pull chain: the trolley controls, 2-button only for the light models
  ASSERT_TRUE(d.w.Frame3DTrolleyControls->isVisible());
  EXPECT_FALSE(d.w.Frame3DTrolleyControls->isEnabled());
  EXPECT_FALSE(d.w.Opt3DTrolleyControls[0]->isVisible());
  EXPECT_TRUE(d.w.Opt3DTrolleyControls[1]->isChecked());
  EXPECT_TRUE(d.w.Check3D1[0]->isVisible());  // 3 m: the accessories open at once
  EXPECT_EQ(d.focused(), d.w.Check3D1[0]);
  for (int i = 0; i < 6 && !d.w.Printerutskrift->isVisible(); ++i) {
    if (d.focused() == d.w.Check3D1[2]) d.press(Qt::Key_Space);  // the chain stop, ticked
    d.enter();
  }
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_TRUE(d.w.Check3D1[2]->isChecked());

  // Typing into the lift height again closes every later step on the window.
  d.click(d.w.LiftHeightB);
  d.press(Qt::Key_End);
  d.type("5");
  EXPECT_EQ(d.w.LiftHeightB->text(), "45");
  EXPECT_FALSE(d.w.ControlLengthB->isVisible());
  EXPECT_TRUE(d.w.ControlLengthB->text().isEmpty());
  EXPECT_FALSE(d.w.Frame3DTrolley->isVisible());
  EXPECT_FALSE(d.w.Frame3DHoistControls->isVisible());
  EXPECT_FALSE(d.w.Check3D1[2]->isVisible());
  EXPECT_FALSE(d.w.Check3D1[2]->isChecked());
  EXPECT_FALSE(d.w.Printerutskrift->isVisible());
}

TEST(MainWindow, SwitchesTabStopsAndKeepsTheAuxiliaryWindowsAside) {
  WindowDriver m;
  HMeny& w = m.w;
  // In the model list the tab stops are on; in the lift height box they are off, so that Tab
  // reaches the box as a step key.
  ASSERT_TRUE(m.engine().tabStopsOn());
  EXPECT_EQ(w.Opt3DTrolley[4]->focusPolicy(), Qt::StrongFocus);
  m.chooseModel("PXH 250 EX");
  ASSERT_FALSE(m.engine().tabStopsOn());
  for (QWidget* c : std::initializer_list<QWidget*>{
           w.ComboPXH, w.LiftHeightB, w.RabattB, w.Check3D1[5], w.Opt3DTrolley[4], w.optChoose[1],
           w.chkStainless, w.Printerutskrift})
    EXPECT_EQ(c->focusPolicy(), Qt::ClickFocus) << c->objectName().toStdString();
  m.type("4");
  m.tab();
  EXPECT_EQ(m.focused(), w.ControlLengthB);
  EXPECT_EQ(w.Command1->focusPolicy(), Qt::ClickFocus);  // never in the tab order

  // The output windows, framed, at the lower right of the screen, the sheet above the list.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  Form2& f2 = w.form2();
  Form3& f3 = w.form3();
  f3.show();
  f2.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f2));
  EXPECT_EQ(f2.frameGeometry().bottomRight(), screen.bottomRight());
  EXPECT_EQ(f3.frameGeometry().right(), screen.right());
  EXPECT_EQ(f3.frameGeometry().bottom() + 1,
            std::max(screen.top() + f3.frameGeometry().height(), f2.frameGeometry().top()));
  // Coming back from an output window hides both; a window opened from the main window stays.
  EXPECT_TRUE(f3.isVisible());
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_FALSE(f2.isVisible());
  EXPECT_FALSE(f3.isVisible());

  // Minimised, the window turns the tab stops on again.
  w.showMinimized();
  QCoreApplication::processEvents();
  EXPECT_TRUE(m.engine().tabStopsOn());
  EXPECT_EQ(w.LiftHeightB->focusPolicy(), Qt::StrongFocus);
  w.showNormal();
}

TEST(MainWindow, AnOutputBeforeALiftHeightAsksForIt) {
  // Right after start-up the output buttons show, but nothing has been configured: each says
  // text 13 and the model list has the focus; no list, no print dialog.
  WindowDriver m;
  m.click(m.w.Cmd_Skärmutskrift);
  EXPECT_EQ(m.messages(), QStringList{"Eng13"});
  EXPECT_FALSE(m.w.form2().isVisible());
  EXPECT_EQ(m.focused(), m.w.ComboPXH);
  m.services.messages.clear();
  m.w.Utskrift->trigger();
  m.settle();
  EXPECT_EQ(m.messages(), QStringList{"Eng13"});
  EXPECT_EQ(m.services.printDialogs, 0);
}

TEST(MainWindow, NewFileAndExit) {
  WindowDriver m;
  HMeny& w = m.w;
  m.click(w.ComboPXH->lineEdit());
  m.press(Qt::Key_D);  // the discount step is asked for
  ASSERT_TRUE(m.engine().discountAsked());
  m.chooseModel("PXH 250 EX");
  m.type("5");
  ASSERT_EQ(w.LiftHeightB->text(), "5");
  w.NewFile->trigger();
  m.settle();
  EXPECT_EQ(m.focused(), w.ComboPXH);
  EXPECT_TRUE(w.LiftHeightB->text().isEmpty());
  EXPECT_FALSE(w.LiftHeightB->isVisible());
  EXPECT_FALSE(m.engine().discountAsked());
  EXPECT_TRUE(w.ComboPXH->view()->isVisible());  // the list drops down
  w.ComboPXH->hidePopup();

  w.Exit->trigger();
  EXPECT_EQ(m.services.endStatus, 0);
  m.services.endStatus.reset();
  w.close();  // the close box runs Exit
  EXPECT_EQ(m.services.endStatus, 0);
}
