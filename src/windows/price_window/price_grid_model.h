// The rows of the price list window: ordering number, price and description of every part that
// has a description in the active variant, with the price as the one column the user may edit.
#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class Database;
struct ProgramState;

// By description the rows follow the rules of the variant's language, without regard to case,
// and rows of the same description go by ordering number.
enum class PriceOrder { ByOrderingNumber, ByDescription };

// The query of the price list as the program phrases it, from the fragments of the variant:
// parts whose description is empty or starts with "?" are left out. Empty for a variant key
// that the program does not know. Its ORDER BY of the description compares bytes; the model
// sorts those rows again in the language's order.
QString priceGridSql(const QString& languageKey, PriceOrder order);

// A price as the user types it into the grid: with the system's decimal separator or a period.
// Whether it is in range is for the caller to check (isPriceInRange).
std::optional<double> parseTypedPrice(const QString& text);

class PriceGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kNumberColumn = 0, kPriceColumn = 1, kDescriptionColumn = 2 };

  // Opens the program directory's database and reads the rows of the active variant in the given
  // order. The file stays open while the model lives, for the edits. Throws DatabaseError.
  PriceGridModel(ProgramState& state, PriceOrder order, QObject* parent = nullptr);
  ~PriceGridModel() override;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A committed price edit: written to the part's record in the database and to the price the
  // main window holds, so that the next ordering list quotes it. Text that is no price, or a
  // price outside 0 to kMaxPrice, is refused (editRefused) and the price stays. The text shown
  // for the price, committed as it is, stores nothing: a price of more decimals than it shows
  // keeps them. The stored price is read in the transaction that writes the new one, and is the
  // old price the history records; when it is no longer the price the row shows (another
  // program changed it), nothing is stored, the rows are read again and editRefused says so.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // Reads the rows again when another program changed the database since they were read (the
  // engine's data_version of this connection tells). The same parts in the same order keep
  // their rows, and with them the current cell; otherwise the rows are laid out anew. True when
  // the rows were read again. Throws DatabaseError.
  bool refreshIfChanged();
  // The row that shows the part, -1 when none does.
  int rowOf(qint64 record) const;

  static int columnWidthTwips(int column);
  // The part record number (lngNr) shown in a row.
  qint64 recordAt(int row) const { return rows_.at(static_cast<std::size_t>(row)).record; }

 signals:
  // An edit that was not stored: text that is no price, or a database that refused it.
  void editRefused(const QString& message);

 private:
  struct Row {
    qint64 record = 0;
    QString number;
    std::optional<double> price;  // as stored
    QString description;
  };

  std::vector<Row> readRows();
  qint64 dataVersion();
  // The rows as stored now, shown in place of those before.
  void refresh();

  ProgramState& state_;
  PriceOrder order_;
  std::unique_ptr<Database> db_;
  qint64 dataVersion_ = 0;  // the database's data_version when the rows were read
  std::vector<Row> rows_;
};

// The rows of the price list that hold the text searched for, in the model's order: those whose
// ordering number or description contains it, whatever the case. An ordering number matches
// with its blanks or without ("73020030" finds "7302 0030 01"). Without a text every row shows.
// Edits go through to the model; a row whose number or description another program changed
// comes or goes with the refresh.
class PriceGridFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit PriceGridFilter(QObject* parent = nullptr);

  void setSearchText(const QString& text);
  const QString& searchText() const { return search_; }
  // The model filtered; none before one is set.
  PriceGridModel* grid() const;

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  QString search_;        // as typed, blanks around it left out
  QString searchNumber_;  // the same without any blank, for the ordering numbers
};
