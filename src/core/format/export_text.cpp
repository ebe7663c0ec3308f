#include "format/export_text.h"

#include "format/number_format.h"
#include "format/units.h"

namespace kalmo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kTab = '\t';

// Size and upper deviation of one part as the export writes them (mm).
struct PartValues {
  bool valid = false;
  double sizeMm = 0;
  double upperMm = 0;
  double lowerMm = 0;
  double toleranceMm = 0;
  std::string classText;  // letter text and grade text of the pickers
};

PartValues partValues(const CalcRecord& r, const std::optional<std::string>& letter,
                      const std::optional<std::string>& grade, double upper, double lower,
                      double tolerance) {
  PartValues p;
  p.valid = letter && grade && upper < DeviationUndefined;
  p.sizeMm = p.valid ? r.NominalSize : 0;
  p.upperMm = p.valid ? upper : 0;
  // The record already holds 0 for the lower deviation and the tolerance of
  // an undefined or unselected class.
  p.lowerMm = lower;
  p.toleranceMm = tolerance;
  p.classText = letter.value_or("") + grade.value_or("");
  return p;
}

class ExportWriter {
 public:
  explicit ExportWriter(const ExportInput& in) : in_(in) {}

  std::string lang(TextId id) const { return GetLangString(in_.lang, id); }

  // A length in the export's unit: fixed-4 mm or fixed-5 inches.
  std::string length(double mm) const {
    return lengthText(mm, in_.record.InchMode, in_.decimalSeparator);
  }

  // The size of the class line, as the nominal-size field shows it.
  std::string size(double mm) const {
    const double shown = in_.record.InchMode ? roundTo(mmToInch(mm), 5) : mm;
    return formatPlain(shown, in_.decimalSeparator);
  }

  template <typename... Parts>
  void line(const Parts&... parts) {
    (text_.append(parts), ...);
    text_.append(kLineEnd);
  }

  std::string take() { return std::move(text_); }

 private:
  const ExportInput& in_;
  std::string text_;
};

}  // namespace

std::string BuildExportText(const ExportInput& input) {
  const CalcRecord& r = input.record;
  const PartValues hole =
      partValues(r, input.holeLetter, input.holeGrade, r.HoleES, r.HoleEI, r.HoleIT);
  const PartValues shaft =
      partValues(r, input.shaftLetter, input.shaftGrade, r.ShaftES, r.ShaftEI, r.ShaftIT);

  ExportWriter w(input);
  const std::string tab(1, kTab);
  const std::string tab2(2, kTab);

  w.line(input.inputsCaption, ": ");
  w.line(w.lang(TextId::Hole), tab2, w.lang(TextId::Shaft));
  w.line(w.size(hole.sizeMm), " ", hole.classText, tab2, w.size(shaft.sizeMm), " ",
         shaft.classText);
  w.line();
  w.line(w.lang(TextId::Tolerance), tab, w.length(hole.toleranceMm), tab, w.lang(TextId::Tolerance),
         tab, w.length(shaft.toleranceMm));
  w.line();
  w.line(w.lang(TextId::LimitDeviations), tab2, w.lang(TextId::LimitDeviations));
  w.line(w.lang(TextId::UpperDeviation), " (ES)", tab, w.length(hole.upperMm), tab,
         w.lang(TextId::UpperDeviation), " (es)", tab, w.length(shaft.upperMm));
  w.line(w.lang(TextId::LowerDeviation), " (EI)", tab, w.length(hole.lowerMm), tab,
         w.lang(TextId::LowerDeviation), " (ei)", tab, w.length(shaft.lowerMm));
  w.line();
  w.line(w.lang(TextId::LimitSizes), tab2, w.lang(TextId::LimitSizes));
  w.line(w.lang(TextId::UpperLimitOfSize), tab, w.length(hole.sizeMm + hole.upperMm), tab,
         w.lang(TextId::UpperLimitOfSize), tab, w.length(shaft.sizeMm + shaft.upperMm));
  w.line(w.lang(TextId::LowerLimitOfSize), tab, w.length(hole.sizeMm + hole.lowerMm), tab,
         w.lang(TextId::LowerLimitOfSize), tab, w.length(shaft.sizeMm + shaft.lowerMm));
  w.line();
  w.line(w.lang(TextId::Fit));
  const std::string designation =
      hole.valid && shaft.valid ? input.nominalText + " " + hole.classText + "/" + shaft.classText
                                : std::string("N");
  w.line(w.lang(TextId::Designation), tab, designation);
  w.line(w.lang(TextId::TypeOfFit), tab, r.FitKindText);
  w.line(r.FitLabel1, tab, w.length(r.FitValue1));
  w.line(r.FitLabel2, tab, w.length(r.FitValue2));
  w.line(w.lang(TextId::FitTolerance), tab, w.length(r.FitTolerance));
  w.line();
  w.line(input.unitNote);
  return w.take();
}

}  // namespace kalmo
