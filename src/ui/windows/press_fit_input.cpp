#include <QComboBox>
#include <QString>
#include <optional>

#include "format/length_decimals.h"
#include "format/number_format.h"
#include "models/result_source.h"
#include "storage/language.h"
#include "widgets/number_field.h"
#include "windows/press_fit_fields.h"
#include "windows/press_fit_window.h"

// The press-fit window's fields read as the method's input: each field's
// number (lengths in mm), what is wrong with its text, and the marks.

namespace kalmo {

using namespace press;

std::optional<double> PressFitWindow::number(PressField which) const {
  if (definition(which).unit == Unit::Length) {
    return field(which)->value() ? lengthsMm_[static_cast<std::size_t>(which)] : std::nullopt;
  }
  return field(which)->value();
}

std::optional<PressFitInput> PressFitWindow::input() const {
  if (!view_.fitShown) {
    return std::nullopt;
  }
  std::array<std::optional<double>, kPressFieldCount> n;
  for (const FieldDefinition& s : kFields) {
    n[static_cast<std::size_t>(s.field)] = number(s.field);
    if (!n[static_cast<std::size_t>(s.field)] && !s.emptyIsDefault) {
      return std::nullopt;
    }
  }
  const auto at = [&n](PressField f) { return n[static_cast<std::size_t>(f)]; };
  PressFitInput in;
  in.diameterMm = view_.inputs.sizeMm;
  in.hole = view_.hole.result;
  in.shaft = view_.shaft.result;
  in.hubOuterMm = *at(PressField::HubOuterDiameter);
  in.shaftBoreMm = *at(PressField::ShaftBore);
  in.lengthMm = *at(PressField::Length);
  in.hubMaterial = {*at(PressField::HubAlpha), *at(PressField::HubModulus),
                    *at(PressField::HubPoisson), *at(PressField::HubYield)};
  in.shaftMaterial = {*at(PressField::ShaftAlpha), *at(PressField::ShaftModulus),
                      *at(PressField::ShaftPoisson), *at(PressField::ShaftYield)};
  in.rzHubUm = *at(PressField::HubRoughness);
  in.rzShaftUm = *at(PressField::ShaftRoughness);
  in.friction = *at(PressField::Friction);
  in.pressFriction = at(PressField::PressFriction);
  in.joiningClearanceMm = at(PressField::JoiningClearance);
  in.smoothing =
      smoothingPicker->currentIndex() == 1 ? SmoothingRule::Factor04 : SmoothingRule::Factor08;
  in.hubStress =
      stressPicker->currentIndex() == 1 ? StressHypothesis::VonMises : StressHypothesis::MaxShear;
  // The operating page's temperatures change the joint only where they differ from 20 °C.
  if (const std::optional<OperatingConditions>& op = source_.operating();
      op && !bothAtReferenceTemperature(*op)) {
    in.operating = JointTemperatures{op->hole.temperatureC, op->shaft.temperatureC};
  }
  return in;
}

void PressFitWindow::markField(PressField which, const QString& problem) {
  NumberField* f = field(which);
  f->setProperty("invalid", !problem.isEmpty());
  // Dark text on the light mark, whatever the palette's text colour.
  f->setStyleSheet(
      problem.isEmpty() ? QString() : QStringLiteral("background-color: #ffd8d8; color: #000000;"));
  f->setToolTip(problem);
}

QString PressFitWindow::rangeText(PressField which) const {
  const FieldDefinition& s = definition(which);
  const bool inch = view_.inputs.inch;
  const double d = view_.inputs.sizeMm;
  const PressFitRange range = pressFitRange(s.error, d);
  const auto bound = [&](double value) {
    if (s.unit != Unit::Length) {
      return QString::fromStdString(formatPlain(value, localeDecimalSeparator()));
    }
    const QString shown =
        QString::fromStdString(formatPlain(
            roundTo(value / unitFactor(inch), lengthDecimals(lengthUnit(inch), LengthUse::Input)),
            localeDecimalSeparator())) +
        QStringLiteral(" ") + unitText(Unit::Length, inch);
    return value == d ? QStringLiteral("D = ") + shown : shown;
  };
  return bound(range.low) + (range.lowIncluded ? QStringLiteral(" ≤ ") : QStringLiteral(" &lt; ")) +
         QString::fromUtf8(s.symbol) +
         (range.highIncluded ? QStringLiteral(" ≤ ") : QStringLiteral(" &lt; ")) +
         bound(range.high);
}

QString PressFitWindow::fieldProblem(PressField which) const {
  const FieldDefinition& s = definition(which);
  NumberField* f = field(which);
  if (f->text().trimmed().isEmpty()) {
    return s.emptyIsDefault ? QString() : language_.text(TextId::EnterNumber);
  }
  // Text that is no complete number is never read as the number before it.
  if (f->entry().state != EntryState::Number) return language_.text(TextId::NotANumber);
  const std::optional<double> n = number(which);
  if (!n) return language_.text(TextId::NotANumber);
  const PressFitRange range = pressFitRange(s.error, view_.inputs.sizeMm);
  // D_aA and D_iI also so close to D that their ratio rounds to 1.
  const bool ratioOne =
      (which == PressField::HubOuterDiameter && !(view_.inputs.sizeMm / *n < 1)) ||
      (which == PressField::ShaftBore && !(*n / view_.inputs.sizeMm < 1));
  return range.holds(*n) && !(view_.fitShown && ratioOne) ? QString() : rangeText(which);
}

}  // namespace kalmo
