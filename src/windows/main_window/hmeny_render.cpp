// The main window shows the configurator: which controls are visible, enabled and ticked, the
// texts and colours of the boxes, the captions and places the steps set, the focus, and then
// the messages of the step.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <utility>

#include "main_window/hmeny.h"
#include "startup/program_state.h"
#include "widgets/caption_fit.h"
#include "widgets/services.h"
#include "widgets/twips.h"

namespace {

QColor colourOf(FieldColour colour) {
  switch (colour) {
    case FieldColour::White:
      return QColor(255, 255, 255);
    case FieldColour::Yellow:
      return QColor(255, 255, 0);
    case FieldColour::Red:
      return QColor(255, 0, 0);
  }
  return QColor(255, 255, 255);
}

void setColour(QLineEdit* box, FieldColour colour) {
  QPalette p = box->palette();
  if (p.color(QPalette::Base) == colourOf(colour)) return;
  p.setColor(QPalette::Base, colourOf(colour));
  box->setPalette(p);
}

void setText(QLineEdit* box, const QString& text) {
  if (box->text() != text) box->setText(text);
}

// An option button of an exclusive group can only be cleared with the group's rule off.
void setChecked(QAbstractButton* button, bool on) {
  if (button->isChecked() == on) return;
  const bool exclusive = button->autoExclusive();
  button->setAutoExclusive(false);
  button->setChecked(on);
  button->setAutoExclusive(exclusive);
}

}  // namespace

void HMeny::mapControls() {
  auto map = [this](Ctl c, QWidget* w) { widgets_[static_cast<int>(c)] = w; };
  map(Ctl::ComboPXH, ComboPXH);
  map(Ctl::chkLubeFree, chkLubeFree);
  map(Ctl::fraLubeFree, fraLubeFree);
  map(Ctl::optLubeFree0, optLubeFree[0]);
  map(Ctl::optLubeFree1, optLubeFree[1]);
  map(Ctl::fraStainlessSteelChain, fraStainlessSteelChain);
  map(Ctl::chkStainless, chkStainless);
  map(Ctl::Label1_0, Label1[0]);
  map(Ctl::LiftHeightB, LiftHeightB);
  map(Ctl::Label1_1, Label1[1]);
  map(Ctl::ControlLengthB, ControlLengthB);
  map(Ctl::fraChoose, fraChoose);
  map(Ctl::optChoose0, optChoose[0]);
  map(Ctl::optChoose1, optChoose[1]);
  map(Ctl::lblMeterLengthsOnly, lblMeterLengthsOnly);
  map(Ctl::Frame3DTrolley, Frame3DTrolley);
  for (int e = 0; e < 5; ++e) map(opt3DTrolley(e), Opt3DTrolley[e]);
  map(Ctl::Label4_0, Label4[0]);
  map(Ctl::Frame3DHoistControls, Frame3DHoistControls);
  for (int e = 0; e < 5; ++e) map(opt3DHoistControl(e), Opt3DHoistControl[e]);
  map(Ctl::LabelHookM, LabelHookM);
  map(Ctl::Label4_1, Label4[1]);
  map(Ctl::Frame3DTrolleyControls, Frame3DTrolleyControls);
  for (int e = 0; e < 2; ++e) map(opt3DTrolleyControls(e), Opt3DTrolleyControls[e]);
  for (int e = 0; e < 6; ++e) map(check3D1(e), Check3D1[e]);
  map(Ctl::Label3, Label3);
  map(Ctl::Command1, Command1);
  map(Ctl::Label1_2, Label1[2]);
  map(Ctl::RabattB, RabattB);
  map(Ctl::Cmd_Skärmutskrift, Cmd_Skärmutskrift);
  map(Ctl::Printerutskrift, Printerutskrift);
  map(Ctl::fraTypeOfChain, fraTypeOfChain);
  map(Ctl::optTypeOfChain0, optTypeOfChain[0]);
  map(Ctl::optTypeOfChain1, optTypeOfChain[1]);
  map(Ctl::Frame3DSuspensionYoke, Frame3DSuspensionYoke);
  map(Ctl::Opt3DSuspensionYoke0, Opt3DSuspensionYoke[0]);
  map(Ctl::Opt3DSuspensionYoke1, Opt3DSuspensionYoke[1]);
  for (int n = 1; n <= 15; ++n) map(picture(n), Picture[n]);
}

Ctl HMeny::controlOf(const QObject* widget) const {
  if (!widget) return Ctl::None;
  if (widget == ComboPXH->lineEdit() || widget == ComboPXH->view()) return Ctl::ComboPXH;
  for (int i = 0; i < kControlCount; ++i)
    if (widgets_[i] && widgets_[i] == widget) return static_cast<Ctl>(i);
  return Ctl::None;
}

void HMeny::render() {
  if (rendering_) return;
  rendering_ = true;
  const Configurator& e = engine_;

  // The model list: its names, then its text.
  QStringList items;
  for (int i = 0; i < ComboPXH->count(); ++i) items << ComboPXH->itemText(i);
  if (items != e.modelList()) {
    ComboPXH->clear();
    ComboPXH->addItems(e.modelList());
  }
  if (ComboPXH->currentText() != e.modelText()) {
    const int listed = ComboPXH->findText(e.modelText());
    if (listed >= 0) ComboPXH->setCurrentIndex(listed);
    ComboPXH->setEditText(e.modelText());
  }

  setText(LiftHeightB, e.liftHeightText());
  setText(ControlLengthB, e.controlLengthText());
  setText(RabattB, e.discountText());
  setColour(LiftHeightB, e.liftHeightColour());
  setColour(ControlLengthB, e.controlLengthColour());
  setColour(RabattB, e.discountColour());

  for (int i = 1; i <= 4; ++i) {
    const StepCaption& caption = e.trolleyCaptions()[i];
    if (caption.text)
      Opt3DTrolley[i]->setText(state_.TextCatalogue[*caption.text] + caption.suffix);
  }
  for (int i = 0; i < 2; ++i)
    if (!e.feetChoices()[i].isEmpty())
      optChoose[i]->setText(e.feetChoices()[i] + QStringLiteral(" ft"));
  if (e.picture4Left()) Picture[4]->move(twipsToPixels(*e.picture4Left()), Picture[4]->y());
  if (e.picture6Left()) Picture[6]->move(twipsToPixels(*e.picture6Left()), Picture[6]->y());
  Label1[1]->move(Label1[1]->x(), twipsToPixels(e.controlLengthLabelTop()));
  // Captions of the variant and of the steps, each fitted to its control.
  fitCaptions(client);

  // Frames before the controls in them, so that a control never shows in a hidden frame.
  for (int i = 0; i < kControlCount; ++i) {
    QWidget* w = widgets_[i];
    if (!w) continue;
    const ControlState& c = e.control(static_cast<Ctl>(i));
    if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled && w != Command1) w->setEnabled(c.enabled);
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && button->isCheckable())
      setChecked(button, c.checked);
  }
  Command1->setEnabled(false);
  // The page can be printed, previewed and exported exactly when the output buttons show.
  const bool output = e.shown(Ctl::Printerutskrift);
  for (QAction* a : {Utskrift, PrintPreview, ExportPdf}) a->setEnabled(output);

  // With the tab stops off, Tab is not used to move the focus but reaches the focused control's
  // own key handling, which takes it like Enter and opens the next step.
  const Qt::FocusPolicy policy = e.tabStopsOn() ? Qt::StrongFocus : Qt::ClickFocus;
  for (int i = 0; i < kControlCount; ++i) {
    const Ctl c = static_cast<Ctl>(i);
    if (!widgets_[i] || c == Ctl::Command1 || (c >= Ctl::Picture1 && c <= Ctl::Picture15) ||
        qobject_cast<QLabel*>(widgets_[i]) || qobject_cast<QGroupBox*>(widgets_[i]))
      continue;
    widgets_[i]->setFocusPolicy(policy);
  }

  if (QWidget* target = widgetOf(e.focus()); target && target->isVisible()) {
    QWidget* focused = target == ComboPXH ? ComboPXH->lineEdit() : target;
    if (focusWidget() != focused && focusWidget() != target) target->setFocus();
    // A box that gets the focus shows its text selected.
    if (auto* box = qobject_cast<QLineEdit*>(target); box && e.focus() != renderedFocus_)
      box->selectAll();
  }
  renderedFocus_ = e.focus();
  // The steps move the focus themselves, which Qt takes for a change without the keyboard and
  // shows without a focus mark: the user would not see which option or box Enter confirms.
  setAttribute(Qt::WA_KeyboardFocusChange, true);
  rendering_ = false;

  showStepMessages();
  if (engine_.takeDropDownRequest() && isVisible() && !modelListStaysClosed_) {
    dropDownPending_ = true;
    if (isActiveWindow())
      dropDownModelList();
    else  // should the window manager never activate the window, the list drops down anyway
      QTimer::singleShot(1000, this, [this] { dropDownModelList(); });
  }
}

void HMeny::dropDownModelList() {
  // An open drop-down list holds the program's activation: a window the window manager
  // activates while the list is open stays inactive for Qt after it closes, and its controls
  // would never hear of the focus again. So the list waits for the window to be active.
  if (!std::exchange(dropDownPending_, false)) return;
  if (isVisible() && engine_.focus() == Ctl::ComboPXH) ComboPXH->showPopup();
}

void HMeny::showStepMessages() {
  bool refused = false;
  for (const StepMessage& m : engine_.takeMessages()) {
    if (m.endsProgram) {
      services_.message(this, contactAuthorMessage());
      services_.endProgram(1);
      return;
    }
    showMessage(messageText(m));
    refused = refused || m.refusal;
  }
  // The box that keeps the focus after a refusal shows its text selected, so that what is
  // typed next replaces the text turned down instead of adding to it.
  if (auto* box = qobject_cast<QLineEdit*>(widgetOf(engine_.focus()));
      refused && box && box->isVisible())
    box->selectAll();
}

QString HMeny::messageText(const StepMessage& m) const {
  return m.prefix + (m.text ? state_.TextCatalogue[*m.text] : QString()) + m.suffix;
}

void HMeny::showMessage(const QString& text) {
  services_.message(this, text);
}
