// Every picture the program directory holds, each drawn by a function of its own.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

enum class PictureFormat { Pcx8, Pcx24, Bmp, Png };

struct PictureFile {
  QString name;
  PictureFormat format;
  std::function<QImage()> draw;
};

// All pictures in the order they are written.
std::vector<PictureFile> programPictures();

// The printed page's sketches and the sheet window's background (sketches.cpp).
QImage drawHoistSketchForPage();
QImage drawTrolleySketchForPage();
QImage drawSheetSketch();

// The maker's logo on the page and the start-up window's pictures (logos.cpp).
QImage drawPageLogo();
QImage drawStartLogo();
QImage drawStartHoist();

// The control devices and the other pictures of the main window (window_pictures.cpp).
QImage drawPendant(int buttons, bool us);
QImage drawMainWindowHoist();
QImage drawSuspensionYoke();
QImage drawTrolleyOnBeam();
QImage drawPullChainControl();
QImage drawTwistRod();
QImage drawHookMountedControl();
QImage drawSafetyHook();
QImage drawChainStop();
QImage drawChainCollector();
QImage drawOverloadDevice();
QImage drawTrolleyPullChain();
QImage drawScreenButton();
QImage drawPrinterButton();

// The program's icon for the desktop's menu (icon.cpp).
QImage drawProgramIcon();
