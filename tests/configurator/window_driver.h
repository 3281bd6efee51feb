// Drives the real main window with keys, the way a user walks through a configuration.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "configurator/hmeny.h"
#include "configurator/numeric_inputs.h"
#include "startup/program_state.h"
#include "support/recording_services.h"
#include "support/test_database.h"

struct WindowDriver {
  // On a database of test texts ("Eng12"), or on a copy of the shipped program directory.
  explicit WindowDriver(const QString& key = "", bool shipped = false)
      : WindowDriver(key, shipped ? std::make_unique<ProgramDirectory>(ProgramDirectory::Built{})
                                  : std::make_unique<ProgramDirectory>()) {}
  // On a database of the given records.
  WindowDriver(const QString& key, const QString& recordsSql)
      : WindowDriver(key, std::make_unique<ProgramDirectory>(recordsSql)) {}

  WindowDriver(const QString& key, std::unique_ptr<ProgramDirectory> directory)
      : dir(std::move(directory)), w(state, services) {
    state.AppPath = dir->path();
    state.LanguageKey = key;
    loaded = w.Form_Load();
    w.ComboPXH->hidePopup();
    w.activateWindow();
    active = QTest::qWaitForWindowActive(&w);
    settle();
  }
  ~WindowDriver() { w.ComboPXH->hidePopup(); }

  // Lets the focus handlers and everything they post run.
  void settle() {
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  }

  QWidget* focused() {
    QWidget* f = w.focusWidget();
    return f == w.ComboPXH->lineEdit() ? w.ComboPXH : f;
  }

  void press(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(target == w.ComboPXH ? w.ComboPXH->lineEdit() : target, key, mods);
    settle();
  }
  void enter() { press(focused(), Qt::Key_Return); }
  void tab() { press(focused(), Qt::Key_Tab); }

  void type(const QString& text) {
    QTest::keyClicks(focused(), text);
    settle();
  }

  // Picks a model in the list and confirms it with Enter.
  void chooseModel(const QString& name) {
    w.ComboPXH->setFocus();
    settle();
    const int i = w.ComboPXH->findText(name);
    if (i >= 0)
      w.ComboPXH->setCurrentIndex(i);
    else
      w.ComboPXH->setEditText(name);
    press(w.ComboPXH, Qt::Key_Return);
  }

  // Model, lift height and control length, each confirmed with Enter; ends in the trolley step.
  void walkToTrolley(const QString& model, const QString& lift, const QString& control) {
    chooseModel(model);
    type(lift);
    enter();
    type(control);
    enter();
  }

  // A trolley option chosen with the cursor keys from "None", then Enter.
  void chooseTrolley(int element) {
    for (int i = 0; i < element; ++i) press(focused(), Qt::Key_Down);
    enter();
  }

  void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, QPoint(6, control->height() / 2));
    settle();
  }

  QStringList messages() const {
    QStringList texts;
    for (const RecordedMessage& m : services.messages) texts << m.text;
    return texts;
  }
  QString lastMessage() const {
    return services.messages.empty() ? QString() : services.messages.back().text;
  }
  FieldColour colour(QLineEdit* box) const {
    return colourFrom(box->palette().color(QPalette::Base));
  }

  std::unique_ptr<ProgramDirectory> dir;
  ProgramState state;
  RecordingServices services;
  HMeny w;
  bool loaded = false;
  bool active = false;
};
