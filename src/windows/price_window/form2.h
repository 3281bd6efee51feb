// The price list window, which also shows the ordering list as text.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "configurator/ordering_list.h"
#include "screen/screen_list.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableView;
class OrderingListView;
class PriceGridFilter;
class PriceGridModel;
class Services;
struct ProgramState;

class Form2 : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(QWidget* parent = nullptr);

  // Gives the window the program state, the desktop and the main window it returns to, and
  // runs its load handler (captions 109, 111 and 119). Until then the grid and the export do
  // nothing, and the way back only hides this window.
  void attach(ProgramState& state, Services& services, QWidget* mainWindow);
  void Form_Load();

  // The size the window opens at where the screen has room: its design size.
  static QSize designSize();

  // The control with the given program name, such as "cmdExcelFile".
  QObject* control(const QString& name) const;

  // Shows the ordering list as text under the given title, as the screen lays it out; the price
  // grid and its sort frame step aside. The list is kept for the spreadsheet export.
  void showOrderingList(const QString& title, const OrderingList& list);

  // Shows the window with the price list of the active variant in the chosen order. A database
  // that cannot be read is reported and leaves the window as it was.
  void LoadPriceGrid();
  // Back to the main window, whose activation hides this one.
  void cmdToMainMenu_Click();
  // The ordering list last shown into a new workbook, opened with the desktop's spreadsheet
  // program. Without one the user may save the workbook where they choose, or let it go.
  void cmdExcelFile_Click();

  // The rows of the price list; none before the first LoadPriceGrid.
  PriceGridModel* priceGrid() const { return grid_; }
  // What the grid shows of them: the rows that hold the text of the search box.
  PriceGridFilter* priceFilter() const { return filter_; }

  QGroupBox* fraSortOrder = nullptr;
  std::array<QRadioButton*, 2> optSortOrder{};
  QPushButton* cmdExcelFile = nullptr;
  QPushButton* cmdToMainMenu = nullptr;
  QTableView* ssdbgridChangePrices = nullptr;
  // Narrows the price list to the rows whose ordering number or description holds its text as
  // it is typed. Ctrl+F goes to it; Escape empties it; Enter or Down goes on to the rows.
  QLineEdit* txtSearch = nullptr;
  OrderingListView* orderingList = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // On activation the price grid reads the prices again when another program changed them.
  void changeEvent(QEvent* event) override;
  // A window that is shown becomes the active one, as a window just opened is expected to.
  void showEvent(QShowEvent* event) override;

 private:
  void showMessage(const QString& text);
  // Rows as high as the font's lines, with little room between them.
  void fitRowHeight();
  // The workbook at `path`, which no program could open: saved where the user chooses, or let
  // go. Its temporary folder is removed either way.
  void offerToSaveWorkbook(const QString& path);

  ProgramState* state_ = nullptr;
  Services* services_ = nullptr;
  QWidget* mainWindow_ = nullptr;
  PriceGridModel* grid_ = nullptr;
  PriceGridFilter* filter_ = nullptr;        // between the rows and the grid, for the search
  QWidget* searchBar_ = nullptr;             // the search box and its label, above the grid
  QScrollArea* orderingListArea_ = nullptr;  // holds the ordering list, which scrolls
  std::optional<OrderingList> list_;         // the ordering list last shown
};
