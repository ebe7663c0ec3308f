#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <vector>

#include "stack/stack_chain.h"

namespace kalmo {

class Language;

// One contributor as the table holds it: the texts as typed, so that a
// nominal that is not a number stays as it was typed and gives no result.
struct StackRow {
  QString name;
  QString nominal;
  StackDirection direction = StackDirection::Plus;
  QString tolerance;
  StackDistribution distribution = StackDistribution::Normal;
};

// The chain's contributors for the editable table. Columns: name, direction,
// nominal, tolerance, distribution (editable), then sigma and share of the
// last result (read only). A cell whose text gives no contributor is marked
// (red background) and its tooltip says why.
class StackTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Name, Direction, Nominal, Tolerance, Distribution, Sigma, Share, ColumnCount };

  StackTableModel(const Language& language, bool inch, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

  const std::vector<StackRow>& rows() const { return rows_; }
  void setRows(std::vector<StackRow> rows);
  // A new row at `row` (a copy of the row above's direction and distribution).
  void insertContributor(int row, const StackRow& contributor);
  // Swaps a row with the one below it.
  void swapWithNext(int row);

  // The contributor of a row, nominal read from its text; nullopt while the
  // nominal is not a number.
  std::optional<StackContributor> contributor(int row) const;
  // Every row resolved; nullopt when any row gives no contributor.
  std::optional<std::vector<StackLink>> links() const;
  std::vector<StackContributor> contributors() const;  // rows with a nominal only

  // The first row that gives no contributor, as "Row 2, Tolerance: reason";
  // empty when every row gives one.
  QString firstProblem() const;

  // The sigma and share columns of the last result; empty hides them.
  void setResult(const std::optional<StackResult>& result);
  // Captions and reasons anew in the current language.
  void retranslate();

 private:
  // Why a row gives no contributor: the field and the reason; nullopt when it gives one.
  struct Problem {
    Column column;
    QString reason;
  };
  std::optional<Problem> problem(int row) const;

  const Language& language_;
  bool inch_;
  std::vector<StackRow> rows_;
  std::optional<StackResult> result_;
};

// The row texts of contributors read from a file (nominal as its shortest text).
std::vector<StackRow> stackRowsOf(const std::vector<StackContributor>& contributors);

}  // namespace kalmo
