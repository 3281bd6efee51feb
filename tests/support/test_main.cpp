// Runs the tests inside a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "startup/application_setup.h"

namespace {

// Every test starts in English: a test that switched the window to another variant leaves its
// translators installed otherwise, and the next test of the same process would speak its language.
class BackToEnglish : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override { useLanguageOf(QString(), QString()); }
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  useProgramFont();  // the windows' own font, as the program sets it
  ::testing::UnitTest::GetInstance()->listeners().Append(new BackToEnglish);
  return RUN_ALL_TESTS();
}
