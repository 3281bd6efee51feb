// Numbers formatted with the program's display patterns ("###", "#####0.0", "### m", ...).
//
// A pattern is read the way the classic Format function reads it: '#' is a digit shown only
// when it counts, '0' a digit always shown, the first '.' the decimal point (written as the
// decimal separator), '\' makes the next character literal, text in double quotes is literal,
// and any other character is copied as it stands. The integer part never loses digits: those
// beyond the placeholders come out in front. Digits after the point that fall on '#' and are
// trailing zeros are left out, but the separator stays ("###.#" of 12 gives "12.").
//
// Rounding is half away from zero at the last shown digit, done on the decimal digits the value
// stands for: 7 significant digits for a float, 15 for a double. So a float amount of 0.35 shows
// as 0.4, although its binary value lies just below 0.35, as the user expects from the figure.
// A value that rounds to zero carries no minus sign.
#pragma once

#include <QString>
#include <concepts>

// The decimal separator of the system's regional settings.
QString systemDecimalSeparator();

QString FormatNumber(double value, const QString& pattern,
                     const QString& decimalSeparator = systemDecimalSeparator());
QString FormatNumber(float value, const QString& pattern,
                     const QString& decimalSeparator = systemDecimalSeparator());
template <std::integral T>
QString FormatNumber(T value, const QString& pattern,
                     const QString& decimalSeparator = systemDecimalSeparator()) {
  return FormatNumber(static_cast<double>(value), pattern, decimalSeparator);
}

// Left-pads a text with blanks to the width; a longer text is returned whole, so no figure is
// ever cut.
QString PadLeft(const QString& text, int width);

// The value formatted with the pattern, right-aligned in a field of the width.
template <typename T>
QString FormatRight(T value, const QString& pattern, int width,
                    const QString& decimalSeparator = systemDecimalSeparator()) {
  return PadLeft(FormatNumber(value, pattern, decimalSeparator), width);
}
