#include "present/export_text.h"

#include "format/number_format.h"
#include "format/units.h"
#include "lang/fit_texts.h"

namespace kalmo {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr char kTab = '\t';

// The numbers of one part as the export writes them (mm); all 0 for a part not shown.
struct PartValues {
  bool valid = false;
  double sizeMm = 0;
  double upperMm = 0;
  double lowerMm = 0;
  double toleranceMm = 0;
  double upperLimitMm = 0;
  double lowerLimitMm = 0;
};

PartValues partValues(const PartView& part, double sizeMm) {
  if (!part.shown) {
    return {};
  }
  const ClassResult& r = part.result;
  return {true,
          sizeMm,
          r.upperMm(),
          r.lowerMm(),
          r.toleranceMm(),
          r.upperLimitMm(sizeMm),
          r.lowerLimitMm(sizeMm)};
}

class ExportWriter {
 public:
  ExportWriter(const LangTable& lang, bool inch, std::string_view separator)
      : lang_(lang), inch_(inch), separator_(separator) {}

  std::string lang(TextId id) const { return GetLangString(lang_, id); }

  // A length in the export's unit: fixed-4 mm or fixed-5 inches.
  std::string length(double mm) const { return lengthText(mm, inch_, separator_); }

  // The size of a class line: the number as entered (in the unit shown),
  // for every part with a class, also one not shown, so that a non-zero size
  // never prints as 0; without a number entered, the size as the field would
  // show it. A part without a class prints 0.
  std::string size(const FitInputs& inputs, const PartView& part) const {
    if (part.classText.empty() || inputs.sizeMm <= 0) return "0";
    return formatPlain(inputs.sizeShown.value_or(sizeFieldValue(inputs.sizeMm, inch_)), separator_);
  }

  template <typename... Parts>
  void line(const Parts&... parts) {
    (text_.append(parts), ...);
    text_.append(kLineEnd);
  }

  std::string take() { return std::move(text_); }

 private:
  const LangTable& lang_;
  bool inch_;
  std::string_view separator_;
  std::string text_;
};

}  // namespace

std::string BuildExportText(const FitView& view, const LangTable& lang,
                            std::string_view decimalSeparator) {
  const bool inch = view.inputs.inch;
  const PartValues hole = partValues(view.hole, view.inputs.sizeMm);
  const PartValues shaft = partValues(view.shaft, view.inputs.sizeMm);
  // A fit not shown prints as an undefined one: no kind, zeros.
  const FitResult fit = view.fitShown ? view.fit : FitResult{};

  ExportWriter w(lang, inch, decimalSeparator);
  const std::string tab(1, kTab);
  const std::string tab2(2, kTab);

  w.line(w.lang(TextId::BasicParameters), ": ");
  w.line(w.lang(TextId::Hole), tab2, w.lang(TextId::Shaft));
  w.line(w.size(view.inputs, view.hole), " ", view.hole.classText, tab2,
         w.size(view.inputs, view.shaft), " ", view.shaft.classText);
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
  w.line(w.lang(TextId::UpperLimitOfSize), tab, w.length(hole.upperLimitMm), tab,
         w.lang(TextId::UpperLimitOfSize), tab, w.length(shaft.upperLimitMm));
  w.line(w.lang(TextId::LowerLimitOfSize), tab, w.length(hole.lowerLimitMm), tab,
         w.lang(TextId::LowerLimitOfSize), tab, w.length(shaft.lowerLimitMm));
  w.line();
  w.line(w.lang(TextId::Fit));
  const std::string designation = hole.valid && shaft.valid ? view.designation() : std::string("N");
  w.line(w.lang(TextId::Designation), tab, designation);
  w.line(w.lang(TextId::TypeOfFit), tab,
         fit.kind == FitKind::Undefined ? std::string() : w.lang(fitKindText(fit.kind)));
  w.line(w.lang(fitValue1Caption(fit.kind)), tab, w.length(fit.value1Mm()));
  w.line(w.lang(fitValue2Caption(fit.kind)), tab, w.length(fit.value2Mm()));
  w.line(w.lang(TextId::FitTolerance), tab, w.length(fit.toleranceMm()));
  w.line();
  w.line(unitNote(lang, inch));
  return w.take();
}

}  // namespace kalmo
