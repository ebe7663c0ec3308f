#include "grid_cells.h"

#include <cmath>

#include "format/number_format.h"
#include "format/units.h"

namespace kalmo {

namespace {

QString text(const GridInput& input, TextId id) {
  return QString::fromStdString(GetLangString(input.lang, id));
}

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
      input.nominalNumber
          ? QString::fromStdString(formatPlain(*input.nominalNumber, input.decimalSeparator))
          : QString();
  return number + u' ' + letter.value_or(QString()) + grade.value_or(QString());
}

QString partLabel(const GridInput& input, int column, GridRow row) {
  const bool hole = column == 0;
  switch (row) {
    case GridRow::Tolerance: return text(input, TextId::Tolerance);
    case GridRow::UpperDeviation:
      return text(input, TextId::UpperDeviation) +
             (hole ? QStringLiteral(" (ES)") : QStringLiteral(" (es)"));
    case GridRow::LowerDeviation:
      return text(input, TextId::LowerDeviation) +
             (hole ? QStringLiteral(" (EI)") : QStringLiteral(" (ei)"));
    case GridRow::UpperLimit: return text(input, TextId::UpperLimitOfSize);
    case GridRow::LowerLimit: return text(input, TextId::LowerLimitOfSize);
    default: return {};
  }
}

QString fitLabel(const GridInput& input, GridRow row) {
  switch (row) {
    case GridRow::FitDesignation: return text(input, TextId::Designation);
    case GridRow::FitKind: return text(input, TextId::TypeOfFit);
    case GridRow::FitValue1: return QString::fromStdString(input.record.FitLabel1);
    case GridRow::FitValue2: return QString::fromStdString(input.record.FitLabel2);
    case GridRow::FitTolerance: return text(input, TextId::FitTolerance);
    default: return {};
  }
}

QString partValue(const GridInput& input, int column, GridRow row) {
  const CalcRecord& r = input.record;
  const bool hole = column == 0;
  const double upper = hole ? r.HoleES : r.ShaftES;
  const double lower = hole ? r.HoleEI : r.ShaftEI;
  switch (row) {
    case GridRow::Tolerance: return length(input, hole ? r.HoleIT : r.ShaftIT);
    case GridRow::UpperDeviation: return length(input, upper);
    case GridRow::LowerDeviation: return length(input, lower);
    case GridRow::UpperLimit: return length(input, r.NominalSize + upper);
    case GridRow::LowerLimit: return length(input, r.NominalSize + lower);
    default: return {};
  }
}

// In millimetres the two limit values print as magnitudes, the fit kind
// naming clearance or interference; in inches they keep their sign.
QString fitValue(const GridInput& input, GridRow row) {
  const CalcRecord& r = input.record;
  const auto limitValue = [&](double mm) { return length(input, r.InchMode ? mm : std::fabs(mm)); };
  switch (row) {
    case GridRow::FitDesignation:
      return input.nominalText + u' ' + input.holeLetter.value_or(QString()) +
             input.holeGrade.value_or(QString()) + u'/' + input.shaftLetter.value_or(QString()) +
             input.shaftGrade.value_or(QString());
    case GridRow::FitKind: return QString::fromStdString(r.FitKindText);
    case GridRow::FitValue1: return limitValue(r.FitValue1);
    case GridRow::FitValue2: return limitValue(r.FitValue2);
    case GridRow::FitTolerance: return length(input, r.FitTolerance);
    default: return {};
  }
}

bool isPartRow(GridRow row) {
  return row == GridRow::Tolerance || row == GridRow::UpperDeviation ||
         row == GridRow::LowerDeviation || row == GridRow::UpperLimit || row == GridRow::LowerLimit;
}
bool isFitRow(GridRow row) {
  return row >= GridRow::FitDesignation && row <= GridRow::FitTolerance;
}

}  // namespace

GridCell gridCell(const GridInput& input, int column, int rowNumber) {
  GridCell cell;
  const bool hole = column == 0;
  const auto row = static_cast<GridRow>(rowNumber);
  using enum GridRow;
  cell.ruleBelow = row <= DeviationsBand || row == LowerDeviation || row == SizesBand ||
                   row == LowerLimit || row == Last || (row == FitHeading && hole);
  cell.columnSeparator = row == ClassText || row == Tolerance || row == UpperDeviation ||
                         row == LowerDeviation || row >= UpperLimit;

  if (row == Heading) {
    cell.kind = CellKind::Heading;
    cell.centred = text(input, hole ? TextId::Hole : TextId::Shaft);
    return cell;
  }
  if (row == FitHeading) {
    if (hole) {
      cell.kind = CellKind::Heading;
      cell.centred = text(input, TextId::Fit);
    } else {
      const QString tag = QString::fromUtf8(diagramUnitTag(input.record.InchMode));
      cell.kind = CellKind::DiagramHeading;
      cell.centred =
          text(input, TextId::Hole) + tag + QString(12, u' ') + text(input, TextId::Shaft) + tag;
    }
    return cell;
  }
  if (row == DeviationsBand || row == SizesBand) {
    cell.kind = CellKind::Band;
    cell.centred =
        text(input, row == DeviationsBand ? TextId::LimitDeviations : TextId::LimitSizes);
    return cell;
  }

  const Shown shown = shownParts(input);
  if (row == ClassText) {
    cell.centred = hole
                       ? classText(input, shown.holeComplete, input.holeLetter, input.holeGrade)
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
    case CellKind::Heading: t.setLeft(t.left() + 3); break;
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
      layout.value =
          QRect(QPoint(valueLeft, t.top()), QPoint(r.right() - grid::kValueRightGap, t.bottom()));
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
