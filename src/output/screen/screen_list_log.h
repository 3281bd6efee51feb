// A record of the ordering lists the screen shows, for walks that drive the running program
// from outside and cannot read its window.
#pragma once

#include <QStringList>

// When the environment variable TELMARIS_SCREEN_LIST_LOG names a file, appends the lines as the
// ordering-list window shows them, one per line in UTF-8, then a line "----", and flushes the
// file. Without the variable, or when the file cannot be opened, nothing happens.
void logScreenList(const QStringList& lines);
