// Check boxes and option buttons whose caption wraps over as many lines as the control's height
// allows, with the box centred vertically beside it, as the program's windows were designed.
#pragma once

#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <type_traits>

template <typename Button>
class WrappingButton : public Button {
 public:
  using Button::Button;

 protected:
  void paintEvent(QPaintEvent*) override {
    constexpr bool isCheck = std::is_same_v<Button, QCheckBox>;
    QStylePainter painter(this);
    QStyleOptionButton option;
    this->initStyleOption(&option);
    option.text.clear();
    QRect indicator = this->style()->subElementRect(
        isCheck ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator, &option, this);
    indicator.moveTop((this->height() - indicator.height()) / 2);
    option.rect = indicator;
    painter.drawPrimitive(isCheck ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton,
                          option);

    const QRect text = this->rect().adjusted(indicator.right() + 5, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    this->style()->drawItemText(&painter, text, flags, this->palette(), this->isEnabled(),
                                this->text(), QPalette::WindowText);
    if (this->hasFocus()) {
      QStyleOptionFocusRect focus;
      focus.initFrom(this);
      focus.rect = this->fontMetrics().boundingRect(text, flags, this->text()).adjusted(-1, 0, 1, 0);
      painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
  }

  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

using WrapCheckBox = WrappingButton<QCheckBox>;
using WrapRadioButton = WrappingButton<QRadioButton>;
