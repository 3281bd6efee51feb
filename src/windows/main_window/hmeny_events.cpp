// Turns Qt's key, mouse and focus events of the main window's controls into calls of the
// configurator, in the program's own key numbers, and renders its answer.
//
// A pick in the model list, a typed text, a tick and a key are handed over at once, whatever the
// focus is doing. Focus changes the user makes (a click, Tab while the tab stops are on) are
// handed over once the event that moved the focus is done, so that a message box never opens in
// the middle of a focus change; the focus changes the window makes itself are no news.
//
// A double-click confirms a step's box, option or accessory as Enter does, so that a
// configuration can be finished with the mouse alone; the first click of the double-click has
// done what a single click does.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "configurator/numeric_inputs.h"
#include "main_window/hmeny.h"
#include "startup/program_state.h"

namespace {

// The keys that are control characters as well: Enter, Tab, Backspace, Escape; 0 for every
// other key.
int controlCharacterOf(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::Tab;
    case Qt::Key_Backspace:
      return Key::Backspace;
    case Qt::Key_Escape:
      return Key::Escape;
    default:
      return 0;
  }
}

// The key code of a key going down: letters and digits as their capitals and digits, the keypad
// digits from Key::KeypadZero, the cursor keys, Shift, Space and the control characters.
int keyCodeOf(const QKeyEvent* e) {
  const int k = e->key();
  if ((e->modifiers() & Qt::KeypadModifier) && k >= Qt::Key_0 && k <= Qt::Key_9)
    return Key::KeypadZero + (k - Qt::Key_0);
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
  switch (k) {
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Shift:
      return Key::Shift;
    case Qt::Key_Space:
      return Key::Space;
    default:
      return controlCharacterOf(k);
  }
}

// The character code of a key press; 0 for keys that type no character.
int charCodeOf(const QKeyEvent* e) {
  if (const int control = controlCharacterOf(e->key())) return control;
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
  const QString text = e->text();
  if (text.isEmpty() || !text[0].isPrint()) return 0;
  return text[0].unicode();
}

// D or d in the model list asks for the discount step; no model name has the letter, so it is
// not typed into the box.
bool isDiscountKey(const QKeyEvent* e, int code) {
  return code == Key::D && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace

// Counts the presses of a mouse button that reach any widget of the program. A double-click is
// the control's own only when no other press came between its first click and it: the first
// click may have taken away what it clicked (an entry of the dropped-down list, a menu item, the
// button of a message box), and the second one then lands on the control beneath.
class MousePressCounter : public QObject {
 public:
  using QObject::QObject;
  quint64 count() const { return count_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The second press of a double-click reaches the window only, as the double-click itself.
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType() &&
        !(static_cast<QMouseEvent*>(event)->flags() & Qt::MouseEventCreatedDoubleClick))
      ++count_;
    return false;
  }

 private:
  quint64 count_ = 0;
};

void HMeny::installHandlers() {
  mapControls();
  presses_ = new MousePressCounter(this);
  qApp->installEventFilter(presses_);
  for (QWidget* w : widgets_)
    if (w) w->installEventFilter(this);
  ComboPXH->lineEdit()->installEventFilter(this);
  ComboPXH->view()->installEventFilter(this);

  // A pick by the mouse in the dropped-down list.
  connect(ComboPXH, &QComboBox::activated, this, [this](int index) {
    if (rendering_) return;
    engine_.modelPicked(ComboPXH->itemText(index));
    render();
  });
  connect(ComboPXH->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { engine_.modelTyped(text); });
  connect(LiftHeightB, &QLineEdit::textEdited, this, [this](const QString& text) {
    engine_.liftHeightTyped(text);
    render();
  });
  connect(ControlLengthB, &QLineEdit::textEdited, this, [this](const QString& text) {
    engine_.controlLengthTyped(text);
    render();
  });
  connect(RabattB, &QLineEdit::textEdited, this, [this](const QString& text) {
    engine_.discountTyped(text);
    render();
  });
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    if (auto* box = qobject_cast<QCheckBox*>(widgets_[i])) {
      connect(box, &QCheckBox::clicked, this, [this, c](bool on) {
        if (rendering_) return;
        engine_.ticked(c, on);
        render();
      });
    } else if (auto* option = qobject_cast<QRadioButton*>(widgets_[i]);
               option && c != Ctl::optChoose0 && c != Ctl::optChoose1 && c != Ctl::optLubeFree0 &&
               c != Ctl::optLubeFree1) {
      connect(option, &QRadioButton::clicked, this, [this, c] {
        if (rendering_) return;
        engine_.optionClicked(c);
        render();
      });
    }
  }
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          [this](QWindow* now) { focusWindowChanged(now); });
}

bool HMeny::eventFilter(QObject* watched, QEvent* event) {
  const Ctl c = controlOf(watched);
  if (c == Ctl::None) return QMainWindow::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      return keyEvent(c, watched, static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride:
      // The open list takes Enter before any key press is sent: the pick happens here, and the
      // key press that follows, which reaches the control the pick gave the focus, is its own.
      if (watched == ComboPXH->view() &&
          controlCharacterOf(static_cast<QKeyEvent*>(event)->key()) == Key::Enter) {
        const QString text = ComboPXH->view()->currentIndex().data().toString();
        ComboPXH->hidePopup();
        swallowPickKey_ = true;
        QMetaObject::invokeMethod(
            this, [this] { swallowPickKey_ = false; }, Qt::QueuedConnection);
        activateWindow();  // the drop-down held the activation; take it back before moving on
        engine_.modelPicked(text.isEmpty() ? ComboPXH->currentText() : text);
        render();
        event->accept();
        return true;
      }
      return false;
    case QEvent::FocusIn:
      focusArrived(c, static_cast<QFocusEvent*>(event)->reason());
      return false;
    case QEvent::MouseButtonPress:
      return pressed(c);
    case QEvent::MouseButtonDblClick:
      return doubleClicked(c, watched);
    default:
      return QMainWindow::eventFilter(watched, event);
  }
}

bool HMeny::pressed(Ctl c) {
  pressedControl_ = c;
  pressSerial_ = presses_->count();
  if (c == Ctl::optChoose0 || c == Ctl::optChoose1) {
    engine_.feetChosen(elementOf(c));
    render();
    return true;
  }
  return false;
}

bool HMeny::doubleClicked(Ctl c, QObject* watched) {
  const bool ownDoubleClick = c == pressedControl_ && presses_->count() == pressSerial_;
  pressedControl_ = Ctl::None;
  const bool box = c == Ctl::LiftHeightB || c == Ctl::ControlLengthB || c == Ctl::RabattB;
  const bool button = qobject_cast<QAbstractButton*>(watched) != nullptr;
  // The model list's box keeps its own double-click, which selects a word.
  if (ownDoubleClick && !box && !button) return false;
  // Only the control the steps have focused is confirmed. A double-click whose first click
  // reached something else, or that the steps turned down or that moved on by itself (the
  // stainless-steel box, the feet prompt), leaves the step where it is; a button never takes it
  // as one more press: the box the first click ticked or cleared stays so, and an output
  // button does not act twice.
  if (ownDoubleClick && !rendering_ && c == engine_.focus() &&
      !qobject_cast<QPushButton*>(watched) && c != Ctl::chkLubeFree) {
    engine_.stepKey(c, Key::Enter);
    render();
    return true;
  }
  // The focus the double-click gave the control on its way is no step of the user's either:
  // handed over, it would repeat what the first click did, or take the steps back to the model
  // list after a pick in the dropped-down list.
  if (userFocus_ == c) userFocus_ = Ctl::None;
  render();
  return true;
}

bool HMeny::keyEvent(Ctl c, QObject* watched, QKeyEvent* e) {
  const int code = keyCodeOf(e);
  const int key = charCodeOf(e);

  if (swallowPickKey_ && key == Key::Enter) {
    swallowPickKey_ = false;
    return true;
  }
  if (watched == ComboPXH->view()) {
    // The drop-down list is open: the cursor keys step through the list, and every key counts
    // as a key of the model list.
    if (Key::isCursorKey(code))
      engine_.modelCursorKey(code, QString());
    else
      engine_.modelKeyDown(code);
    return isDiscountKey(e, code);
  }

  // A key that the focused control left alone travels on to the controls around it: no key of
  // theirs.
  if (watched != focusWidget()) return false;

  // A key that follows a click faster than the click's focus was handed over: hand it now.
  if (c == userFocus_ && c != engine_.focus()) takeUserFocus(c);
  // A key belongs to the control the configurator has focused, wherever the window system
  // happens to have put the focus meanwhile.
  if (c != engine_.focus()) {
    QWidget* target = widgetOf(engine_.focus());
    if (!target || !target->isVisible() || !target->isEnabled()) return true;
    if (target == ComboPXH) target = ComboPXH->lineEdit();
    target->setFocus();
    QKeyEvent copy(e->type(), e->key(), e->modifiers(), e->text(), e->isAutoRepeat(),
                   static_cast<ushort>(e->count()));
    QCoreApplication::sendEvent(target, &copy);
    return true;
  }

  // With the tab stops on, Tab moves the focus as usual and is no key of the control; only the
  // stainless-steel box hands it on, as leaving the box leads to the lift height, and the
  // control Tab would reach next (the lube-free information) is no step.
  if (key == Key::Tab && engine_.tabStopsOn() && c != Ctl::chkStainless) return false;

  if (c == Ctl::ComboPXH) {
    if ((code == Key::Up || code == Key::Down) && !(e->modifiers() & Qt::AltModifier)) {
      // A step through the closed list: the next name, as a click that resets nothing.
      int index = ComboPXH->findText(ComboPXH->currentText());
      index = std::clamp(index + (code == Key::Down ? 1 : -1), 0, int(ComboPXH->count()) - 1);
      engine_.modelCursorKey(code, ComboPXH->itemText(index));
      render();
      return true;
    }
    if (!(e->modifiers() & Qt::AltModifier)) engine_.modelKeyDown(code);
    if (isDiscountKey(e, code)) return true;
    if (key == Key::Enter || key == Key::Tab) {
      engine_.stepKey(c, key);
      render();
      return true;
    }
    return false;
  }

  if (c == Ctl::LiftHeightB || c == Ctl::ControlLengthB || c == Ctl::RabattB) {
    if (key == Key::Enter || key == Key::Tab) {
      engine_.stepKey(c, key);
      render();
      return true;
    }
    if (!key) return false;
    const int passed = c == Ctl::RabattB ? FilterDigitKey(key) : FilterDecimalKey(key);
    if (passed == 0) {
      QApplication::beep();
      return true;
    }
    if (passed == key) return false;
    static_cast<QLineEdit*>(widgetOf(c))->insert(QString(QChar(passed)));
    return true;
  }

  if (c == Ctl::optChoose0 || c == Ctl::optChoose1) {
    if (!key) return false;  // the cursor keys move between the two values
    engine_.feetChosen(elementOf(c));
    render();
    return true;
  }

  if (c == Ctl::Printerutskrift) {
    if (code == Key::Shift && e->modifiers() == Qt::ShiftModifier) {
      engine_.focusControl(Ctl::Cmd_Skärmutskrift);
      render();
    }
    return false;
  }
  if (c == Ctl::Cmd_Skärmutskrift) return false;  // Enter presses the button

  if (key == Key::Enter || key == Key::Tab) {
    engine_.stepKey(c, key);
    render();
    return true;
  }
  if (Key::isCursorKey(code) && qobject_cast<QRadioButton*>(widgetOf(c))) {
    moveWithinGroup(c, code == Key::Left || code == Key::Up ? -1 : 1);
    return true;
  }
  return false;
}

void HMeny::moveWithinGroup(Ctl c, int step) {
  // The cursor keys go to the next option of the group that is offered, top to bottom as the
  // user sees them, and select it.
  std::vector<Ctl> group;
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl other = static_cast<Ctl>(i);
    if (frameOf(other) == frameOf(c) && qobject_cast<QRadioButton*>(widgets_[i]) &&
        engine_.shown(other) && engine_.control(other).enabled)
      group.push_back(other);
  }
  std::sort(group.begin(), group.end(),
            [this](Ctl a, Ctl b) { return widgetOf(a)->y() < widgetOf(b)->y(); });
  const auto at = std::find(group.begin(), group.end(), c);
  if (at == group.end()) return;
  const auto index = (at - group.begin() + step + static_cast<long>(group.size())) %
                     static_cast<long>(group.size());
  engine_.focusControl(group[static_cast<std::size_t>(index)]);
  render();
}

void HMeny::focusArrived(Ctl c, Qt::FocusReason reason) {
  // The user moved the focus with the mouse or with Tab: the configurator follows once the
  // event is done. Any other change of focus (a window activated by the window manager, a
  // drop-down list closing, a window of the program's own) is no step of the user's, and the
  // focus goes back where the configurator has it.
  if (rendering_) return;
  const bool byUser = reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                      reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
  userFocus_ = byUser ? c : Ctl::None;
  QMetaObject::invokeMethod(
      this,
      [this, c] {
        if (c == userFocus_) takeUserFocus(c);
        render();
      },
      Qt::QueuedConnection);
}

void HMeny::takeUserFocus(Ctl c) {
  userFocus_ = Ctl::None;
  // A handler of the same click may have moved the focus on already (an option whose rule
  // gives the next control the focus): the focus change is then out of date.
  if (c == engine_.focus() || controlOf(focusWidget()) != c) return;
  if (c >= Ctl::Picture1 && c <= Ctl::Picture15)
    engine_.pictureFocused(elementOf(c));
  else
    engine_.focusControl(c);
  render();
}

bool HMeny::commitPendingEdit(Ctl outputButton) {
  userFocus_ = Ctl::None;
  engine_.clearRefusal();
  engine_.focusControl(outputButton);
  render();
  return !engine_.refusal();
}
