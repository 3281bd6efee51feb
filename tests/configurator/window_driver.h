// Drives the real main window with keys and clicks, the way a user walks through a configuration.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "configurator/configuration_file.h"
#include "main_window/hmeny.h"
#include "startup/program_state.h"
#include "support/recording_services.h"
#include "support/test_database.h"

// The example configurations of the source tree.
inline const QString kExamples = QStringLiteral(TELMARIS_SOURCE_DIR "/examples/");

// The answers a configuration file holds, read as the program reads them.
inline Configuration configurationIn(const QString& file) {
  const Result<Configuration> read = readConfigurationFile(file);
  EXPECT_TRUE(read) << file.toStdString();
  return read ? *read : Configuration{};
}

// The background colours of the numeric boxes, as red, green and blue.
inline const QColor kWhiteBox(255, 255, 255);
inline const QColor kYellowBox(255, 255, 0);
inline const QColor kRedBox(255, 0, 0);

struct WindowDriver {
  // On a database of test texts ("Eng12"), or on a copy of the shipped program directory.
  explicit WindowDriver(const QString& key = "", bool shipped = false)
      : WindowDriver(key,
                     shipped ? std::make_unique<TestProgramDirectory>(TestProgramDirectory::Built{})
                             : std::make_unique<TestProgramDirectory>()) {}
  // On a database of the given records.
  WindowDriver(const QString& key, const QString& recordsSql)
      : WindowDriver(key, std::make_unique<TestProgramDirectory>(recordsSql)) {}

  WindowDriver(const QString& key, std::unique_ptr<TestProgramDirectory> directory)
      : dir(std::move(directory)), w(state, services) {
    state.Directory = dir->directory();
    state.LanguageKey = key;
    loaded = w.Form_Load();
    w.activateWindow();
    // Offscreen a window may never count as active; the tests go on either way.
    (void)QTest::qWaitForWindowActive(&w);
    settle();  // the model list drops down once the window is active; the tests close it
    w.ComboPXH->hidePopup();
  }
  ~WindowDriver() { w.ComboPXH->hidePopup(); }

  const Configurator& engine() const { return w.configurator(); }

  // Lets the focus handlers and everything they post run.
  void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  }

  // The focused control; the model list's typing field counts as the list.
  QWidget* focused() {
    QWidget* f = w.focusWidget();
    return f == w.ComboPXH->lineEdit() ? w.ComboPXH : f;
  }

  // A key as the keyboard sends it: to the focused widget, which is the dropped-down list while
  // it is open.
  void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* target =
        w.ComboPXH->view()->isVisible() ? w.ComboPXH->view() : QApplication::focusWidget();
    if (!target) target = w.focusWidget();
    QTest::keyClick(target, key, mods);
    settle();
  }
  void enter() { press(Qt::Key_Return); }

  // A new lift height typed over the old one and confirmed; the later steps start again. The
  // window becoming active again drops the model list down, so the user closes it first.
  void changeLiftHeight(const QString& value) {
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
    settle();
    w.ComboPXH->hidePopup();
    click(w.LiftHeightB);
    w.LiftHeightB->selectAll();
    type(value);
    enter();
    w.ComboPXH->hidePopup();
    EXPECT_EQ(w.currentConfiguration().liftHeight, value);
  }
  void tab() { press(Qt::Key_Tab); }

  void type(const QString& text) {
    for (const QChar ch : text) {
      QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : w.focusWidget();
      QTest::keyClick(target, ch.toLatin1());
    }
    settle();
  }

  // A click into a control, as the user puts the focus there.
  void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(6, control->height() / 2));
    settle();
  }

  // A double-click as the window system sends it to a widget: a click, whatever the event loop
  // then has to do, the double-click in place of the second press, and its release.
  void doubleClick(QWidget* control) {
    const QPoint at(6, control->height() / 2);
    click(control);
    QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, at);
    settle();
  }

  // Types the name over the model list's text and confirms it with Enter.
  void chooseModel(const QString& name) {
    click(w.ComboPXH->lineEdit());
    w.ComboPXH->lineEdit()->selectAll();
    type(name);
    press(Qt::Key_Return);
  }

  // Model, lift height and control length, each with Enter; ends in the trolley step.
  void walkToTrolley(const QString& model, const QString& lift, const QString& control) {
    chooseModel(model);
    type(lift);
    enter();
    type(control);
    enter();
  }

  // A trolley option chosen with the cursor keys from "None", then Enter.
  void chooseTrolley(int element) {
    for (int i = 0; i < element; ++i) press(Qt::Key_Down);
    enter();
  }

  // From the trolley step: the option chosen, pull chain, and Enter on every accessory until the
  // output buttons show, or the discount box after the D key.
  void walkToOutput(int trolley = 0) {
    chooseTrolley(trolley);
    enter();  // pull chain
    for (int i = 0; i < 6 && !w.Printerutskrift->isVisible() && !w.RabattB->isVisible(); ++i)
      enter();
  }

  QStringList messages() const {
    QStringList texts;
    for (const RecordedMessage& m : services.messages) texts << m.text;
    return texts;
  }
  // The texts of the Save / Discard / Cancel questions asked so far.
  QStringList questions() const {
    QStringList texts;
    for (const RecordedMessage& m : services.messages)
      if (m.buttons == MsgButtons::SaveDiscardCancel) texts << m.text;
    return texts;
  }
  // File > Open with the file chosen in the dialog.
  void openFile(const QString& file) {
    services.fileAnswer = file;
    w.OpenFile->trigger();
    settle();
    w.ComboPXH->hidePopup();
  }
  QString lastMessage() const {
    return services.messages.empty() ? QString() : services.messages.back().text;
  }
  static QColor colour(const QLineEdit* box) { return box->palette().color(QPalette::Base); }

  std::unique_ptr<TestProgramDirectory> dir;
  ProgramState state;
  RecordingServices services;
  HMeny w;
  bool loaded = false;
};
