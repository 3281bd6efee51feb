// Runs the tests inside a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "startup/application_setup.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  useProgramFont();  // the windows' own font, as the program sets it
  return RUN_ALL_TESTS();
}
