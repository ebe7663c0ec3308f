#include "mech/bearing_seat_text.h"

#include <cmath>

#include "format/callout.h"
#include "format/number_format.h"
#include "lang/fit_texts.h"
#include "lang/text_args.h"
#include "tables/iso492_normal.h"

namespace kalmo {

namespace {

constexpr std::string_view kTo = " \xE2\x80\xA6 ";      // " … "
constexpr std::string_view kMicrometre = " \xC2\xB5m";  // " µm"
// Outside diameters over this rest on one source only (tables/iso492_normal.h).
constexpr double kOuterSingleSourceAboveMm = 400;

// A text without the blanks some tables put around grid captions (" Passungsart").
std::string text(const LangTable& lang, TextId id) {
  const std::string t = GetLangString(lang, id);
  const std::size_t first = t.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return t.substr(first, t.find_last_not_of(' ') - first + 1);
}

std::string mm4(double mm) {
  return formatFixed(mm, 4);
}

std::string diameterRange(const LangTable& lang, const SeatChoice& c) {
  if (std::isinf(c.toMm)) {
    if (c.overMm <= 0) return {};
    return filled(text(lang, TextId::GeneralRangeOpen), {formatPlain(c.overMm)});
  }
  if (c.overMm <= 0) return filled(text(lang, TextId::GeneralRangeUpTo), {formatPlain(c.toMm)});
  return filled(text(lang, TextId::GeneralRangeOver), {formatPlain(c.overMm), formatPlain(c.toMm)});
}

std::string caseLine(const LangTable& lang, double diameterMm, const SeatCase& c) {
  const TextId ring = c.ring == BearingRing::Inner ? TextId::SeatInnerRing : TextId::SeatOuterRing;
  const TextId load = c.load == RingLoad::Rotating     ? TextId::SeatLoadRotating
                      : c.load == RingLoad::Stationary ? TextId::SeatLoadStationary
                                                       : TextId::SeatLoadIndeterminate;
  const TextId magnitude = c.magnitude == LoadMagnitude::Light    ? TextId::SeatLight
                           : c.magnitude == LoadMagnitude::Normal ? TextId::SeatNormal
                                                                  : TextId::SeatHeavy;
  const TextId element = c.element == RollingElement::Ball ? TextId::SeatBall : TextId::SeatRoller;
  return text(lang, TextId::BearingSeat) + "\t" + formatPlain(diameterMm) + " mm\t" +
         text(lang, ring) + "\t" + text(lang, load) + "\t" + text(lang, TextId::SeatMagnitude) +
         ": " + text(lang, magnitude) + "\t" + text(lang, element);
}

}  // namespace

std::array<std::string, kSeatColumnCount> seatHeadings(const LangTable& lang) {
  return {text(lang, TextId::SeatClass),   text(lang, TextId::LimitDeviations) + " [mm]",
          text(lang, TextId::TypeOfFit),   text(lang, TextId::Fit) + " [mm]",
          text(lang, TextId::ProbableFit), text(lang, TextId::SeatConditionHeading)};
}

std::array<std::string, kSeatColumnCount> seatCells(const LangTable& lang,
                                                    const SeatChoice& choice) {
  const Side seatSide = choice.classes.hole.isBearing() ? Side::Shaft : Side::Hole;
  const ClassResult& seat =
      seatSide == Side::Hole ? choice.evaluation.hole : choice.evaluation.shaft;
  const FitResult& fit = choice.evaluation.fit;
  std::array<std::string, kSeatColumnCount> cells;
  cells[0] = Designation(seatSide, choice.seat);
  if (seat.defined()) cells[1] = calloutDeviations(seat.upperMm(), seat.lowerMm(), false);
  cells[2] = text(lang, fitKindText(fit.kind));
  if (fit.kind != FitKind::Undefined) {
    // Least clearance first: value2 is the smaller of the two but for an
    // interference fit, where value1 (the maximum interference) is.
    const double least = std::min(fit.value1Mm(), fit.value2Mm());
    const double most = std::max(fit.value1Mm(), fit.value2Mm());
    cells[3] = mm4(least) + std::string(kTo) + mm4(most);
  }
  if (choice.statistics) {
    const AssemblyStatistics& s = *choice.statistics;
    cells[4] = mm4(s.probableMinMm) + std::string(kTo) + mm4(s.probableMaxMm) + " (" +
               formatFixed(s.probableMinMm * 1000, 1) + std::string(kTo) +
               formatFixed(s.probableMaxMm * 1000, 1) + std::string(kMicrometre) + ")";
  }
  const TextId condition = seatConditionText(choice.condition);
  cells[5] = condition == TextId::None
                 ? filled(text(lang, TextId::SeatDiameterRange), {diameterRange(lang, choice)})
                 : text(lang, condition);
  return cells;
}

std::string ringLimitsText(double diameterMm, BearingRing ring) {
  const SizeEvaluation at(diameterMm);
  const ClassResult r =
      ring == BearingRing::Inner ? at.hole(kBearingClass) : at.shaft(kBearingClass);
  if (!r.defined()) return std::string(kBearingText) + " (N)";
  return std::string(kBearingText) + " " + calloutDeviations(r.upperMm(), r.lowerMm(), false) +
         " (" + std::string(kIso492NormalName) + ")";
}

std::string undefinedSeatList(BearingRing ring, const SeatAnswer& answer) {
  const Side seatSide = ring == BearingRing::Inner ? Side::Shaft : Side::Hole;
  std::string list;
  for (const ToleranceClass& cls : answer.undefinedSeats) {
    list += (list.empty() ? "" : ", ") + Designation(seatSide, cls);
  }
  return list;
}

std::string seatNotes(const LangTable& lang, double diameterMm, const SeatCase& seatCase,
                      const SeatAnswer& answer) {
  std::string notes;
  if (answer.error == SeatError::RingUndefined) {
    notes += text(lang, TextId::SeatRingUndefined) + "\n";
  } else if (answer.error == SeatError::NoRecommendation) {
    notes += text(lang, TextId::SeatNoRecommendation) + "\n";
  }
  if (!answer.undefinedSeats.empty()) {
    notes += filled(text(lang, TextId::SeatClassesUndefined),
                    {undefinedSeatList(seatCase.ring, answer)}) +
             "\n";
  }
  if (seatCase.ring == BearingRing::Outer && diameterMm > kOuterSingleSourceAboveMm &&
      answer.error != SeatError::RingUndefined) {
    notes += text(lang, TextId::SeatOuterAbove400) + "\n";
  }
  notes += text(lang, TextId::SeatSource) + "\n";
  return notes;
}

std::string seatAnswerText(const LangTable& lang, double diameterMm, const SeatCase& seatCase,
                           const SeatAnswer& answer) {
  std::string out = caseLine(lang, diameterMm, seatCase) + "\n";
  out += ringLimitsText(diameterMm, seatCase.ring) + "\n";
  if (!answer.choices.empty()) {
    const auto joined = [](const std::array<std::string, kSeatColumnCount>& cells) {
      std::string line;
      for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "\t" : "") + cells[i];
      return line + "\n";
    };
    out += joined(seatHeadings(lang));
    for (const SeatChoice& c : answer.choices) out += joined(seatCells(lang, c));
  }
  return out + seatNotes(lang, diameterMm, seatCase, answer);
}

}  // namespace kalmo
