// Captions that fit their controls in every language. A caption longer than its control's
// design box wraps where the box has the height; else the box grows, to the right and then
// downwards, into the free room of its parent without covering another control; else the
// caption's font shrinks, down to 7 points. It is never clipped.
//
// What a caption gets is the rectangle in which the control's style draws it (the contents
// sub-element of a button, the contents of a label, the title of a frame); what it needs is what
// its text takes there in the control's font.
#pragma once

#include <QRect>
#include <QString>
#include <optional>

class QWidget;

struct CaptionMeasure {
  QRect room;    // where the caption is drawn, in the control's coordinates
  QRect needed;  // where its text goes in that room
  bool fits() const;
};

// The caption of a control with one (a label, a button, a frame's title); none for a control
// without (a picture, a box to type into, an empty caption).
std::optional<CaptionMeasure> measureCaption(const QWidget* control);

// Fits the caption of every control below `window` that the window places itself (controls
// in layouts are sized by their layout). Each control starts again from its design size, the
// size it had at its first fitting, so a shorter caption gives the room back.
void fitCaptions(QWidget* window);

// The smallest caption font.
inline constexpr double kSmallestCaptionPoints = 7.0;
