// The texts of the active variant, by the number the parts database gives them (lngNr of
// tblSprak). The program names every text it reads; the English wording stands beside each.
#pragma once

#include <QString>

#include "common/fixed_array.h"

enum class Text : int {
  // Menus of the main window
  MenuFile = 1,                  // "&File"
  MenuNewFile = 2,               // "&New File"
  MenuOpenFile = 3,              // "&Open File..."
  MenuSaveFile = 4,              // "&Save File"
  MenuSaveFileAs = 5,            // "Sa&ve File As..."
  MenuPrint = 6,                 // "&Print"
  MenuExit = 7,                  // "E&xit"
  MenuOptions = 8,               // "&Options"
  MenuPricesFromFile = 9,        // "&New prices from price file..."
  MenuPricesInGrid = 10,         // "&Change prices directly in data file"; the price grid's title
  MenuUsingHelp = 39,            // "Using &Help"
  MenuHowToUse = 40,             // "How to &use the Velmora Telmaris program..."
  MenuAbout = 41,                // "&About Velmora Telmaris program..."
  MenuPricesFromWorkbook = 114,  // "New prices from E&xcel file..."

  // Labels, frames and options of the main window
  LiftHeightLabel = 12,       // "Max. lifting height [m] .........."
  ControlLengthLabel = 14,    // "Length of control device [m]"
  TrolleyFrame = 16,          // "Trolley:"
  TrolleyNone = 17,           // "None"
  TrolleyControlsLabel = 20,  // "Trolley controls:"
  PullChain = 21,             // "Pull chain"
  TwoButton = 22,             // "2-Button"
  SuspensionYokeFrame = 23,   // "Suspension yoke:"
  HoistControlsLabel = 26,    // "Hoist controls:"
  TwistRod = 29,              // "Twist rod"
  Articulation = 30,          // "Articulation"
  ChooseFrame = 31,           // "Choose:" (the feet prompt)
  FourButton = 32,            // "4-Button"
  OverloadDevice = 33,        // "Overload protection device"
  IncludedAsStandard = 34,    // "Included as standard."
  ChainCollector = 35,        // "Chain collector"
  ChainStop = 36,             // "Chain stop"
  SafetyHook = 37,            // "Safety hook"
  AccessoriesAssembled = 38,  // "Accessories assembled"
  HookMountedLabel = 42,      // "Hook-mounted"
  DiscountLabel = 43,         // "Discount [%]"
  WholeMetresOnly = 55,       // "Lengths in whole metres only"
  ProgramTitle = 65,          // "VELMORA TELMARIS", the main window's and the page's title
  ChainTypeFrame = 78,        // "Type of chain:"
  StandardChain = 79,         // "Standard (oil polished)"
  ZincPlatedChain = 80,       // "Zinc plated (corrosion protection)"
  InformationAbout = 121,     // "Information about:"
  ManualNarrow = 122,         // "Manual, narrow beam"
  ManualWide = 123,           // "Manual, wide beam"
  MotorNarrow = 124,          // "Motor driven, narrow beam"
  MotorWide = 125,            // "Motor driven, wide beam"
  LubeFree = 126,             // "Lube-free"
  Yes = 127,                  // "Yes"
  No = 128,                   // "No"

  // Messages of the steps
  EnterLiftHeight = 13,         // "Please enter the lifting height."
  EnterControlLength = 15,      // "Please enter the length of the control device."
  PushButtonsUpTo10m = 27,      // "Push-button controls are only available up to ... 10 m."
  LiftHeightAboveMaximum = 28,  // "The lifting height exceeds the maximum of this model. ..."
  HookMountedUpTo3m = 53,       // "The hook-mounted 2-button control is only ... up to 3 m."
  TwistRodUpTo4m = 54,          // "The twist rod is only available for ... up to 4 m."
  NoCollectorAbove25m = 112,    // "The load chain is longer than 25 m. A chain collector ..."
  NoCollectorAbove18m = 113,    // "For this model the load chain is longer than 18 m. ..."
  PhasedOut = 129,              // "Model being phased out"

  // The printed page and the ordering list
  PrintingError = 56,        // "Printing error."
  CheckThePrinter = 57,      // "Please check that a printer is installed, switched on and ready."
  TryAgain = 58,             // "Then try again."
  OrderingListHeading = 61,  // "Ordering list"
  Price = 62,                // "Price", also the total's label
  Discount = 63,             // "Discount"
  NetPrice = 64,             // "Net price"
  Quantity = 66,             // "Qty"
  OrderingNumber = 67,       // "Ordering No."
  Description = 68,          // "Description"
  AtexMarking = 120,         // "ATEX marking:"

  // The technical data table
  TechnicalData = 69,       // "Technical data"
  Capacity = 70,            // "Capacity"
  LiftingSpeed = 71,        // "Lifting speed"
  HoistWeight = 72,         // "Hoist weight"
  LoadChainWeight = 73,     // "Load chain weight"
  NoiseLevel = 74,          // "Noise level"
  AirConsumption = 75,      // "Air consumption"
  AirSupplyHose = 76,       // "Air supply hose (ID)"
  AirInletConnection = 77,  // "Air inlet connection"

  // Price maintenance and the ordering list window
  PriceFileIntro = 44,        // "All prices are read anew from a price file."
  UnlistedGetZero = 45,       // "Parts not listed in the file get the price 0."
  PriceFileForm = 46,         // "Each line of the price file holds an ordering number and ..."
  PriceFileExample = 47,      // "separated by a comma, for example:"
  NewPrices = 49,             // "New prices", the title of the import's messages
  PricesNotRead = 50,         // "The new prices could not be read in. ..."
  SortBy = 81,                // "Sort by:"
  ToMainMenu = 109,           // "To main menu"
  OrderingListTitle = 111,    // "Ordering list", the window's title and the workbook's name
  WorkbookIntro = 115,        // "All prices are read anew from an Excel workbook."
  WorkbookForm = 116,         // "The first worksheet must hold the ordering numbers in ..."
  OpenPriceFile = 117,        // "Open price file"
  OpenWorkbook = 118,         // "Open Excel price file"
  OrderingListToExcel = 119,  // "Ordering list to Excel"
};

// The catalogue: element N is the text numbered N in the variant's column. Read by name only;
// the load alone stores by the number it reads.
class TextCatalogueArray {
 public:
  static constexpr int lowest = 1, highest = 150;

  const QString& operator[](Text t) const { return texts_[static_cast<int>(t)]; }
  QString& operator[](Text t) { return texts_[static_cast<int>(t)]; }

  // A text read from the database; a number outside 1 to 150 throws std::out_of_range.
  void store(long long number, const QString& text) { texts_[number] = text; }
  static constexpr bool holds(long long number) { return decltype(texts_)::inBounds(number); }

 private:
  FixedArray<QString, lowest, highest> texts_;
};
