// Window geometry is designed in twips; on screen 15 twips make one pixel (the 96-dpi grid).
#pragma once

#include <QRect>
#include <cmath>

constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline int pixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

// The edges are rounded, not the sizes, so that boxes designed edge to edge stay edge to edge.
inline QRect twipsRect(int left, int top, int width, int height) {
  return QRect(QPoint(twipsToPixels(left), twipsToPixels(top)),
               QPoint(twipsToPixels(left + width) - 1, twipsToPixels(top + height) - 1));
}
