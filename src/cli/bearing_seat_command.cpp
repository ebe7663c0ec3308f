#include <cmath>
#include <memory>
#include <ostream>
#include <string>

#include "cli_common.h"
#include "commands.h"
#include "format/number_format.h"
#include "json_writer.h"
#include "lang/fit_texts.h"
#include "mech/bearing_seat.h"
#include "mech/bearing_seat_text.h"
#include "tables/iso492_normal.h"

namespace kalmo::cli {

namespace {

constexpr const char* kBearingSeatFooter = R"help(Bearing seats:
  The recommended shaft classes for a rolling bearing's inner ring (--ring
  inner, SIZE the bore d) or housing classes for its outer ring (--ring outer,
  SIZE the outside diameter D), after ANSI/ABMA Standard 7 (shaft and housing
  fits for metric radial ball and roller bearings of Normal tolerance class,
  on solid steel shafts and in cast-iron or steel housings). Each class comes
  with its fit against the ring of ISO 492 Normal class (radial bearings except
  tapered roller bearings; upper deviation 0), as "kalmo-cli fit 30 bearing/k5"
  gives it.
  --load says how the ring moves relative to the load: rotating (a turning
  shaft under a fixed load: the inner ring), stationary, or indeterminate (the
  shaft table treats it as rotating). --bearing chooses the table's ball column
  (default) or its cylindrical-roller column; the housing table serves both.
  The housing table gives grade-6 classes and, "where wider tolerances are
  permissible", the grade-7 class in place of each.
  The ring's table covers bores over 0.6 up to 2000 mm and outside diameters
  over 6 up to 1000 mm (those over 400 mm rest on one public copy given in
  inches); beyond it, and for a case the table has no class for (a ball bearing
  of 18 mm or less under heavy load), the command fails. A recommended class
  ISO 286 gives no values at the size (j6, J6, J7 over 500 mm: j and J end
  there) forms no fit: it is left out of the choices and named in a note and
  in "omitted"; when every class is left out, the command fails.

Output:
  Without --json tab-separated lines: the case, the ring's deviations, the
  headings, one line per class (class, deviations, type of fit, the fit's
  clearance from least to most, the probable fit in mm and µm, the condition),
  and the notes. Lengths in mm; negative clearance is interference.
  The probable fit is the mean clearance ± 3σ, σ = IT/6 per member.
  With --json one object on one line:
    {"size":30,"ring":"inner","load":"rotating","magnitude":"normal",
     "bearing":"ball","source":"ANSI/ABMA Standard 7",
     "ring_class":{"class":"bearing","standard":"ISO 492 Normal","upper":0,
     "lower":-0.01},"choices":[{"class":"k5","fit":"bearing/k5",
     "condition":"...","over":18,"to":null,"upper":0.011,"lower":0.002,
     "kind":"interference","value1":-0.021,"value2":-0.002,"tolerance":0.019,
     "probable":{"min":..,"max":..}}],"note":null,"omitted":[]}
  "value1", "value2" and "kind" mean what they mean in "kalmo-cli fit --json";
  "over"/"to" are the row's diameter range (0 and null: every diameter).

Examples:
  kalmo-cli bearing-seat 30 --ring inner --load rotating --magnitude normal
  kalmo-cli bearing-seat 62 --ring outer --load stationary --magnitude normal
  kalmo-cli bearing-seat 120 --ring inner --load rotating --magnitude heavy --bearing roller --json)help";

struct BearingSeatOptions {
  std::string size;
  std::string ring;
  std::string load;
  std::string magnitude;
  std::string bearing = "ball";
  bool json = false;
  std::string lang = "en";
};

SeatCase seatCaseOf(const BearingSeatOptions& o) {
  SeatCase c;
  c.ring = o.ring == "outer" ? BearingRing::Outer : BearingRing::Inner;
  c.load = o.load == "stationary"      ? RingLoad::Stationary
           : o.load == "indeterminate" ? RingLoad::Indeterminate
                                       : RingLoad::Rotating;
  c.magnitude = o.magnitude == "light"   ? LoadMagnitude::Light
                : o.magnitude == "heavy" ? LoadMagnitude::Heavy
                                         : LoadMagnitude::Normal;
  c.element = o.bearing == "roller" ? RollingElement::Roller : RollingElement::Ball;
  return c;
}

JsonObject choiceJson(const LangTable& lang, const SeatChoice& c) {
  const Side seatSide = c.classes.hole.isBearing() ? Side::Shaft : Side::Hole;
  const ClassResult& seat = seatSide == Side::Hole ? c.evaluation.hole : c.evaluation.shaft;
  const FitResult& fit = c.evaluation.fit;
  JsonObject o;
  o.add("class", Designation(seatSide, c.seat)).add("fit", FitDesignation(c.classes));
  const TextId condition = seatConditionText(c.condition);
  if (condition == TextId::None) {
    o.addNull("condition");
  } else {
    o.add("condition", GetLangString(lang, condition));
  }
  o.add("over", c.overMm);
  if (std::isinf(c.toMm)) {
    o.addNull("to");
  } else {
    o.add("to", c.toMm);
  }
  o.add("upper", seat.upperMm()).add("lower", seat.lowerMm());
  if (const char* kind = fitKindKey(fit.kind)) {
    o.add("kind", kind);
  } else {
    o.addNull("kind");
  }
  o.add("value1", fit.value1Mm()).add("value2", fit.value2Mm()).add("tolerance", fit.toleranceMm());
  if (c.statistics) {
    o.add("probable", JsonObject()
                          .add("min", c.statistics->probableMinMm)
                          .add("max", c.statistics->probableMaxMm));
  } else {
    o.addNull("probable");
  }
  return o;
}

std::string answerJson(const LangTable& lang, double sizeMm, const BearingSeatOptions& options,
                       const SeatCase& seatCase, const SeatAnswer& answer) {
  const SizeEvaluation at(sizeMm);
  const ClassResult ring =
      seatCase.ring == BearingRing::Inner ? at.hole(kBearingClass) : at.shaft(kBearingClass);
  std::string choices = "[";
  for (const SeatChoice& c : answer.choices) {
    if (choices.size() > 1) choices += ',';
    choices += choiceJson(lang, c).str();
  }
  choices += ']';
  JsonObject o;
  o.add("size", sizeMm)
      .add("ring", options.ring)
      .add("load", options.load)
      .add("magnitude", options.magnitude)
      .add("bearing", options.bearing)
      .add("source", kAbma7Name)
      .add("ring_class", JsonObject()
                             .add("class", kBearingText)
                             .add("standard", kIso492NormalName)
                             .add("upper", ring.upperMm())
                             .add("lower", ring.lowerMm()))
      .addRaw("choices", choices);
  if (seatCase.ring == BearingRing::Outer && sizeMm > 400) {
    o.add("note", GetLangString(lang, TextId::SeatOuterAbove400));
  } else {
    o.addNull("note");
  }
  // Recommended classes ISO 286 gives no values at the size: not among the choices.
  std::string omitted = "[";
  const Side seatSide = seatCase.ring == BearingRing::Inner ? Side::Shaft : Side::Hole;
  for (const ToleranceClass& cls : answer.undefinedSeats) {
    if (omitted.size() > 1) omitted += ',';
    omitted += jsonString(Designation(seatSide, cls));
  }
  o.addRaw("omitted", omitted + "]");
  return o.str() + "\n";
}

int runBearingSeat(const BearingSeatOptions& options, Context& ctx) {
  const Parsed<SizeArgument> size = parseSizeArgument(options.size, false);
  if (!size.value) return reportUsageError(ctx, size.error);
  const SeatCase seatCase = seatCaseOf(options);
  const double mm = size.value->mm;
  const SeatAnswer answer = recommendSeats(mm, seatCase);
  if (answer.error == SeatError::RingUndefined) {
    const RingRangeMm range = ringRangeMm(seatCase.ring);
    return reportUsageError(
        ctx, std::string(seatCase.ring == BearingRing::Inner ? "bore " : "outside diameter ") +
                 formatPlain(mm) + " mm is outside ISO 492 Normal for the " + options.ring +
                 " ring (over " + formatPlain(range.overMm) + " up to " + formatPlain(range.toMm) +
                 " mm)");
  }
  if (answer.error == SeatError::NoRecommendation) {
    return reportUsageError(ctx, "ANSI/ABMA Standard 7 recommends no class for a " +
                                     options.bearing + " bearing's " + options.ring + " ring of " +
                                     formatPlain(mm) + " mm under " + options.magnitude + " " +
                                     options.load + " load");
  }
  if (answer.error == SeatError::ClassesUndefined) {
    const std::string seats = undefinedSeatList(seatCase.ring, answer);
    return reportUsageError(ctx, "ANSI/ABMA Standard 7 recommends " + seats + " for a " +
                                     options.bearing + " bearing's " + options.ring + " ring of " +
                                     formatPlain(mm) + " mm under " + options.magnitude + " " +
                                     options.load + " load, and ISO 286 gives " + seats +
                                     " no values there");
  }
  const LangTable lang = LoadLanguage(languageCodeOf(options.lang));
  ctx.out << (options.json ? answerJson(lang, mm, options, seatCase, answer)
                           : seatAnswerText(lang, mm, seatCase, answer));
  return kExitOk;
}

}  // namespace

void registerBearingSeatCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<BearingSeatOptions>();
  CLI::App* command = app.add_subcommand(
      "bearing-seat",
      "Recommended shaft or housing classes for a rolling bearing's ring (ANSI/ABMA Standard 7), "
      "each with its fit");
  command->footer(kBearingSeatFooter);
  command
      ->add_option("SIZE", options->size,
                   "Bore d (inner ring) or outside diameter D (outer ring), mm")
      ->type_name("")
      ->required();
  command->add_option("--ring", options->ring, "inner (shaft seat) or outer (housing seat)")
      ->type_name("RING")
      ->required()
      ->check(CLI::IsMember({"inner", "outer"}));
  command
      ->add_option("--load", options->load,
                   "How the ring moves relative to the load: rotating, stationary or indeterminate")
      ->type_name("LOAD")
      ->required()
      ->check(CLI::IsMember({"rotating", "stationary", "indeterminate"}));
  command->add_option("--magnitude", options->magnitude, "light, normal or heavy")
      ->type_name("MAGNITUDE")
      ->required()
      ->check(CLI::IsMember({"light", "normal", "heavy"}));
  command->add_option("--bearing", options->bearing, "ball (default) or roller (cylindrical)")
      ->type_name("TYPE")
      ->check(CLI::IsMember({"ball", "roller"}));
  command->add_flag("--json", options->json, "Write JSON instead of text");
  addLanguageOption(*command, options->lang);
  command->callback([&ctx, options] { ctx.exitCode = runBearingSeat(*options, ctx); });
}

}  // namespace kalmo::cli
