// The program directory's pictures: file names, formats and the functions that draw them.
#include "pictures/pictures.h"

std::vector<PictureFile> programPictures() {
  using F = PictureFormat;
  return {
      // The printed page: logo and sketches are PCX pictures stretched into their rectangles.
      {QStringLiteral("KRNLOGO.PCX"), F::Pcx24, drawPageLogo},
      {QStringLiteral("SKISSPXH.PCX"), F::Pcx8, drawHoistSketchForPage},
      {QStringLiteral("SKISSPXK.PCX"), F::Pcx8, drawTrolleySketchForPage},
      {QStringLiteral("sheet-sketch.png"), F::Png, drawSheetSketch},
      // Control devices, European and US lettering.
      {QStringLiteral("2knapp.bmp"), F::Bmp, [] { return drawPendant(2, false); }},
      {QStringLiteral("4knny.bmp"), F::Bmp, [] { return drawPendant(4, false); }},
      {QStringLiteral("2knapp-USA.bmp"), F::Bmp, [] { return drawPendant(2, true); }},
      {QStringLiteral("4knny-USA.bmp"), F::Bmp, [] { return drawPendant(4, true); }},
      // The main window's other pictures, at twice their size on the window.
      {QStringLiteral("Picture1.png"), F::Png, drawMainWindowHoist},
      {QStringLiteral("Picture2.png"), F::Png, drawSuspensionYoke},
      {QStringLiteral("Picture3.png"), F::Png, drawTrolleyOnBeam},
      {QStringLiteral("Picture4.png"), F::Png, drawPullChainControl},
      {QStringLiteral("Picture5.png"), F::Png, drawTwistRod},
      {QStringLiteral("Picture8.png"), F::Png, drawHookMountedControl},
      {QStringLiteral("Picture9.png"), F::Png, drawSafetyHook},
      {QStringLiteral("Picture10.png"), F::Png, drawChainStop},
      {QStringLiteral("Picture11.png"), F::Png, drawChainCollector},
      {QStringLiteral("Picture12.png"), F::Png, drawOverloadDevice},
      {QStringLiteral("Picture14.png"), F::Png, drawTrolleyPullChain},
      // The two output buttons: the list on the screen, the list on paper.
      {QStringLiteral("screen-output.png"), F::Png, drawScreenButton},
      {QStringLiteral("printer-output.png"), F::Png, drawPrinterButton},
      // The start-up window.
      {QStringLiteral("vinjett-logo.png"), F::Png, drawStartLogo},
      {QStringLiteral("vinjett-hoist.png"), F::Png, drawStartHoist},
      // The icon the desktop's menu shows for the program.
      {QStringLiteral("telmaris-icon.png"), F::Png, drawProgramIcon},
  };
}
