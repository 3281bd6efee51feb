// The price list window, which also shows the ordering list as text.
#pragma once

#include <QWidget>
#include <array>
#include <vector>

#include "output/screen_list.h"

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;
class OrderingListView;

class Form2 : public QWidget {
  Q_OBJECT

 public:
  explicit Form2(QWidget* parent = nullptr);

  // The control with the given program name, such as "cmdExcelFile".
  QObject* control(const QString& name) const;

  // Shows the ordering list as text under the given title; the price grid and its sort frame
  // step aside.
  void showOrderingList(const QString& title, std::vector<ScreenLine> lines);

  QGroupBox* fraSortOrder = nullptr;
  std::array<QRadioButton*, 2> optSortOrder{};
  QPushButton* cmdExcelFile = nullptr;
  QPushButton* cmdToMainMenu = nullptr;
  QTableView* ssdbgridChangePrices = nullptr;
  OrderingListView* orderingList = nullptr;
};
