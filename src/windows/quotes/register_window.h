// The register window: the quotes issued, newest first, found by customer, reference or number,
// each opened as it was issued or priced anew at today's prices.
#pragma once

#include <QWidget>
#include <vector>

#include "quotes/quote_register.h"

class HMeny;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class Services;
struct ProgramState;

class RegisterWindow : public QWidget {
  Q_OBJECT

 public:
  RegisterWindow(ProgramState& state, Services& services, HMeny& main);

  // Reads the register again and shows the quotes the search finds. False, the user told,
  // when the register cannot be read.
  bool refresh();
  // The selected quote as issued, read-only, in the quote window.
  void openSelected();
  // The selected quote priced at today's prices: what changed is shown, and the quote opens in
  // the quote window as a copy to issue again.
  void repriceSelected();

  // The quotes the list shows, in order.
  const std::vector<RegisteredQuote>& shown() const { return shown_; }

  QLineEdit* txtSearch = nullptr;
  QTableWidget* tblQuotes = nullptr;
  QPushButton *cmdOpen = nullptr, *cmdReprice = nullptr, *cmdClose = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void showList();
  std::optional<IssuedQuote> selectedIssue();

  ProgramState& state_;
  Services& services_;
  HMeny& main_;
  QLabel* lblSearch_ = nullptr;
  std::vector<RegisteredQuote> shown_;
};
