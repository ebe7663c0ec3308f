#include "grid_cells.h"

#include <cmath>

#include "format/number_format.h"
#include "format/units.h"

namespace kalmo {

namespace {

QString text(const GridInput& input, int n) { return QString::fromStdString(GetLangString(input.lang, n)); }

QString length(const GridInput& input, double mm) {
  return QString::fromStdString(lengthText(mm, input.record.InchMode, input.decimalSeparator));
}

struct Shown {
  bool holeComplete = false;
  bool shaftComplete = false;
  bool sizeInRange = false;
  bool hole = false;
  bool shaft = false;
  bool fit = false;
};

Shown shownParts(const GridInput& input) {
  const CalcRecord& r = input.record;
  Shown s;
  s.holeComplete = input.holeLetter && input.holeGrade && r.HoleES < DeviationUndefined;
  s.shaftComplete = input.shaftLetter && input.shaftGrade && r.ShaftES < DeviationUndefined;
  s.sizeInRange = r.NominalSize >= 0.001 && r.NominalSize <= 10000;
  s.hole = s.sizeInRange && s.holeComplete && r.HoleIT > 0;
  s.shaft = s.sizeInRange && s.shaftComplete && r.ShaftIT > 0;
  s.fit = s.hole && s.shaft;
  return s;
}

// "10 H7": the field's number in the plain format and the part's class.
QString classText(const GridInput& input, bool complete, const std::optional<QString>& letter,
                  const std::optional<QString>& grade) {
  if (!complete || !(input.record.NominalSize > 0)) {
    return {};
  }
  const QString number =
      input.nominalNumber ? QString::fromStdString(formatPlain(*input.nominalNumber, input.decimalSeparator)) : QString();
  return number + u' ' + letter.value_or(QString()) + grade.value_or(QString());
}

QString partLabel(const GridInput& input, int column, int row) {
  const bool hole = column == 0;
  switch (row) {
    case 2: return text(input, 6);
    case 4: return text(input, 7) + (hole ? QStringLiteral(" (ES)") : QStringLiteral(" (es)"));
    case 5: return text(input, 8) + (hole ? QStringLiteral(" (EI)") : QStringLiteral(" (ei)"));
    case 7: return text(input, 9);
    case 8: return text(input, 10);
    default: return {};
  }
}

QString fitLabel(const GridInput& input, int row) {
  switch (row) {
    case 10: return text(input, 11);
    case 11: return text(input, 12);
    case 12: return QString::fromStdString(input.record.FitLabel1);
    case 13: return QString::fromStdString(input.record.FitLabel2);
    case 14: return text(input, 13);
    default: return {};
  }
}

QString partValue(const GridInput& input, int column, int row) {
  const CalcRecord& r = input.record;
  const bool hole = column == 0;
  const double upper = hole ? r.HoleES : r.ShaftES;
  const double lower = hole ? r.HoleEI : r.ShaftEI;
  switch (row) {
    case 2: return length(input, hole ? r.HoleIT : r.ShaftIT);
    case 4: return length(input, upper);
    case 5: return length(input, lower);
    case 7: return length(input, r.NominalSize + upper);
    case 8: return length(input, r.NominalSize + lower);
    default: return {};
  }
}

// In millimetres the two limit values print as magnitudes, the fit kind
// naming clearance or interference; in inches they keep their sign.
QString fitValue(const GridInput& input, int row) {
  const CalcRecord& r = input.record;
  const auto limitValue = [&](double mm) { return length(input, r.InchMode ? mm : std::fabs(mm)); };
  switch (row) {
    case 10:
      return input.nominalText + u' ' + input.holeLetter.value_or(QString()) + input.holeGrade.value_or(QString()) +
             u'/' + input.shaftLetter.value_or(QString()) + input.shaftGrade.value_or(QString());
    case 11: return QString::fromStdString(r.FitKindText);
    case 12: return limitValue(r.FitValue1);
    case 13: return limitValue(r.FitValue2);
    case 14: return length(input, r.FitTolerance);
    default: return {};
  }
}

bool isPartRow(int row) { return row == 2 || row == 4 || row == 5 || row == 7 || row == 8; }
bool isFitRow(int row) { return row >= 10 && row <= 14; }

}  // namespace

GridCell gridCell(const GridInput& input, int column, int row) {
  GridCell cell;
  const bool hole = column == 0;
  cell.ruleBelow = row <= 3 || row == 5 || row == 6 || row == 8 || row == 15 || (row == 9 && hole);
  cell.columnSeparator = row == 1 || row == 2 || row == 4 || row == 5 || row >= 7;

  if (row == 0) {
    cell.kind = CellKind::Heading;
    cell.centred = text(input, hole ? 1 : 2);
    return cell;
  }
  if (row == 9) {
    if (hole) {
      cell.kind = CellKind::Heading;
      cell.centred = text(input, 25);
    } else {
      const QString tag = QString::fromUtf8(diagramUnitTag(input.record.InchMode));
      cell.kind = CellKind::DiagramHeading;
      cell.centred = text(input, 1) + tag + QString(12, u' ') + text(input, 2) + tag;
    }
    return cell;
  }
  if (row == 3 || row == 6) {
    cell.kind = CellKind::Band;
    cell.centred = text(input, row == 3 ? 4 : 5);
    return cell;
  }

  const Shown shown = shownParts(input);
  if (row == 1) {
    cell.centred = hole ? classText(input, shown.holeComplete, input.holeLetter, input.holeGrade)
                        : classText(input, shown.shaftComplete, input.shaftLetter, input.shaftGrade);
    return cell;
  }
  const QString notDefined = QStringLiteral("N");
  const bool partShown = hole ? shown.hole : shown.shaft;
  if (isPartRow(row)) {
    cell.label = partLabel(input, column, row);
    cell.value = partShown ? partValue(input, column, row) : notDefined;
  } else if (isFitRow(row)) {
    if (hole) {
      cell.label = fitLabel(input, row);
      cell.value = shown.fit ? fitValue(input, row) : notDefined;
    } else {
      // Lies under the diagram; it carries no fit values of its own.
      cell.value = shown.shaft ? QString() : notDefined;
    }
  }
  return cell;
}

CellLayout cellLayout(const GridCell& cell, int column, int row) {
  const QRect r = cellRect(column, row);
  // Bands and rules run across both columns, to the right edge of column 1.
  const int fullRight = cellRect(grid::kColumns - 1, row).right();
  CellLayout layout;
  layout.fill = r;
  QRect t = r;
  switch (cell.kind) {
    case CellKind::Heading:
      t.setLeft(t.left() + 3);
      break;
    case CellKind::DiagramHeading:
      t.setTop(t.top() + 1);
      t.setLeft(t.left() + 3);
      break;
    case CellKind::Band:
      layout.fill = QRect(QPoint(0, r.top()), QPoint(fullRight, r.bottom()));
      t = layout.fill;
      break;
    case CellKind::Value: {
      t.setTop(t.top() + 2);
      const int valueLeft = r.right() + 1 - grid::kValueColumn;
      layout.label = QRect(QPoint(t.left(), t.top()), QPoint(valueLeft - 1, t.bottom()));
      layout.value = QRect(QPoint(valueLeft, t.top()), QPoint(r.right() - grid::kValueRightGap, t.bottom()));
      break;
    }
  }
  layout.text = t;
  if (cell.ruleBelow) {
    layout.rule = QLine(0, r.bottom(), fullRight, r.bottom());
  }
  if (cell.columnSeparator) {
    const int x = cellRect(0, row).right() + 1;  // the pixel column between the two cells
    layout.separator = QLine(x, r.top(), x, r.bottom());
  }
  return layout;
}

}  // namespace kalmo
