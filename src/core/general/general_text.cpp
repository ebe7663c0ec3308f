#include "general/general_text.h"

#include <utility>

#include "format/length_decimals.h"
#include "format/number_format.h"
#include "lang/text_args.h"

namespace kalmo {

namespace {

std::string text(const LangTable& lang, TextId id) {
  return GetLangString(lang, id);
}

std::string withSeparator(std::string number, std::string_view decimalSeparator) {
  if (const std::size_t dot = number.find('.'); dot != std::string::npos) {
    number.replace(dot, 1, decimalSeparator);
  }
  return number;
}

// A range bound, mm: whole micrometres written as mm ("0.5", "4000").
std::string boundText(std::int32_t um, std::string_view decimalSeparator) {
  return withSeparator(formatPlain(um / 1000.0), decimalSeparator);
}

// A length in the unit of the options: mm as it is, or inches rounded to 5
// decimals, with the unit.
std::string lengthText(double mm, const GeneralTextOptions& options) {
  const double shown =
      options.inch ? roundTo(mmToInch(mm), lengthDecimals(LengthUnit::Inch, LengthUse::Note)) : mm;
  return withSeparator(formatPlain(shown), options.decimalSeparator) +
         (options.inch ? " in" : " mm");
}

char classLetter(GeneralKind kind, const GeneralDesignation& designation) {
  if (isGeometricKind(kind)) {
    return designation.geometric ? geometricClassLetter(*designation.geometric) : '?';
  }
  return designation.linear ? linearClassLetter(*designation.linear) : '?';
}

std::string gapText(const LangTable& lang, const GeneralValue& value,
                    const GeneralDesignation& designation) {
  switch (value.gap) {
    case GeneralGap::None: return {};
    case GeneralGap::NoClass:
      return text(lang, isGeometricKind(value.kind) ? TextId::GeneralNoGeometricClass
                                                    : TextId::GeneralNoLinearClass);
    case GeneralGap::BelowTable: return text(lang, TextId::GeneralBelowTable);
    case GeneralGap::AboveTable: {
      const std::vector<GeneralCell> table = generalTable(value.kind, designation);
      const std::string end =
          table.empty() || !table.back().band.toUm ? "?" : boundText(*table.back().band.toUm, ".");
      return filled(text(lang, TextId::GeneralAboveTable), {end});
    }
    case GeneralGap::EmptyCell:
      return filled(text(lang, TextId::GeneralEmptyCell),
                    {std::string(1, classLetter(value.kind, designation))});
    case GeneralGap::NotConfirmed: return text(lang, TextId::GeneralNotConfirmed);
  }
  return {};
}

}  // namespace

TextId generalKindText(GeneralKind kind) {
  switch (kind) {
    case GeneralKind::Linear: return TextId::GeneralLinear;
    case GeneralKind::Edge: return TextId::GeneralEdge;
    case GeneralKind::Angle: return TextId::GeneralAngle;
    case GeneralKind::StraightnessFlatness: return TextId::GeneralStraightness;
    case GeneralKind::Perpendicularity: return TextId::GeneralPerpendicularity;
    case GeneralKind::Symmetry: return TextId::GeneralSymmetry;
    case GeneralKind::Runout: return TextId::GeneralRunout;
  }
  return TextId::None;
}

TextId generalDesignationErrorText(GeneralDesignationError error) {
  switch (error) {
    case GeneralDesignationError::None: return TextId::None;
    case GeneralDesignationError::Empty: return TextId::GeneralErrEmpty;
    case GeneralDesignationError::NotIso2768: return TextId::GeneralErrNotIso2768;
    case GeneralDesignationError::PartNumber: return TextId::GeneralErrPart;
    case GeneralDesignationError::MissingClass: return TextId::GeneralErrMissingClass;
    case GeneralDesignationError::LinearUpperCase: return TextId::GeneralErrLinearCase;
    case GeneralDesignationError::GeometricLowerCase: return TextId::GeneralErrGeometricCase;
    case GeneralDesignationError::UnknownLinear: return TextId::GeneralErrUnknownLinear;
    case GeneralDesignationError::UnknownGeometric: return TextId::GeneralErrUnknownGeometric;
    case GeneralDesignationError::Envelope: return TextId::GeneralErrEnvelope;
    case GeneralDesignationError::TrailingText: return TextId::GeneralErrTrailing;
  }
  return TextId::None;
}

std::string generalRangeText(const LangTable& lang, const GeneralCell& cell,
                             std::string_view decimalSeparator) {
  const std::string over = boundText(cell.band.overUm, decimalSeparator);
  if (!cell.band.toUm) return filled(text(lang, TextId::GeneralRangeOpen), {over});
  const std::string to = boundText(*cell.band.toUm, decimalSeparator);
  if (cell.band.overUm == 0) return filled(text(lang, TextId::GeneralRangeUpTo), {to});
  return filled(
      text(lang, cell.fromInclusive ? TextId::GeneralRangeFrom : TextId::GeneralRangeOver),
      {over, to});
}

std::string arcMinutesText(int arcMinutes) {
  const int degrees = arcMinutes / 60;
  const int minutes = arcMinutes % 60;
  std::string out = "\xC2\xB1" + std::to_string(degrees) + "\xC2\xB0";  // ± and °
  if (minutes != 0) out += std::to_string(minutes) + "'";
  return out;
}

std::string generalValueText(GeneralKind kind, const GeneralCell& cell,
                             const GeneralTextOptions& options) {
  if (cell.arcMinutes) return arcMinutesText(*cell.arcMinutes);
  if (!cell.toleranceMm) return {};
  // Dimensions and edges take a deviation either way; a geometrical tolerance is a zone width.
  const bool plusMinus = !isGeometricKind(kind);
  return (plusMinus ? "\xC2\xB1" : "") + lengthText(*cell.toleranceMm, options);
}

std::vector<GeneralLine> generalLines(const LangTable& lang, const GeneralAnswer& answer,
                                      const GeneralTextOptions& options) {
  std::vector<GeneralLine> lines;
  lines.reserve(answer.values.size());
  for (const GeneralValue& v : answer.values) {
    GeneralLine line;
    line.kind = v.kind;
    line.caption = text(lang, generalKindText(v.kind));
    if (v.cell) {
      line.range = generalRangeText(lang, *v.cell, options.decimalSeparator);
      line.value = generalValueText(v.kind, *v.cell, options);
    }
    line.reason = gapText(lang, v, answer.designation);
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string generalAnswerHeading(const LangTable& lang, const GeneralAnswer& answer,
                                 const GeneralTextOptions& options) {
  const std::string size =
      typedLengthText(answer.size, options.decimalSeparator) + (answer.size.inch ? " in" : " mm");
  return filled(text(lang, TextId::GeneralAnswerHeading),
                {generalDesignationText(answer.designation), size});
}

std::string generalNote(const LangTable& lang, const GeneralAnswer& answer) {
  // Each reason once, with the captions of the kinds it concerns, in order.
  std::vector<std::pair<std::string, std::string>> reasons;  // reason, captions
  for (const GeneralValue& v : answer.values) {
    if (v.gap == GeneralGap::None) continue;
    const std::string reason = gapText(lang, v, answer.designation);
    const std::string caption = text(lang, generalKindText(v.kind));
    bool found = false;
    for (auto& [r, captions] : reasons) {
      if (r == reason) {
        captions += ", " + caption;
        found = true;
      }
    }
    if (!found) reasons.emplace_back(reason, caption);
  }
  std::string note;
  for (const auto& [reason, captions] : reasons) {
    if (!note.empty()) note += ' ';
    note += captions + ": " + reason;
  }
  return note;
}

std::string generalAnswerText(const LangTable& lang, const GeneralAnswer& answer,
                              const GeneralTextOptions& options) {
  std::string out = generalAnswerHeading(lang, answer, options) + '\n';
  for (const GeneralLine& line : generalLines(lang, answer, options)) {
    out += line.caption;
    if (!line.range.empty()) out += " (" + line.range + ")";
    out += ": " + (line.value.empty() ? line.reason : line.value) + '\n';
  }
  return out + text(lang, TextId::GeneralEditions) + '\n';
}

std::string generalTableText(const LangTable& lang, const GeneralDesignation& designation,
                             const GeneralTextOptions& options) {
  std::string out =
      filled(text(lang, TextId::GeneralTableHeading), {generalDesignationText(designation)}) + '\n';
  for (const GeneralKind kind : kGeneralKinds) {
    const std::string caption = text(lang, generalKindText(kind));
    const bool hasClass =
        isGeometricKind(kind) ? designation.geometric.has_value() : designation.linear.has_value();
    if (!hasClass) continue;
    const std::vector<GeneralCell> table = generalTable(kind, designation);
    if (table.empty()) {
      out += caption + ": " + text(lang, TextId::GeneralNotConfirmed) + '\n';
      continue;
    }
    out +=
        caption + ", " +
        filled(text(lang, TextId::GeneralClass), {std::string(1, classLetter(kind, designation))}) +
        '\n';
    for (const GeneralCell& cell : table) {
      const std::string value = generalValueText(kind, cell, options);
      out += "  " + generalRangeText(lang, cell, options.decimalSeparator) + '\t' +
             (value.empty() ? "-" : value) + '\n';
    }
  }
  return out + text(lang, TextId::GeneralEditions) + '\n';
}

std::string generalComparisonLine(const LangTable& lang, const GeneralAnswer& answer,
                                  const std::vector<ClassWidth>& classes,
                                  const GeneralTextOptions& options) {
  const GeneralValue& linear = answer[GeneralKind::Linear];
  std::string line = generalAnswerHeading(lang, answer, options) + ": ";
  if (linear.gap != GeneralGap::None) {
    return line + gapText(lang, linear, answer.designation);
  }
  line += generalValueText(GeneralKind::Linear, *linear.cell, options);
  for (std::size_t i = 0; i < classes.size(); ++i) {
    line += i == 0 ? " — " : ", ";
    line += filled(text(lang, TextId::GeneralClassWidth),
                   {classes[i].name, lengthText(classes[i].toleranceMm, options)});
  }
  return line;
}

}  // namespace kalmo
