#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "format/limits_table.h"
#include "lang/lang_table.h"

namespace kalmo {

// Reads callouts, one per line ("Ø50 H7/g6", "12 k6"), into limits-table
// rows, by the grammar and with the reasons of `kalmo-cli fit --batch`
// (format/callout_line.h). Sizes are in the unit given (inches when
// inchMode). Blank lines and comments ("# ...") are skipped; every other line
// gives one row, a line that cannot be read a row with the reason in the
// table's language, so no line is dropped.
std::vector<LimitsRow> readCalloutLines(const QString& text, bool inchMode, const LangTable& lang);

// The batch table: one row per callout, the columns of the limits CSV
// (the error beside the callout rather than last).
// Display texts follow the window (lengths fixed-4 mm or fixed-5 in, the
// locale's decimal separator, kind and headings in the current language);
// SortRole gives numbers as numbers, so sorting by a column orders sizes and
// deviations by value.
class BatchTableModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column : int {
    Source,
    Error,  // beside the callout, so that a bad line shows why at once
    Size,
    HoleClass,
    HoleUpper,
    HoleLower,
    HoleMax,
    HoleMin,
    ShaftClass,
    ShaftUpper,
    ShaftLower,
    ShaftMax,
    ShaftMin,
    Kind,
    Value1,
    Value2,
    FitTolerance,
    ColumnCount,
  };
  static constexpr int SortRole = Qt::UserRole;

  explicit BatchTableModel(QObject* parent = nullptr);

  // Reads the text anew in the given unit and language.
  void setInput(const QString& text, bool inchMode, const LangTable& lang,
                std::string decimalSeparator = ".");

  const std::vector<LimitsRow>& rows() const { return rows_; }
  bool inchMode() const { return inch_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QVariant display(const LimitsRow& row, int column) const;
  QVariant sortKey(const LimitsRow& row, int column) const;

  std::vector<LimitsRow> rows_;
  bool inch_ = false;
  LangTable lang_;
  std::string decimal_ = ".";
};

// The model's headings and display texts, tab-separated, one line per row
// (CR LF), in the model's row order: what "Copy table" puts on the clipboard.
// Line breaks inside a heading become blanks.
QString tabSeparatedText(const QAbstractItemModel& model);

}  // namespace kalmo
