// The main window's menu commands that belong to the window itself (variant, New File, Exit,
// About) and its window events.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QWindow>

#include "common/variants.h"
#include "common/version.h"
#include "list_window/form3.h"
#include "main_window/hmeny.h"
#include "price_window/form2.h"
#include "quotes/quote_window.h"
#include "startup/program_state.h"
#include "widgets/busy_cursor.h"
#include "widgets/services.h"

void HMeny::checkLanguageMenu(int index) {
  for (int i = 0; i < 8; ++i) mnuSpråk[i]->setChecked(i == index);
}

void HMeny::mnuSpråk_Click(int index) {
  if (!maySetConfigurationAside()) {
    if (const std::optional<Variant> now = variantByKey(state_.LanguageKey))
      checkLanguageMenu(static_cast<int>(now->id));
    return;
  }
  changeVariant(index);
}

void HMeny::changeVariant(int index) {
  checkLanguageMenu(index);
  const std::optional<Variant> variant = variantByIndex(index);
  if (!variant) {
    services_.message(this, contactAuthorMessage());
    services_.endProgram(1);
    return;
  }
  state_.LanguageKey = variant->languageKey;
  engine_.resetConfiguration();
  {
    BusyCursor busy;
    if (!Form_Load()) return;
  }
  form2_->hide();
  form3_->hide();
}

void HMeny::NewFile_Click() {
  if (!maySetConfigurationAside()) return;
  engine_.newFile();
  render();  // the model list has the focus and drops down
}

void HMeny::Exit_Click() {
  if (!mayDiscardConfiguration()) return;
  if (quoteWindow_ && !quoteWindow_->mayDiscard()) return;
  closeHelp();
  services_.endProgram(0);
}

void HMeny::About_Click() {
  services_.message(this, aboutText(state_.ProgramDate), kAboutTitle, MsgIcon::Information);
}

void HMeny::Form_Activate() {
  form2_->hide();
  form3_->hide();
}

void HMeny::closeEvent(QCloseEvent* event) {
  // The close box is Exit; a Cancel at the question about a changed configuration keeps the
  // window open.
  if (!mayDiscardConfiguration() || (quoteWindow_ && !quoteWindow_->mayDiscard())) {
    event->ignore();
    return;
  }
  closeHelp();
  services_.endProgram(0);
  event->accept();
}

void HMeny::focusWindowChanged(QWindow* now) {
  // The user comes back to the main window from one of the output windows: they step aside.
  // A menu, a drop-down list or a message box closing over the main window is no such return,
  // or a window opened from the menu would vanish as the menu closes.
  if (!now) return;
  const QWindow* before = lastFocusWindow_;
  lastFocusWindow_ = now;
  if (now == windowHandle() && before &&
      (before == form2_->windowHandle() || before == form3_->windowHandle()))
    Form_Activate();
}

void HMeny::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) dropDownModelList();
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
    engine_.minimised();
    render();
  }
  QMainWindow::changeEvent(event);
}
