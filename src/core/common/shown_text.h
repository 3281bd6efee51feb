// Texts that came from input (a price file, a workbook, a file name) shown on a terminal or in a
// window.
#pragma once

#include <QString>

// The text with every control character as \xNN (tab kept, and line breaks when asked), so an
// escape sequence in a price file or a file name cannot recolour the terminal or retitle its
// window, and a line break in a name cannot fake a line of a message.
QString withControlsEscaped(const QString& text, bool keepLineBreaks = false);
