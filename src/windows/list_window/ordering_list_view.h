// The ordering list as text in a window, in a typewriter face so that its columns stand.
#pragma once

#include <QWidget>
#include <vector>

#include "screen/screen_list.h"

class OrderingListView : public QWidget {
  Q_OBJECT

 public:
  explicit OrderingListView(QWidget* parent = nullptr);
  void setLines(std::vector<ScreenLine> lines);
  const std::vector<ScreenLine>& lines() const { return lines_; }
  // Room for every line at its full length.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<ScreenLine> lines_;
};
