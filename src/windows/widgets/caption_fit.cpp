// Measuring and fitting captions.
#include "widgets/caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "widgets/wrapping_buttons.h"

namespace {

const char* const kDesignSize = "telmarisDesignSize";
const char* const kFittedFor = "telmarisFittedFor";

bool wraps(const QWidget* w) {
  if (const auto* label = qobject_cast<const QLabel*>(w)) return label->wordWrap();
  return dynamic_cast<const WrapCheckBox*>(w) || dynamic_cast<const WrapRadioButton*>(w) ||
         dynamic_cast<const WrapPushButton*>(w);
}

QRect groupBoxTitleRect(const QGroupBox* box) {
  QStyleOptionGroupBox option;
  option.initFrom(box);
  option.text = box->title();
  option.lineWidth = 1;
  option.midLineWidth = 0;
  option.textAlignment = box->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  if (box->isCheckable()) option.subControls |= QStyle::SC_GroupBoxCheckBox;
  return box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
}

// The design size of a control: the size it had when it was first fitted.
QSize designSizeOf(QWidget* w) {
  QVariant v = w->property(kDesignSize);
  if (!v.isValid()) {
    w->setProperty(kDesignSize, w->size());
    return w->size();
  }
  return v.toSize();
}

QRect designRectOf(const QWidget* w) {
  const QVariant v = w->property(kDesignSize);
  return QRect(w->pos(), v.isValid() ? v.toSize() : w->size());
}

// Controls whose place the window sets itself: not windows of their own, not in a layout, not
// the inner parts of a composite control.
bool placedByHand(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (!parent || w->isWindow()) return false;
  if (parent->layout() && parent->layout()->indexOf(const_cast<QWidget*>(w)) >= 0) return false;
  return true;
}

// How far the control may grow: to the right up to the next control beside it or the parent's
// edge, and down up to the next control below it or the parent's bottom.
QRect freeRoomOf(const QWidget* w, const QRect& design) {
  const QWidget* parent = w->parentWidget();
  const QRect inner = parent->contentsRect().adjusted(0, 0, -2, -2);
  int right = std::max(design.right(), inner.right());
  std::vector<QRect> others;
  for (const QObject* o : parent->children()) {
    const auto* s = qobject_cast<const QWidget*>(o);
    if (!s || s == w || s->isWindow()) continue;
    const QRect r = designRectOf(s);
    // Controls designed on top of this one belong to other steps, never shown with it.
    if (r.intersects(design)) continue;
    others.push_back(r);
  }
  for (const QRect& r : others)
    if (r.top() <= design.bottom() && r.bottom() >= design.top() && r.left() > design.right())
      right = std::min(right, r.left() - 1);
  int bottom = std::max(design.bottom(), inner.bottom());
  for (const QRect& r : others)
    if (r.left() <= right && r.right() >= design.left() && r.top() > design.bottom())
      bottom = std::min(bottom, r.top() - 1);
  return QRect(design.topLeft(), QPoint(right, bottom));
}

bool fitsAt(QWidget* w, const QSize& size) {
  w->resize(size);
  const std::optional<CaptionMeasure> m = measureCaption(w);
  return !m || m->fits();
}

// The smallest extent from `from` to `to` at which the caption fits, by halving; none when it
// does not fit even at `to`.
template <typename SizeAt>
std::optional<int> smallestFitting(QWidget* w, int from, int to, SizeAt sizeAt) {
  if (to < from || !fitsAt(w, sizeAt(to))) return std::nullopt;
  while (from < to) {
    const int mid = (from + to) / 2;
    if (fitsAt(w, sizeAt(mid)))
      to = mid;
    else
      from = mid + 1;
  }
  return to;
}

QString captionOf(const QWidget* w) {
  if (const auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (const auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  return {};
}

void fitCaption(QWidget* w) {
  const QSize design = designSizeOf(w);
  // Nothing to do when neither the caption, the font nor the place changed since the last fit.
  const QString key = QStringLiteral("%1|%2|%3,%4")
                          .arg(captionOf(w), w->parentWidget()->font().key())
                          .arg(w->x())
                          .arg(w->y());
  if (w->property(kFittedFor).toString() == key) return;
  w->setProperty(kFittedFor, key);

  // A frame keeps its size and its font: it holds other controls, which take its font.
  if (qobject_cast<QGroupBox*>(w)) return;
  w->setFont(w->parentWidget()->font());
  if (fitsAt(w, design)) return;
  {
    const QRect room = freeRoomOf(w, QRect(w->pos(), design));
    const auto atWidth = [&](int width) { return QSize(width, design.height()); };
    if (const std::optional<int> width =
            smallestFitting(w, design.width(), room.width(), atWidth)) {
      fitsAt(w, atWidth(*width));
      return;
    }
    if (wraps(w)) {
      const auto atHeight = [&](int height) { return QSize(room.width(), height); };
      if (const std::optional<int> height =
              smallestFitting(w, design.height(), room.height(), atHeight)) {
        fitsAt(w, atHeight(*height));
        return;
      }
    }
    w->resize(wraps(w) ? room.size() : atWidth(room.width()));
  }
  const QSize grown = w->size();
  QFont font = w->parentWidget()->font();
  for (double points = font.pointSizeF() - 0.5; points >= kSmallestCaptionPoints - 0.01;
       points -= 0.5) {
    font.setPointSizeF(points);
    w->setFont(font);
    if (fitsAt(w, grown)) return;
  }
}

}  // namespace

bool CaptionMeasure::fits() const {
  return needed.width() <= room.width() && needed.height() <= room.height();
}

std::optional<CaptionMeasure> measureCaption(const QWidget* w) {
  QString text;
  QRect room;
  int flags = Qt::TextShowMnemonic;
  if (const auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty() || Qt::mightBeRichText(label->text())) return std::nullopt;
    text = label->text();
    room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                          -label->margin());
    flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
  } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
    if (box->title().isEmpty()) return std::nullopt;
    text = box->title();
    // The title's own rectangle, cut to the frame it stands on.
    room = groupBoxTitleRect(box) & box->rect();
    flags |= Qt::AlignLeft | Qt::AlignVCenter;
  } else if (const auto* check = qobject_cast<const QCheckBox*>(w)) {
    text = check->text();
    room = captionRectOf(check);
    flags |= Qt::AlignLeft | Qt::AlignVCenter;
  } else if (const auto* option = qobject_cast<const QRadioButton*>(w)) {
    text = option->text();
    room = captionRectOf(option);
    flags |= Qt::AlignLeft | Qt::AlignVCenter;
  } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
    text = button->text();
    room = captionRectOf(button);
    flags |= Qt::AlignCenter;
  } else {
    return std::nullopt;
  }
  if (text.isEmpty()) return std::nullopt;
  if (qobject_cast<const QGroupBox*>(w)) {
    // A title is one line, which the style sizes by the advance of its text.
    const QFontMetrics metrics = w->fontMetrics();
    const QString shown = QString(text).remove(QLatin1Char('&'));
    return CaptionMeasure{
        room, QRect(room.topLeft(), QSize(metrics.horizontalAdvance(shown), metrics.height()))};
  }
  if (wraps(w)) flags |= Qt::TextWordWrap;
  const QRect needed = w->fontMetrics().boundingRect(room, flags, text);
  return CaptionMeasure{room, needed};
}

void fitCaptions(QWidget* window) {
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!placedByHand(w)) continue;
    if (!qobject_cast<QLabel*>(w) && !qobject_cast<QAbstractButton*>(w) &&
        !qobject_cast<QGroupBox*>(w))
      continue;
    fitCaption(w);
  }
}
