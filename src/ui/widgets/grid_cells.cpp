#include "widgets/grid_cells.h"

#include <cmath>

#include "design/fit_use.h"
#include "format/number_format.h"
#include "format/units.h"
#include "lang/fit_texts.h"
#include "mech/assembly_statistics.h"

namespace kalmo {

namespace {

QString text(const GridInput& input, TextId id) {
  return QString::fromStdString(GetLangString(input.lang, id));
}

QString length(const GridInput& input, double mm) {
  return QString::fromStdString(lengthText(mm, input.view.inputs.inch, input.decimalSeparator));
}

// "10 H7": the field's number in the plain format and the part's class.
QString classText(const GridInput& input, const PartView& part) {
  if (!part.complete) {
    return {};
  }
  const std::optional<double>& number = input.view.inputs.sizeShown;
  const QString shown =
      number ? QString::fromStdString(formatPlain(*number, input.decimalSeparator)) : QString();
  return shown + u' ' + QString::fromStdString(part.classText);
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
    case GridRow::FitValue1: return text(input, fitValue1Caption(input.view.fit.kind));
    case GridRow::FitValue2: return text(input, fitValue2Caption(input.view.fit.kind));
    case GridRow::FitTolerance: return text(input, TextId::FitTolerance);
    default: return {};
  }
}

QString partValue(const GridInput& input, int column, GridRow row) {
  const ClassResult& r = (column == 0 ? input.view.hole : input.view.shaft).result;
  const double size = input.view.inputs.sizeMm;
  switch (row) {
    case GridRow::Tolerance: return length(input, r.toleranceMm());
    case GridRow::UpperDeviation: return length(input, r.upperMm());
    case GridRow::LowerDeviation: return length(input, r.lowerMm());
    case GridRow::UpperLimit: return length(input, r.upperLimitMm(size));
    case GridRow::LowerLimit: return length(input, r.lowerLimitMm(size));
    default: return {};
  }
}

// In millimetres the two limit values print as magnitudes, the fit kind
// naming clearance or interference; in inches they keep their sign.
QString fitValue(const GridInput& input, GridRow row) {
  const FitResult& fit = input.view.fit;
  const bool inch = input.view.inputs.inch;
  const auto limitValue = [&](double mm) { return length(input, inch ? mm : std::fabs(mm)); };
  switch (row) {
    case GridRow::FitDesignation: return QString::fromStdString(input.view.designation());
    case GridRow::FitKind: return text(input, fitKindText(fit.kind));
    case GridRow::FitValue1: return limitValue(fit.value1Mm());
    case GridRow::FitValue2: return limitValue(fit.value2Mm());
    case GridRow::FitTolerance: return length(input, fit.toleranceMm());
    default: return {};
  }
}

bool hasBearing(const FitInputs& in) {
  return (in.hole && in.hole->isBearing()) || (in.shaft && in.shaft->isBearing());
}

// "-0.0182…-0.0048": the probable fit from least to most clearance, signed.
QString probableRange(const GridInput& input, const AssemblyStatistics& s) {
  return length(input, s.probableMinMm) + QChar(0x2026) + length(input, s.probableMaxMm);
}

// "-18.2…-4.8 µm", as bearing makers print a probable fit.
QString probableRangeUm(const GridInput& input, const AssemblyStatistics& s) {
  const std::string& separator = input.decimalSeparator;
  return QString::fromStdString(formatFixed(s.probableMinMm * 1000, 1, separator)) + QChar(0x2026) +
         QString::fromStdString(formatFixed(s.probableMaxMm * 1000, 1, separator)) +
         QStringLiteral(" µm");
}

std::optional<AssemblyStatistics> shownStatistics(const FitView& view) {
  if (!view.fitShown) return std::nullopt;
  return assemblyStatistics(view.hole.result, view.shaft.result, SizeDistribution::Normal);
}

bool isPartRow(GridRow row) {
  return row == GridRow::Tolerance || row == GridRow::UpperDeviation ||
         row == GridRow::LowerDeviation || row == GridRow::UpperLimit || row == GridRow::LowerLimit;
}
bool isFitRow(GridRow row) {
  return row >= GridRow::FitDesignation && row <= GridRow::FitTolerance;
}

}  // namespace

QString cellToolTip(const GridInput& input, int column, int row) {
  const FitInputs& in = input.view.inputs;
  if (column == 0 && row == static_cast<int>(GridRow::Last)) {
    const std::optional<AssemblyStatistics> s = shownStatistics(input.view);
    if (!s) return {};
    return text(input, TextId::ProbableFit) + QStringLiteral(" (± 3σ): ") +
           probableRange(input, *s) +
           (input.view.inputs.inch ? QStringLiteral(" in = ") : QStringLiteral(" mm = ")) +
           probableRangeUm(input, *s);
  }
  // A fit the grid shows as "N" (undefined: a member the tables lack at the
  // size, as H11/c11 at 600 mm, whose JSON "use" is null; or a size outside
  // the tables) is used for nothing.
  if (column != 0 || row != static_cast<int>(GridRow::FitDesignation) || !in.hole || !in.shaft ||
      !input.view.fitShown) {
    return {};
  }
  const std::optional<TextId> use = fitUseTextId(FitClasses{*in.hole, *in.shaft});
  return use ? text(input, *use) : QString();
}

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
      const QString tag = QString::fromUtf8(diagramUnitTag(input.view.inputs.inch));
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

  const FitView& view = input.view;
  const PartView& part = hole ? view.hole : view.shaft;
  if (row == ClassText) {
    cell.centred = classText(input, part);
    return cell;
  }
  const QString notDefined = QStringLiteral("N");
  const bool partShown = part.shown;
  if (isPartRow(row)) {
    cell.label = partLabel(input, column, row);
    cell.value = partShown ? partValue(input, column, row) : notDefined;
  } else if (row == Last && hole) {
    // The probable fit under the fit's limits; with a bearing ring also in
    // µm, in place of the caption (the tooltip names it).
    if (const std::optional<AssemblyStatistics> s = shownStatistics(view)) {
      cell.label = hasBearing(view.inputs) ? probableRangeUm(input, *s)
                                           : text(input, TextId::ProbableFitShort);
      cell.value = probableRange(input, *s);
    }
  } else if (isFitRow(row)) {
    if (hole) {
      cell.label = fitLabel(input, row);
      cell.value = view.fitShown ? fitValue(input, row) : notDefined;
    } else {
      // Lies under the diagram; it carries no fit values of its own.
      cell.value = view.shaft.shown ? QString() : notDefined;
    }
  }
  return cell;
}

CellLayout cellLayout(const GridCell& cell, int column, int row, GridColumns columns) {
  const QRect r = cellRect(column, row, columns);
  // Bands and rules run across both columns, to the right edge of column 1.
  const int fullRight = cellRect(grid::kColumns - 1, row, columns).right();
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
    const int x = cellRect(0, row, columns).right() + 1;  // the pixel column between the cells
    layout.separator = QLine(x, r.top(), x, r.bottom());
  }
  return layout;
}

QString fittedHeading(QString heading, int room, const std::function<int(const QString&)>& width) {
  const QString pair(2, u' ');
  qsizetype gap = heading.indexOf(pair);
  while (gap >= 0 && width(heading) > room) {
    heading.remove(gap, 1);
    gap = heading.indexOf(pair);
  }
  return heading;
}

}  // namespace kalmo
