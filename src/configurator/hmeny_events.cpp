// Turns Qt's key, mouse and focus events of the main window's controls into the window's
// handlers, in the program's own key numbers.
//
// Focus handlers run, in the order the focus moved, after the event that moved it has been dealt
// with: a handler that moves the focus finishes before the control that lost it reacts, and a
// message box never opens in the middle of a focus change.
#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "configurator/hmeny.h"
#include "startup/program_state.h"

namespace {

// The keys that are control characters as well: Enter 13, Tab 9, Backspace 8, Escape 27; 0 for
// every other key.
int controlCharacterOf(int key) {
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Escape: return 27;
    default: return 0;
  }
}

// The key code of a key going down: letters and digits as their capitals and digits, the keypad
// digits 96 to 105, the cursor keys 37 to 40, Shift 16, and the control characters.
int keyCodeOf(const QKeyEvent* e) {
  const int k = e->key();
  if ((e->modifiers() & Qt::KeypadModifier) && k >= Qt::Key_0 && k <= Qt::Key_9)
    return 96 + (k - Qt::Key_0);
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return k;
  switch (k) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Space: return 32;
    default: return controlCharacterOf(k);
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

template <std::size_t N, typename T>
int indexIn(const std::array<T*, N>& controls, const QObject* watched) {
  for (std::size_t i = 0; i < N; ++i)
    if (controls[i] == watched) return static_cast<int>(i);
  return -1;
}

}  // namespace

void HMeny::installHandlers() {
  QList<QWidget*> watched{ComboPXH,         ComboPXH->lineEdit(), ComboPXH->view(),
                          LiftHeightB,      ControlLengthB,       RabattB,
                          Printerutskrift,  Cmd_Skärmutskrift,    Command1,
                          chkStainless,     chkLubeFree};
  for (QRadioButton* o : Opt3DTrolley) watched << o;
  for (QRadioButton* o : Opt3DHoistControl) watched << o;
  for (QRadioButton* o : Opt3DTrolleyControls) watched << o;
  for (QCheckBox* c : Check3D1) watched << c;
  for (int i = 0; i < 2; ++i)
    watched << Opt3DSuspensionYoke[i] << optChoose[i] << optTypeOfChain[i] << optLubeFree[i];
  for (int i = 1; i <= 15; ++i) watched << Picture[i];
  for (QWidget* w : watched) w->installEventFilter(this);

  // A pick by the mouse, or a step through the list with the cursor keys, is a click.
  connect(ComboPXH, &QComboBox::activated, this, [this] { ComboPXH_Click(); });
  connect(LiftHeightB, &QLineEdit::textChanged, this, [this] { LiftHeightB_Change(); });
  connect(ControlLengthB, &QLineEdit::textChanged, this, [this] { ControlLengthB_Change(); });
  connect(RabattB, &QLineEdit::textChanged, this, [this] { RabattB_Change(); });
  for (int i = 0; i < 5; ++i)
    connect(Opt3DHoistControl[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Opt3DHoistControl_Click(i);
    });
  for (int i = 0; i < 2; ++i) {
    connect(Opt3DTrolleyControls[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Opt3DTrolleyControls_Click(i);
    });
    connect(optLubeFree[i], &QRadioButton::clicked, this, [this, i] { optLubeFree_Click(i); });
  }
  connect(chkStainless, &QCheckBox::clicked, this, [this] { chkStainless_Click(); });
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { focusMoved(now); });
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          [this](QWindow* now) { focusWindowChanged(now); });
  connect(chkLubeFree, &QCheckBox::clicked, this, [this] { chkLubeFree_Click(); });
}

bool HMeny::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return keyEvent(watched, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress: {
      const int choose = indexIn(optChoose, watched);
      if (choose >= 0) optChoose_Choose(choose);
      return false;
    }
    default:
      return QMainWindow::eventFilter(watched, event);
  }
}

bool HMeny::keyEvent(QObject* watched, QKeyEvent* e) {
  const int code = keyCodeOf(e);
  int key = charCodeOf(e);

  if (watched == ComboPXH->view()) {
    // The drop-down list is open: cursor keys and the D key count as keys of the model list,
    // Enter and Tab pick the highlighted model and are then handled as keys of the list.
    if (code == 13 || code == 9) {
      ComboPXH->setCurrentIndex(ComboPXH->view()->currentIndex().row());
      ComboPXH->hidePopup();
      activateWindow();  // the drop-down held the activation; take it back before moving on
      ComboPXH->setFocus();
      int pressed = code;
      ComboPXH_KeyPress(pressed);
      return true;
    }
    ComboPXH_KeyDown(code);
    return false;
  }

  // With the tab stops on, Tab moves the focus as usual and is no key of the control.
  if (key == 9 && tabStopsOn_) return false;

  if (watched == ComboPXH || watched == ComboPXH->lineEdit()) {
    ComboPXH_KeyDown(code);
    if (!key) return false;
    const bool step = key == 13 || key == 9;
    ComboPXH_KeyPress(key);
    return step || key == 0;
  }

  auto textBox = [&](QLineEdit* box, auto handler) {
    if (!key) return false;
    const int typed = key;
    (this->*handler)(key);
    if (key == typed) return false;
    if (key != 0) box->insert(QString(QChar(key)));
    return true;
  };
  if (watched == LiftHeightB) return textBox(LiftHeightB, &HMeny::LiftHeightB_KeyPress);
  if (watched == ControlLengthB) return textBox(ControlLengthB, &HMeny::ControlLengthB_KeyPress);
  if (watched == RabattB) return textBox(RabattB, &HMeny::RabattB_KeyPress);

  if (watched == Printerutskrift) {
    const int shift = e->modifiers() == Qt::ShiftModifier ? 1 : 0;
    Printerutskrift_KeyDown(code, shift);
    return false;
  }
  if (watched == Command1) {
    if (key) Command1_KeyPress(key);
    return key == 0;
  }

  auto optionKey = [&](auto handler, int index) {
    if (!key) return false;
    (this->*handler)(index, key);
    return key == 0;
  };
  if (int i = indexIn(Opt3DTrolley, watched); i >= 0)
    return optionKey(&HMeny::Opt3DTrolley_KeyPress, i);
  if (int i = indexIn(Opt3DHoistControl, watched); i >= 0)
    return optionKey(&HMeny::Opt3DHoistControl_KeyPress, i);
  if (int i = indexIn(Opt3DTrolleyControls, watched); i >= 0)
    return optionKey(&HMeny::Opt3DTrolleyControls_KeyPress, i);
  if (int i = indexIn(Opt3DSuspensionYoke, watched); i >= 0)
    return optionKey(&HMeny::Opt3DSuspensionYoke_KeyPress, i);
  if (int i = indexIn(Check3D1, watched); i >= 0) return optionKey(&HMeny::Check3D1_KeyPress, i);
  if (int i = indexIn(optTypeOfChain, watched); i >= 0)
    return optionKey(&HMeny::optTypeOfChain_KeyPress, i);
  if (int i = indexIn(optChoose, watched); i >= 0) {
    optChoose_Choose(i);
    return true;
  }
  return false;
}

void HMeny::focusMoved(QWidget* now) {
  // The control that has the focus in this window. A message box, another window or the model
  // list's drop-down taking the focus for a while is no change of control: when the focus comes
  // back to the same control, nothing happened.
  if (now && (now == ComboPXH->lineEdit() || now->window() == ComboPXH->view()->window()))
    now = ComboPXH;  // the model list's typing field and its drop-down are the list
  if (!now || now->window() != this) return;
  QWidget* control = now;
  if (control == focusedControl_) return;
  QPointer<QWidget> lost = focusedControl_;
  focusedControl_ = control;
  QMetaObject::invokeMethod(
      this,
      [this, lost, gained = QPointer<QWidget>(control)] {
        if (lost) controlLostFocus(lost);
        if (gained) controlGotFocus(gained);
      },
      Qt::QueuedConnection);
}

void HMeny::controlGotFocus(QWidget* widget) {
  // An option button that gets the focus is selected (the feet choice only by a key or a click
  // of its own).
  if (auto* option = qobject_cast<QRadioButton*>(widget);
      option && option != optChoose[0] && option != optChoose[1])
    option->setChecked(true);
  if (widget == ComboPXH) return ComboPXH_GotFocus();
  if (widget == LiftHeightB) return LiftHeightB_GotFocus();
  if (widget == ControlLengthB) return ControlLengthB_GotFocus();
  if (widget == RabattB) return RabattB_GotFocus();
  if (widget == Printerutskrift) return Printerutskrift_GotFocus();
  if (widget == Cmd_Skärmutskrift) return Cmd_Skärmutskrift_GotFocus();
  if (int i = indexIn(Opt3DTrolley, widget); i >= 0) return Opt3DTrolley_GotFocus(i);
  if (int i = indexIn(Opt3DHoistControl, widget); i >= 0) return Opt3DHoistControl_GotFocus(i);
  if (int i = indexIn(Opt3DTrolleyControls, widget); i >= 0)
    return Opt3DTrolleyControls_GotFocus(i);
  if (int i = indexIn(Opt3DSuspensionYoke, widget); i >= 0)
    return Opt3DSuspensionYoke_GotFocus(i);
  if (int i = indexIn(optTypeOfChain, widget); i >= 0) return optTypeOfChain_GotFocus(i);
  if (int i = indexIn(Picture, widget); i >= 1) return Picture_GotFocus(i);
}

void HMeny::controlLostFocus(QWidget* widget) {
  if (widget == ComboPXH) return ComboPXH_LostFocus();
  if (widget == LiftHeightB) return LiftHeightB_LostFocus();
  if (widget == ControlLengthB) return ControlLengthB_LostFocus();
  if (widget == Printerutskrift) return Printerutskrift_LostFocus();
  if (widget == chkStainless) return chkStainless_LostFocus();
  if (int i = indexIn(Opt3DTrolley, widget); i >= 0) return Opt3DTrolley_LostFocus(i);
  if (int i = indexIn(Opt3DHoistControl, widget); i >= 0) return Opt3DHoistControl_LostFocus(i);
  if (int i = indexIn(Check3D1, widget); i >= 0) return Check3D1_LostFocus(i);
}
