// What the program sets on the application once, for its windows and for the tests that show
// them: the font the windows are designed for, and the language of Qt's own dialogs and of the
// program's texts.
#pragma once

#include <QString>

// The windows are designed for 8-point Arial (Liberation Sans stands in for it).
void useProgramFont();
