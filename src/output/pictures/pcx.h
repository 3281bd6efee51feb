// ZSoft PCX pictures (run-length coded), the format of the printed page's logo and sketches.
#pragma once

#include <QByteArray>
#include <QImage>

// The two layouts the writer knows: one plane of 8-bit palette indexes with the 256-colour
// palette at the end of the file, or three 8-bit planes (red, green, blue) per line.
enum class PcxDepth { Palette8, Rgb24 };

// True when the data starts with a PCX header this reader can make sense of.
bool isPcxData(const QByteArray& data);

// The picture in the data, or a null image when the data is not a PCX picture the reader knows
// (8-bit palette, 24-bit and 32-bit planes, 1-bit monochrome and 4-plane 16 colours), is cut
// short, or claims a size beyond reason. Nothing outside the data is ever read.
QImage decodePcx(const QByteArray& data);

// The picture as a version-5 PCX file. A translucent picture is laid on white first. For
// Palette8 a picture with more than 256 colours is reduced to 256.
QByteArray encodePcx(const QImage& image, PcxDepth depth, int dotsPerInch = 300);
