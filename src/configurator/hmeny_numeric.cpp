// The lift height, control length and discount boxes: key filters, the range colours, the
// checks on leaving a box, the feet prompt of US Imperial and the step to the trolley options.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "common/number_format.h"
#include "common/services.h"
#include "configurator/hmeny.h"
#include "configurator/model_catalogue.h"
#include "configurator/model_rules.h"
#include "configurator/numeric_inputs.h"
#include "startup/program_state.h"

namespace {

bool imperial(const ProgramState& state) { return state.LanguageKey == QLatin1String("US Imperial"); }

void setColour(QLineEdit* box, FieldColour colour) {
  QPalette p = box->palette();
  p.setColor(QPalette::Base, colourOf(colour));
  box->setPalette(p);
}

FieldColour colourOfBox(const QLineEdit* box) {
  return colourFrom(box->palette().color(QPalette::Base));
}

void SelectAllText(QLineEdit* box) { box->setSelection(0, static_cast<int>(box->text().size())); }

// The filters' verdict on a typed key: swallowed keys beep.
void filtered(int& key, int (*filter)(int)) {
  key = filter(key);
  if (key == 0) QApplication::beep();
}

}  // namespace

void HMeny::showMessage(const QString& text, bool refusal) {
  if (refusal) lastRefusal_ = text;
  services_.message(this, text);
}

void HMeny::showMessageTabStops(const QString& text, bool refusal) {
  SetTabStops(true);
  showMessage(text, refusal);
  SetTabStops(false);
}

// ---- The common change handler

double HMeny::CheckNumericField(QLineEdit* box, double& target, double replacement, double lower,
                                double upper) {
  if (box->text().contains(QLatin1Char('*'))) box->setText(QString::number(replacement));
  target = parseLeadingNumber(box->text());
  setColour(box, fieldColour(target, lower, upper));
  return target;
}

double HMeny::CheckNumericField(QLineEdit* box, std::int16_t& target, double replacement,
                                double lower, double upper) {
  if (box->text().contains(QLatin1Char('*'))) box->setText(QString::number(replacement));
  target = toInt16(parseLeadingNumber(box->text()));
  setColour(box, fieldColour(target, lower, upper));
  return target;
}

// ---- Lift height

void HMeny::LiftHeightB_Change() {
  state_.LiftHeightLimit = static_cast<std::int16_t>(liftHeightLimit(state_.CurrentModel));
  const double upper = liftHeightUpperBound(state_.LiftHeightLimit, imperial(state_));
  CheckNumericField(LiftHeightB, state_.LiftHeight, 0, 1, upper);
  if (imperial(state_)) state_.LiftHeight *= kMetresPerFoot;
  ResetFromStep(3);
}

void HMeny::LiftHeightB_GotFocus() {
  SetTabStops(false);
  SelectAllText(LiftHeightB);
}

void HMeny::LiftHeightB_KeyPress(int& key) {
  if (key == 13 || key == 9) {
    key = 0;
    if (state_.LiftHeight > 0) {
      Label1[1]->show();
      ControlLengthB->show();
      ControlLengthB->setFocus();
    } else {
      showMessageTabStops(state_.TextCatalogue[13]);
      LiftHeightB->setFocus();
    }
    return;
  }
  filtered(key, FilterDecimalKey);
}

void HMeny::LiftHeightB_LostFocus() {
  if (colourOfBox(LiftHeightB) == FieldColour::Red) {
    const double limit = liftHeightUpperBound(state_.LiftHeightLimit, imperial(state_));
    showMessageTabStops(state_.TextCatalogue[28] + QStringLiteral(": ") +
                        FormatNumber(limit, QStringLiteral("###")));
    LiftHeightB->clear();
    setColour(LiftHeightB, FieldColour::White);
    LiftHeightB->setFocus();
    QCoreApplication::processEvents();
    ControlLengthB->clear();
    ControlLengthB->hide();
    Label1[1]->hide();
    return;
  }
  if (const std::optional<std::int16_t> chain = chainLength(state_.ModelIndex, state_.LiftHeight))
    state_.ChainLength = *chain;
  QCoreApplication::processEvents();
  state_.ChainCollectorFlag = 0;
  if (chainCollectorBlocked(state_.ModelIndex, state_.ChainLength)) {
    state_.ChainCollectorFlag = 1;
    // Only the chain collector is ruled out; the lift height stands.
    showMessageTabStops(state_.TextCatalogue[chainRule(state_.ModelIndex)->message], false);
  }
  if (state_.ChainCollectorFlag == 1) {
    Check3D1[1]->setChecked(false);
    Check3D1[1]->hide();
    Picture[11]->hide();
  }
}

// ---- Control length

void HMeny::ControlLengthB_Change() {
  const double lower = imperial(state_) ? 1 / kMetresPerFoot : 1;
  CheckNumericField(ControlLengthB, state_.ControlLength, 0, lower, 99);
  // Only whole metres are taken.
  if (ControlLengthB->text().contains(QLatin1Char('.'))) setColour(ControlLengthB, FieldColour::Red);
  if (imperial(state_)) state_.ControlLength = feetToWholeMetres(state_.ControlLength);
}

void HMeny::ControlLengthB_GotFocus() {
  SetTabStops(false);
  SelectAllText(ControlLengthB);
}

void HMeny::ControlLengthB_KeyPress(int& key) {
  if (key != 13 && key != 9) {
    filtered(key, FilterDecimalKey);
    return;
  }
  key = 0;
  if (parseLeadingNumber(ControlLengthB->text()) <= 0) {
    showMessageTabStops(state_.TextCatalogue[15]);
    ControlLengthB->setFocus();
    return;
  }
  const std::optional<BeamWidths> widths = beamWidths(state_.CurrentModel, imperial(state_));
  if (!widths) {
    // Only a name typed into the model list gets here; a typing error must not end the program.
    showMessageTabStops(unknownModelMessage(state_.CurrentModel));
    ComboPXH->setFocus();
    return;
  }
  Frame3DTrolley->show();
  Picture[3]->show();
  for (int i = 1; i <= 3; ++i) Opt3DTrolley[i]->setEnabled(!widths->onlyMotorWide);
  const QString blank = QStringLiteral(" ");
  Opt3DTrolley[1]->setText(state_.TextCatalogue[122] + blank + widths->narrow);
  Opt3DTrolley[2]->setText(state_.TextCatalogue[123] + blank + widths->wide);
  Opt3DTrolley[3]->setText(state_.TextCatalogue[124] + blank + widths->narrow);
  Opt3DTrolley[4]->setText(state_.TextCatalogue[125] + blank + widths->wide);
  Opt3DTrolley[0]->setFocus();
}

void HMeny::ControlLengthB_LostFocus() {
  if (!imperial(state_)) {
    if (state_.ControlLength < 1) {
      ControlLengthB->setText(QStringLiteral("1"));
    } else if (colourOfBox(ControlLengthB) == FieldColour::Red) {
      state_.ControlLength = toInt16(parseLeadingNumber(ControlLengthB->text()));
      ControlLengthB->setText(QString::number(state_.ControlLength));
    }
  } else {
    const double feet = parseLeadingNumber(ControlLengthB->text());
    if (feet < 3.3) {
      ControlLengthB->setText(QStringLiteral("3.3"));
      setColour(ControlLengthB, FieldColour::Yellow);
    } else {
      const std::array<QString, 2> choices = chooseCaptions(feet);
      state_.ChooseCaptions[1] = choices[0];
      state_.ChooseCaptions[2] = choices[1];
      const QString text = ControlLengthB->text();
      if (text != choices[0] && text != choices[1]) {
        Frame3DTrolley->hide();
        Picture[3]->hide();
        fraChoose->show();
        lblMeterLengthsOnly->show();
        optChoose[0]->setFocus();
        clearOptions(fraChoose);
        optChoose[0]->setText(choices[0] + QStringLiteral(" ft"));
        optChoose[1]->setText(choices[1] + QStringLiteral(" ft"));
      } else {
        setColour(ControlLengthB, FieldColour::Yellow);
      }
    }
  }
  if (state_.ControlLength > 10 && (isP2Model(state_.CurrentModel) || isP4Model(state_.CurrentModel))) {
    showMessageTabStops(state_.TextCatalogue[27]);
    ControlLengthB->setFocus();
  }
}

void HMeny::optChoose_Choose(int index) {
  ControlLengthB->setText(state_.ChooseCaptions[index + 1]);
  setColour(ControlLengthB, FieldColour::Yellow);
  fraChoose->hide();
  lblMeterLengthsOnly->hide();
  int tab = 9;
  ControlLengthB_KeyPress(tab);
}

// ---- Discount

void HMeny::RabattB_Change() { CheckNumericField(RabattB, state_.Discount, 0, 0, 99); }

void HMeny::RabattB_GotFocus() {
  SetTabStops(false);
  SelectAllText(RabattB);
}

void HMeny::RabattB_KeyPress(int& key) {
  if (key == 13 || key == 9) {
    key = 0;
    // A discount above 99 % is shown in red and not taken: it would leave no net amount.
    if (colourOfBox(RabattB) == FieldColour::Red) return;
    Cmd_Skärmutskrift->show();
    Printerutskrift->show();
    Cmd_Skärmutskrift->setFocus();
    return;
  }
  filtered(key, FilterDigitKey);
}
