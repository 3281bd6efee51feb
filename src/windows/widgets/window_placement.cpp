// The places of the windows' frames, and the watch that puts a window back in its place once
// the window manager has framed it.
#include "widgets/window_placement.h"

#include <QBasicTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace {

QPoint keptInside(const QRect& area, QPoint p, const QSize& frame) {
  // Off the right or bottom edge where the frame is too big, but never off the top or left.
  p.setX(std::max(area.left(), std::min(p.x(), area.right() + 1 - frame.width())));
  p.setY(std::max(area.top(), std::min(p.y(), area.bottom() + 1 - frame.height())));
  return p;
}

QMargins marginsOfFramed(const QWidget* w) {
  if (!w || !w->isVisible()) return {};
  // The platform's window knows the frame as soon as the window manager announces it; the
  // widget's own frame geometry follows only after the window's next move or resize.
  if (const QWindow* handle = w->windowHandle()) return handle->frameMargins();
  const QRect frame = w->frameGeometry();
  const QRect client = w->geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

// Watches a window that has just been placed and moves it back to its place until its frame,
// once the window manager has drawn it, stands there.
class FrameWatch : public QObject {
 public:
  static inline const QString kName = QStringLiteral("FrameWatch");

  FrameWatch(QWidget* window, std::function<QPoint(const QSize&)> where, const QWidget* framed)
      : QObject(window), window_(window), where_(std::move(where)), framed_(framed) {
    setObjectName(kName);
    window->installEventFilter(this);
    // A window placed while it shows gets no Show event: look from now on.
    if (window->isVisible()) timer_.start(kLookInterval, this);
  }

  void place() {
    const QMargins margins = frameMarginsOf(window_, framed_);
    const QSize frame = window_->size().grownBy(margins);
    // A framed window is placed by its client area, the frame's margins off the frame's place:
    // the widget's own idea of its frame follows the window manager only after a later move.
    if (!marginsOfFramed(window_).isNull())
      window_->setGeometry(
          QRect(where_(frame) + QPoint(margins.left(), margins.top()), window_->size()));
    else
      window_->move(where_(frame));
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // The window manager frames a window some time after it shows, and says so without moving
    // the window: look again after it shows until the frame stands in its place. After that the
    // place is the user's.
    if (event->type() == QEvent::Show && !settled_) {
      looks_ = 0;
      steadyLooks_ = 0;
      if (!timer_.isActive()) timer_.start(kLookInterval, this);
    }
    return false;
  }

  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() != timer_.timerId()) return;
    if (++looks_ >= kLooks) return timer_.stop();
    if (!window_->isVisible()) return;
    // Until the framed window stands where it belongs: a window manager may frame it late, or
    // put it where it likes before it takes the place asked for.
    const QMargins margins = marginsOfFramed(window_);
    // Until the window manager has framed the window (a title bar above it), Qt knows no
    // margins, or only some of them.
    if (margins.top() <= 0) {
      steadyLooks_ = 0;
      return;
    }
    const QPoint target = where_(window_->size().grownBy(margins));
    // A screen scaled by a fraction rounds each place, in pixels of its own.
    const qreal ratio = window_->devicePixelRatioF();
    const int slack = ratio == std::floor(ratio) ? 0 : 2;
    const QPoint frameAt = window_->geometry().topLeft() - QPoint(margins.left(), margins.top());
    if ((frameAt - target).manhattanLength() <= slack) {
      // The window manager may still be framing it while Qt reports the place asked for: the
      // place is only taken when it holds for a few looks in a row.
      if (++steadyLooks_ >= kSteadyLooks) {
        settled_ = true;
        timer_.stop();
      }
      return;
    }
    steadyLooks_ = 0;
    place();
  }

 private:
  QWidget* window_;
  std::function<QPoint(const QSize&)> where_;
  QPointer<const QWidget> framed_;
  QBasicTimer timer_;
  int looks_ = 0;
  int steadyLooks_ = 0;
  bool settled_ = false;
  static constexpr int kLookInterval = 50;  // milliseconds
  static constexpr int kLooks = 200;        // ten seconds at most
  static constexpr int kSteadyLooks = 6;    // the frame in place for 300 ms
};

}  // namespace

QPoint frameAtTopLeft(const QRect& area, const QSize& frame) {
  return keptInside(area, area.topLeft(), frame);
}

QPoint frameAtLowerRight(const QRect& area, const QSize& frame) {
  return keptInside(
      area, QPoint(area.right() + 1 - frame.width(), area.bottom() + 1 - frame.height()), frame);
}

QPoint frameAbove(const QRect& area, const QSize& frame, int bottom) {
  const QPoint p(area.right() + 1 - frame.width(), bottom - frame.height());
  return {std::max(area.left(), p.x()), std::max(area.top(), p.y())};
}

QSize listWindowSize(const QRect& area, const QSize& design, const QSize& minimum,
                     const QMargins& listFrame, const QSize& sheetFrame) {
  QSize size = design.expandedTo(minimum).boundedTo(area.size().shrunkBy(listFrame));
  const int room = area.height() - sheetFrame.height() - listFrame.top() - listFrame.bottom();
  if (size.height() > room) size.setHeight(std::max(room, minimum.height()));
  return size;
}

QMargins frameMarginsOf(const QWidget* window, const QWidget* framedWindow) {
  const QMargins own = marginsOfFramed(window);
  if (!own.isNull()) return own;
  return marginsOfFramed(framedWindow);
}

QRect availableAreaOf(const QWidget* window) {
  const QScreen* screen = window && window->isVisible() ? window->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void placeFrame(QWidget* window, std::function<QPoint(const QSize& frame)> where,
                const QWidget* framedWindow) {
  // One watch per window: a later placement replaces the earlier one.
  for (QObject* old : window->findChildren<QObject*>(FrameWatch::kName, Qt::FindDirectChildrenOnly))
    delete old;
  auto* watch = new FrameWatch(window, std::move(where), framedWindow);
  watch->place();
}
