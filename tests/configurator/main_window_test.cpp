// The main window: its catalogue captions, the layout at start, the change of variant, the steps
// opening and closing, the tab stops and the auxiliary windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QStyleOption>
#include <QTemporaryDir>
#include <functional>
#include <utility>
#include <vector>

#include "configurator/ordering_list.h"
#include "configurator/recent_files.h"
#include "configurator/window_driver.h"
#include "list_window/form3.h"
#include "price_window/form2.h"

namespace {

const QString kNotSaved =
    QStringLiteral("The configuration has not been saved.\n\nDo you want to save it?");

// The price file that renews one price: the zinc-plated 7 mm chain of the smaller models (part
// 12, 36.90 per m in the shipped data) at 40 per m; every other part is set to 0.
QString chainPriceFile(const QTemporaryDir& dir) {
  const QString file = dir.filePath(QStringLiteral("chain.dat"));
  QFile f(file);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\"7302 4410 02\",40\r\n");
  return file;
}

}  // namespace

TEST(MainWindow, ShowsTheCatalogueTextsByNumber) {
  WindowDriver m;  // the test database's text N reads "EngN"
  ASSERT_TRUE(m.loaded);
  HMeny& w = m.w;
  EXPECT_EQ(w.SaveFileAs->text(), "Eng5");
  EXPECT_EQ(w.Newprices1->text(), "Eng114");
  EXPECT_EQ(w.Label1[0]->text(), "Eng12");
  EXPECT_EQ(w.Opt3DHoistControl[1]->text(), "Eng22");
  EXPECT_EQ(w.Opt3DHoistControl[4]->text(), "Eng22");
  EXPECT_EQ(w.fraLubeFree->title(), "Eng126:");
  EXPECT_EQ(w.chkLubeFree->text(), "Eng126");
  EXPECT_EQ(w.cmdLubeFree->text(), "Eng126");
  EXPECT_EQ(w.windowTitle(), "Eng65   (2.13.2)");
  EXPECT_EQ(w.form2().cmdExcelFile->text(), "Eng119");
  // Controls that never take a catalogue text keep their design captions.
  EXPECT_EQ(w.Command1->text(), "Air Prep. Accessories");
  EXPECT_EQ(w.chkStainless->text(), "Stainless steel chain");
  EXPECT_EQ(w.mnuPDF->text(), "&PDF file");
}

TEST(MainWindow, OpensWithOnlyTheModelStepAndTheOutputButtons) {
  WindowDriver m;
  HMeny& w = m.w;
  EXPECT_EQ(w.pos(), QPoint(0, 0));
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
  EXPECT_EQ(m.focused(), w.ComboPXH);
  EXPECT_EQ(m.colour(w.LiftHeightB), kWhiteBox);
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
  m.chooseModel("PXH 500 EX");
  m.type("4");
  ASSERT_EQ(w.LiftHeightB->text(), "4");

  m.services.answers = {MsgAnswer::Discard};  // the lift height typed is given up
  w.mnuSpråk_Click(2);  // US Metric: English texts, US descriptions, seven models
  EXPECT_EQ(m.questions().size(), 1);
  EXPECT_EQ(m.state.LanguageKey, "US Metric");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(w.mnuSpråk[i]->isChecked(), i == 2) << i;
  EXPECT_EQ(w.File->title(), "Eng1");
  EXPECT_EQ(m.state.PartDescription[7], "USM part 7");
  EXPECT_EQ(w.ComboPXH->count(), 7);
  EXPECT_EQ(w.ComboPXH->itemText(5), "PXH 3000 EX");
  EXPECT_EQ(w.Label1[1]->y(), 128);  // 1920 twips
  EXPECT_EQ(w.Picture[6]->pixmap().size(), QSize(10, 20));
  EXPECT_TRUE(w.LiftHeightB->text().isEmpty());  // the configuration starts anew
  EXPECT_FALSE(w.LiftHeightB->isVisible());
  w.ComboPXH->hidePopup();

  w.mnuSpråk_Click(1);  // French: texts and descriptions switch, the label moves up
  EXPECT_EQ(w.windowTitle(), "Fra65   (2.13.2)");
  EXPECT_EQ(m.state.PartDescription[7], "Fra part 7");
  EXPECT_EQ(w.ComboPXH->count(), 6);
  EXPECT_EQ(w.Label1[1]->y(), 116);              // 1740 twips
  EXPECT_TRUE(w.Picture[6]->pixmap().isNull());  // no "2knapp.bmp" here
  w.ComboPXH->hidePopup();

  m.click(w.chkLubeFree);  // the lube-free box reloads the list
  EXPECT_EQ(w.ComboPXH->itemText(0), "PXH 250L EX");
  w.ComboPXH->hidePopup();
  w.mnuSpråk_Click(3);  // and the next variant's list follows it
  EXPECT_EQ(w.ComboPXH->itemText(5), "PXH 3000L EX");
  EXPECT_EQ(w.File->title(), "Imp1");
  w.ComboPXH->hidePopup();

  w.mnuSpråk_Click(9);
  EXPECT_TRUE(m.lastMessage().contains("contact the program's author"));
  EXPECT_EQ(m.services.endStatus, 1);
}

TEST(MainWindow, ShowsTheStepsAsTheyOpenAndClose) {
  WindowDriver d;
  d.walkToTrolley("PXH 250 EX", "4", "3");
  ASSERT_TRUE(d.w.Frame3DTrolley->isVisible());
  EXPECT_TRUE(d.w.Picture[3]->isVisible());
  EXPECT_FALSE(d.w.Frame3DHoistControls->isVisible());
  d.chooseTrolley(4);  // motor wide: the 4-button control and its picture are offered
  ASSERT_TRUE(d.w.Frame3DHoistControls->isVisible());
  EXPECT_TRUE(d.w.Opt3DHoistControl[3]->isVisible());
  EXPECT_TRUE(d.w.Picture[7]->isVisible());
  EXPECT_FALSE(d.w.Opt3DHoistControl[4]->isVisible());
  EXPECT_EQ(d.focused(), d.w.Opt3DHoistControl[0]);
  // The option the steps put the focus on shows its focus mark, after a click as well: the user
  // sees what Enter confirms.
  for (int clicked : {1, 0}) {
    d.click(d.w.Opt3DHoistControl[clicked]);
    ASSERT_EQ(d.focused(), d.w.Opt3DHoistControl[clicked]);
    QStyleOptionButton option;
    option.initFrom(d.w.Opt3DHoistControl[clicked]);
    EXPECT_TRUE(option.state & QStyle::State_KeyboardFocusChange) << clicked;
  }
  // The 2-button picture 700 twips right of the frame's right edge less 15: 7750 twips.
  EXPECT_EQ(d.w.Picture[6]->x(), 517);
  d.enter();  // pull chain: the trolley controls, 2-button only for the light models
  ASSERT_TRUE(d.w.Frame3DTrolleyControls->isVisible());
  EXPECT_FALSE(d.w.Opt3DTrolleyControls[0]->isVisible());
  EXPECT_TRUE(d.w.Opt3DTrolleyControls[1]->isChecked());
  EXPECT_EQ(d.focused(), d.w.Check3D1[0]);  // 3 m: the accessories open at once
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
  EXPECT_EQ(w.Opt3DTrolley[4]->focusPolicy(), Qt::StrongFocus);
  m.chooseModel("PXH 250 EX");
  for (QWidget* c :
       std::initializer_list<QWidget*>{w.ComboPXH, w.LiftHeightB, w.RabattB, w.Check3D1[5],
                                       w.Opt3DTrolley[4], w.chkStainless, w.Printerutskrift})
    EXPECT_EQ(c->focusPolicy(), Qt::ClickFocus) << c->objectName().toStdString();
  m.type("4");
  m.tab();
  EXPECT_EQ(m.focused(), w.ControlLengthB);
  EXPECT_EQ(w.Command1->focusPolicy(), Qt::ClickFocus);  // never in the tab order

  // Coming back from an output window hides both (walk 10 checks where they stand).
  Form2& f2 = w.form2();
  Form3& f3 = w.form3();
  f3.show();
  f2.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f2));
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  EXPECT_FALSE(f2.isVisible());
  EXPECT_FALSE(f3.isVisible());

  // Minimised, the window turns the tab stops on again.
  w.showMinimized();
  QCoreApplication::processEvents();
  EXPECT_EQ(w.LiftHeightB->focusPolicy(), Qt::StrongFocus);
  w.showNormal();
}

TEST(MainWindow, AnOutputBeforeALiftHeightAsksForIt) {
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
  m.services.answers = {MsgAnswer::Discard};  // asked about the lift height typed
  w.NewFile->trigger();
  m.settle();
  EXPECT_EQ(m.questions().size(), 1);
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

TEST(MainWindow, APriceImportOrItsUndoKeepsTheConfigurationAndItsFile) {
  QTemporaryDir dir;
  const QString quote = dir.filePath("quote.telmaris");
  ASSERT_TRUE(QFile::copy(kExamples + "english-european.telmaris", quote));
  const QString prices = chainPriceFile(dir);
  WindowDriver d("", true);
  d.openFile(quote);
  const Configuration opened = d.w.currentConfiguration();
  ASSERT_EQ(opened, configurationIn(quote));
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());

  // Imported: the same answers, now with the new price (5 m of chain at 40, the rest at 0), and
  // the file is still the one opened and still unchanged.
  d.services.fileAnswer = prices;
  d.w.Newprices_Click();
  d.w.ComboPXH->hidePopup();
  ASSERT_EQ(d.state.PartPrice[12], 40.0f);
  EXPECT_EQ(d.w.currentConfiguration(), opened);
  EXPECT_TRUE(d.w.Printerutskrift->isVisible());
  EXPECT_EQ(d.w.LiftHeightB->text(), "4");
  EXPECT_FLOAT_EQ(BuildOrderingList(d.state, d.engine().hoist()).total, 200.0f);
  const std::size_t dialogs = d.services.fileDialogs.size();
  d.w.SaveFile->trigger();
  EXPECT_EQ(d.services.fileDialogs.size(), dialogs) << "Save asked for a name";
  EXPECT_EQ(configurationIn(quote), opened);
  d.w.Exit->trigger();
  EXPECT_TRUE(d.questions().isEmpty()) << d.questions().value(0).toStdString();
  EXPECT_EQ(d.services.endStatus, 0);
  d.services.endStatus.reset();

  // A change not yet saved is still one after the undo, and is asked about.
  d.changeLiftHeight("5");
  const Configuration changed = d.w.currentConfiguration();
  d.w.mnuUndoImport_Click();
  d.w.ComboPXH->hidePopup();
  ASSERT_FLOAT_EQ(*d.state.PartPrice[12], 36.9f);
  EXPECT_EQ(d.w.currentConfiguration(), changed);
  d.services.answers = {MsgAnswer::Cancel};
  d.w.Exit->trigger();
  ASSERT_EQ(d.questions().size(), 1);
  EXPECT_TRUE(d.questions()[0].contains("quote.telmaris")) << d.questions()[0].toStdString();
  EXPECT_FALSE(d.services.endStatus.has_value());
  EXPECT_EQ(configurationIn(quote), opened);

  // A configuration without a file, halfway through the steps, is kept as well.
  d.services.answers = {MsgAnswer::Discard};
  d.w.NewFile->trigger();
  d.w.ComboPXH->hidePopup();
  d.walkToTrolley("PXH 500 EX", "6", "4");
  d.chooseTrolley(1);  // manual narrow; the hoist controls wait
  const Configuration halfway = d.w.currentConfiguration();
  ASSERT_EQ(halfway.trolley, Trolley::ManualNarrow);
  d.services.fileAnswer = prices;
  d.w.Newprices_Click();
  d.w.ComboPXH->hidePopup();
  EXPECT_EQ(d.w.currentConfiguration(), halfway);
  EXPECT_TRUE(d.w.Frame3DHoistControls->isVisible());
  EXPECT_EQ(d.questions().size(), 2);
}

TEST(MainWindow, AConfigurationNeverSavedIsNotDiscardedWithoutAsking) {
  QTemporaryDir dir;
  WindowDriver d("", true);

  // A whole quote with a discount: every way of leaving it asks, and Cancel keeps it.
  d.click(d.w.ComboPXH->lineEdit());
  d.press(Qt::Key_D);
  d.walkToTrolley("PXH 500 EX", "4", "3");
  d.walkToOutput();
  ASSERT_TRUE(d.w.RabattB->isVisible());
  d.type("5");
  d.enter();
  ASSERT_TRUE(d.w.Printerutskrift->isVisible());
  const Configuration quote = d.w.currentConfiguration();
  ASSERT_EQ(quote.discount, 5);
  const QString other = dir.filePath("other.telmaris");
  ASSERT_TRUE(QFile::copy(kExamples + "english-european.telmaris", other));
  const std::vector<std::pair<const char*, std::function<void()>>> leaving{
      {"variant", [&] { d.w.mnuSpråk[7]->trigger(); }},
      {"New File", [&] { d.w.NewFile->trigger(); }},
      {"Open", [&] { d.openFile(other); }},
      {"Exit", [&] { d.w.Exit->trigger(); }},
      {"close box", [&] { d.w.close(); }},
  };
  for (const auto& [what, leave] : leaving) {
    SCOPED_TRACE(what);
    const int asked = d.questions().size();
    d.services.answers = {MsgAnswer::Cancel};
    leave();
    ASSERT_EQ(d.questions().size(), asked + 1);
    EXPECT_EQ(d.questions().back(), kNotSaved);
    EXPECT_EQ(d.w.currentConfiguration(), quote);
    EXPECT_EQ(d.state.LanguageKey, "");
    EXPECT_TRUE(d.w.mnuSpråk[0]->isChecked());
    EXPECT_FALSE(d.services.endStatus.has_value());
    EXPECT_TRUE(d.w.isVisible());
  }

  // Save asks for a name; a cancelled name cancels the whole Exit.
  d.services.answers = {MsgAnswer::Save};
  d.w.Exit->trigger();
  EXPECT_EQ(d.services.fileDialogs.back().title, "Save configuration");
  EXPECT_FALSE(d.services.endStatus.has_value());
  EXPECT_EQ(d.w.currentConfiguration(), quote);

  // Given a name, the quote is written and the variant changes.
  const QString saved = dir.filePath("quote.telmaris");
  d.services.saveAnswer = saved;
  d.services.answers = {MsgAnswer::Save};
  d.w.mnuSpråk[7]->trigger();
  d.w.ComboPXH->hidePopup();
  const Configuration written = configurationIn(saved);
  EXPECT_EQ(written.model, "PXH 500 EX");
  EXPECT_EQ(written.liftHeight, "4");
  EXPECT_EQ(written.controlLength, "3");
  EXPECT_EQ(written.discount, 5);
  EXPECT_EQ(d.state.LanguageKey, "Tysk");
}

TEST(MainWindow, TellsWhatIsWrongWithAPriceFileOrAConfigurationInTheVariantsLanguage) {
  // French: the line of a price file whose quote is not closed, and a configuration that ends
  // inside its object, told in French down to the detail.
  QTemporaryDir dir;
  const QString prices = dir.filePath("prix.dat");
  QFile p(prices);
  ASSERT_TRUE(p.open(QIODevice::WriteOnly));
  p.write("\"7302 4410 02\",40\r\n\"7302 4430 05,8.90\r\n");
  p.close();
  const QString quote = dir.filePath("devis.telmaris");
  QFile q(quote);
  ASSERT_TRUE(q.open(QIODevice::WriteOnly));
  q.write("{\"telmaris\": 1, \"variant\": \"Fran");
  q.close();
  WindowDriver d("Fransk", true);
  d.services.fileAnswer = prices;
  d.w.Newprices_Click();
  EXPECT_TRUE(d.lastMessage().contains(u"Ligne 2 : le guillemet fermant manque."))
      << d.lastMessage().toStdString();
  d.services.fileAnswer = quote;
  d.w.OpenFile->trigger();
  EXPECT_TRUE(d.lastMessage().contains(
      u"Le fichier n'est pas une configuration : un texte n'est pas fermé (au caractère"))
      << d.lastMessage().toStdString();
  EXPECT_EQ(d.state.PartPrice[12], 36.9);  // nothing imported
}
