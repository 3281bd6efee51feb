// Buttons whose caption wraps over as many lines as the control's height allows, as the
// program's windows were designed: check boxes and option buttons with the box centred
// vertically beside the text, and push buttons with the text centred. The text is drawn in the
// contents rectangle the style gives the control, so that what the caption needs can be
// measured against what it gets (common/caption_fit.h).
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <type_traits>

// The rectangle in which the style puts a button's caption, in the button's coordinates.
template <typename Button>
QRect captionRectOf(const Button* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if constexpr (std::is_base_of_v<QCheckBox, Button>) contents = QStyle::SE_CheckBoxContents;
  if constexpr (std::is_base_of_v<QRadioButton, Button>) contents = QStyle::SE_RadioButtonContents;
  return button->style()->subElementRect(contents, &option, button);
}

template <typename Button>
class WrappingButton : public Button {
 public:
  using Button::Button;

  static constexpr int kTextFlags =
      (std::is_same_v<Button, QPushButton> ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter) |
      Qt::TextWordWrap | Qt::TextShowMnemonic;

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    if constexpr (std::is_same_v<Button, QPushButton>) {
      // The bevel and the icon as the style draws them; the caption over as many lines as fit.
      painter.drawControl(QStyle::CE_PushButton, option);
      this->style()->drawItemText(&painter, captionRectOf(this), kTextFlags, this->palette(),
                                  this->isEnabled(), caption, QPalette::ButtonText);
    } else {
      constexpr bool isCheck = std::is_same_v<Button, QCheckBox>;
      QRect indicator = this->style()->subElementRect(
          isCheck ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, this);
      indicator.moveTop((this->height() - indicator.height()) / 2);
      QStyleOptionButton box = option;
      box.rect = indicator;
      painter.drawPrimitive(
          isCheck ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton, box);
      const QRect text = captionRectOf(this);
      this->style()->drawItemText(&painter, text, kTextFlags, this->palette(), this->isEnabled(),
                                  caption, QPalette::WindowText);
      if (this->hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect =
            this->fontMetrics().boundingRect(text, kTextFlags, caption).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
      }
    }
  }

  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

using WrapCheckBox = WrappingButton<QCheckBox>;
using WrapRadioButton = WrappingButton<QRadioButton>;
using WrapPushButton = WrappingButton<QPushButton>;
