// Reads the picture files that lie in the program directory.
#pragma once

#include <QImage>
#include <QString>

// The picture in the file, or a null image when the file is missing or unreadable: a missing
// picture leaves its place empty and never stops the program.
QImage loadPictureFile(const QString& path);
