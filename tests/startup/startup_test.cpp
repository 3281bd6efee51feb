// The start-up window, the program directory and a failing start.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include "main_window/hmeny.h"
#include "startup/frm_vinjett.h"
#include "startup/program_state.h"
#include "support/recording_services.h"
#include "support/test_database.h"

TEST(StartupWindow, OffersTheEightVariantsAndStartsEnglishOnEnter) {
  TestProgramDirectory dir;
  ProgramState state;
  RecordingServices services;
  frmVinjett start(state, services);
  start.Form_Load(dir.path(), "/nowhere");
  start.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&start));

  const char* captions[] = {
      "English European", "Fran\u00e7ais",  "US Version Metric", "US Version Imperial",
      "Espa\u00f1ol",     "Portugu\u00eas", "Italiano",          "Deutsch"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(start.Command1[i]->text(), QString::fromUtf8(captions[i]));
    if (i < 7) {
      EXPECT_EQ(start.Command1[i]->nextInFocusChain(), start.Command1[i + 1]) << i;
    }
  }
  EXPECT_TRUE(start.Command1[0]->hasFocus());

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

  HMeny* main = start.mainWindow();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(services.messages.empty());
  EXPECT_FALSE(start.isVisible());
  EXPECT_EQ(state.LanguageKey, "");
  EXPECT_TRUE(QTest::qWaitForWindowActive(main));
  EXPECT_TRUE(QTest::qWaitFor([main] { return main->ComboPXH->view()->isVisible(); }))
      << "the model list drops down";
  EXPECT_EQ(main->configurator().currentModel(), "PXH 200 EX");
  EXPECT_EQ(state.ProgramDate, "2017-10-17");
  for (int i = 0; i < 8; ++i) EXPECT_EQ(main->mnuSpråk[i]->isChecked(), i == 0) << i;
  main->ComboPXH->hidePopup();
}

TEST(StartupWindow, EndsTheProgramWhenItsDirectoryOrTheDatabaseCannotBeRead) {
  TestProgramDirectory dir;
  QFile::remove(dir.database());
  ProgramState state;
  {
    // A directory that cannot be entered ends the program before the window shows, and the
    // program's files are not looked for where it happened to be started.
    RecordingServices services;
    frmVinjett start(state, services);
    EXPECT_FALSE(start.Form_Load("/no/such/dir", dir.path()));
    EXPECT_FALSE(start.isVisible());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(services.messages[0].text.contains("/no/such/dir"));
    EXPECT_EQ(services.endStatus, 1);
  }

  // Without a directory on the command line the program's own is taken: a variant chosen there
  // without a database ends the program.
  RecordingServices services;
  frmVinjett start(state, services);
  start.Form_Load("", dir.path());
  EXPECT_EQ(state.Directory.path(), dir.path());
  start.Command1_Click(3);
  ASSERT_EQ(services.messages.size(), 1u);
  const QString text = services.messages[0].text;
  EXPECT_TRUE(text.contains(QFileInfo(dir.database()).absoluteFilePath())) << text.toStdString();
  EXPECT_TRUE(text.contains("unable to open")) << text.toStdString();
  EXPECT_EQ(services.endStatus, 1);
  EXPECT_FALSE(start.mainWindow()->isVisible());

  // A button index outside the eight asks the user to contact the author.
  RecordingServices other;
  frmVinjett second(state, other);
  second.Command1_Click(8);
  ASSERT_EQ(other.messages.size(), 1u);
  EXPECT_TRUE(other.messages[0].text.contains("contact the program's author"));
  EXPECT_EQ(other.endStatus, 1);
  EXPECT_EQ(second.mainWindow(), nullptr);
}
