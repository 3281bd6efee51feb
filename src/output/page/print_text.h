// PrintTextAt, which places one text at an anchored position in millimetres, and the surfaces it
// writes to: a QPainter (printer, PDF, sheet window), the sheet window's smaller type, and a
// recorder for tests.
#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <vector>

class QPainter;

// A surface measured in millimetres from its top left corner.
class TextDevice {
 public:
  virtual ~TextDevice() = default;
  virtual void setFont(double pointSize, bool bold) = 0;  // the face is set by the caller
  virtual QSizeF measure(const QString& text) = 0;        // width, height in mm
  virtual void drawText(double x, double top, const QString& text) = 0;  // top left in mm
};

// Removes the leading blanks of the text (in the caller's variable), sets the size and weight,
// and writes the text so that (x, y) is its anchor point:
//   anchor   1  2  3  4  5  6  7  8  9
//   x        left     centre   right      (x, x - w/2, x - w)
//   top      y+h y+h/2 y  (repeating)     for 1/4/7, 2/5/8, 3/6/9
// Any other anchor writes the text at (0, 0).
void PrintTextAt(TextDevice& device, QString& text, double x, double y, double size, bool bold,
                 int anchor);

// Draws on a painter whose coordinates the caller has set up in millimetres. A point is 1/72
// inch of those millimetres, so the type scales with whatever the caller maps a millimetre to.
// The face is the painter's font when setFont is called.
class PainterTextDevice : public TextDevice {
 public:
  explicit PainterTextDevice(QPainter& painter);
  void setFont(double pointSize, bool bold) override;
  QSizeF measure(const QString& text) override;
  void drawText(double x, double top, const QString& text) override;

 private:
  QPainter& painter_;
  QFont font_;        // the face at the reference size the text is shaped at
  double scale_ = 0;  // millimetres per unit of the reference size
};

// The sheet window shows the figures 6 points smaller than the page: every size asked for goes
// to the inner device less this amount. The result would be 2 points for the 8-point figures,
// too small to read on a screen, so it never goes below the smallest legible size.
class SheetWindowTextDevice : public TextDevice {
 public:
  static constexpr double kSizeReduction = 6;
  static constexpr double kSmallestSize = 7;

  explicit SheetWindowTextDevice(TextDevice& inner) : inner_(inner) {}
  void setFont(double pointSize, bool bold) override;
  QSizeF measure(const QString& text) override { return inner_.measure(text); }
  void drawText(double x, double top, const QString& text) override {
    inner_.drawText(x, top, text);
  }

 private:
  TextDevice& inner_;
};

// Records what is written. It measures by a fixed rule so that positions are exact: a character
// is size / 8 mm wide and a line size / 2 mm high.
class RecordingTextDevice : public TextDevice {
 public:
  struct Item {
    QString text;
    double x, top, size;
    bool bold;
  };

  void setFont(double pointSize, bool bold) override {
    size_ = pointSize;
    bold_ = bold;
  }
  QSizeF measure(const QString& text) override { return {text.size() * size_ / 8, size_ / 2}; }
  void drawText(double x, double top, const QString& text) override {
    items.push_back({text, x, top, size_, bold_});
  }

  std::vector<Item> items;

 private:
  double size_ = 0;
  bool bold_ = false;
};
