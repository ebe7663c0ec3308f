#include <memory>
#include <ostream>
#include <string>

#include "cli_common.h"
#include "commands.h"
#include "design/inspection.h"
#include "fit_json.h"
#include "format/length_decimals.h"
#include "format/number_format.h"
#include "format/units.h"
#include "json_writer.h"

namespace kalmo::cli {

namespace {

constexpr const char* kGaugeNote =
    "Gauge sizes are the limits of size; gauge-maker tolerances and wear allowances are not "
    "included.";

constexpr const char* kInspectFooter = R"help(Inspection:
  A measured part is "ok" within its limits of size (inclusive, with 1e-9 mm
  slack, so a size typed equal to a limit is inside), "over" above the upper
  and "under" below the lower limit. The margin is the distance to the nearer
  limit: positive inside, negative outside (for a lot outside on both sides,
  the larger excess). Accepting classes: the classes of the window's class
  list for the size that hold the measurement, by grade, then letter; "*"
  (text) or "preferred" (JSON) marks preferred classes.
  The fit (both classes given): the nominal kind, and with both parts
  measured the actual clearance hole - shaft (negative: interference), for
  lots smallest = hole min - shaft max and largest = hole max - shaft min;
  same_kind says whether every pair still gives a fit of the nominal kind.
  Gauge sizes by the Taylor principle: plug gauge for the hole GO = lower,
  NO-GO = upper limit of size; ring or snap gauge for the shaft GO = upper,
  NO-GO = lower limit. Gauge-maker tolerances and wear are not included.

Output:
  Without --json a short report; with --json one object on one line:
    {"size":50,"hole":{"class":"H7","upper":0.025,"lower":0,
     "measured":{"min":50.018,"max":50.018},"status":"ok","margin":0.007,
     "accepting":[{"class":"H7","preferred":true},...],
     "gauge":{"go":50,"nogo":50.025}},"shaft":null,"fit":null,"gauge_note":"..."}
  A member without a class is null; an unmeasured member has measured,
  status, margin and accepting null, and the fit then null actual values.
  Lengths in mm, or in inches with --inch (measured sizes as typed).

Examples:
  kalmo-cli inspect 50 H7 --hole 50.018
  kalmo-cli inspect 50 H7/g6 --hole 50.018 --shaft 49.98 --json
  kalmo-cli inspect 50 H7/s6 --hole-min 50.002 --hole-max 50.03 --shaft 50.05)help";

struct InspectOptions {
  std::string size;
  std::string classes;
  std::string hole, holeMin, holeMax;
  std::string shaft, shaftMin, shaftMax;
  bool inch = false;
  bool json = false;
  // The first measured-size option given with an empty value ("--hole ''"),
  // which the strings above cannot tell from an option not given.
  std::string emptyOption;
};

// A measured side as typed (in the unit given) and in mm.
struct TypedMeasurement {
  Measurement typed;
  Measurement mm;
};

Parsed<double> parseMeasured(std::string_view option, const std::string& text, bool inch) {
  const std::optional<double> value = parseNumber(text, ".");
  if (!value) {
    return {std::nullopt, std::string(option) + " " + quoteUserText(text) + " is not a number"};
  }
  const double mm = inch ? inchToMm(*value) : *value;
  if (!measuredSizeInRange(mm)) {
    const int decimals = lengthDecimals(LengthUnit::Inch, LengthUse::Note);
    const std::string limit = inch
                                  ? formatPlain(roundTo(mmToInch(kMaxMeasuredMm), decimals)) + " in"
                                  : formatPlain(kMaxMeasuredMm) + " mm";
    return {std::nullopt, std::string(option) + " " + quoteUserText(text) +
                              ": a measured size is greater than 0 and at most " + limit};
  }
  return {*value, {}};
}

// --hole X, or --hole-min X --hole-max Y (the same for the shaft); nullopt
// without error when the side is not measured.
Parsed<TypedMeasurement> parseSide(const std::string& name, const std::string& single,
                                   const std::string& min, const std::string& max, bool inch) {
  const std::string option = "--" + name;
  if (!single.empty() && (!min.empty() || !max.empty())) {
    return {std::nullopt, option + " excludes " + option + "-min and " + option + "-max"};
  }
  if (min.empty() != max.empty()) {
    return {std::nullopt, option + "-min and " + option + "-max go together"};
  }
  if (single.empty() && min.empty()) return {};
  const Parsed<double> low =
      parseMeasured(single.empty() ? option + "-min" : option, single.empty() ? min : single, inch);
  if (!low.value) return {std::nullopt, low.error};
  const Parsed<double> high = single.empty() ? parseMeasured(option + "-max", max, inch) : low;
  if (!high.value) return {std::nullopt, high.error};
  const Measurement typed{*low.value, *high.value};
  const Measurement mm = inch ? Measurement{inchToMm(typed.minMm), inchToMm(typed.maxMm)} : typed;
  return {TypedMeasurement{typed, mm}, {}};
}

std::string errorText(const InspectionOutcome& outcome, const InspectionInput& input) {
  const std::string side = outcome.failedSide == Side::Hole ? "hole" : "shaft";
  const std::optional<ToleranceClass>& cls =
      outcome.failedSide == Side::Hole ? input.hole : input.shaft;
  switch (outcome.error) {
    case InspectionError::MeasuredWithoutClass:
      return "the " + side + " is measured but has no class (give HOLE/SHAFT or a " + side +
             " class)";
    case InspectionError::UndefinedClass:
      return side + " class " + Designation(outcome.failedSide, *cls) + " has no limits at " +
             formatPlain(input.nominalMm) + " mm";
    case InspectionError::MinAboveMax: return "--" + side + "-min is above --" + side + "-max";
    case InspectionError::MeasurementNotFinite: return "the measured " + side + " is not finite";
    case InspectionError::MeasurementOutOfRange:
      return "the measured " + side + " must be greater than 0 and at most " +
             formatPlain(kMaxMeasuredMm) + " mm";
    case InspectionError::SizeNotPositive:
    case InspectionError::NoClass:
    case InspectionError::None: break;
  }
  return "nothing to inspect";
}

const char* statusName(InspectionStatus status) {
  switch (status) {
    case InspectionStatus::Over: return "over";
    case InspectionStatus::Under: return "under";
    case InspectionStatus::Ok: break;
  }
  return "ok";
}

class Report {
 public:
  Report(const InspectionReport& report, bool inch) : r_(report), inch_(inch) {}

  double length(double mm) const { return inch_ ? mmToInch(mm) : mm; }
  std::string text(double mm) const { return formatPlain(length(mm)); }

  JsonObject partJson(Side side, const PartInspection& p,
                      const std::optional<TypedMeasurement>& typed) const {
    JsonObject o;
    o.add("class", Designation(side, p.cls))
        .add("upper", length(p.limits.upperMm()))
        .add("lower", length(p.limits.lowerMm()));
    if (p.measured && p.status && p.marginMm && typed) {
      std::string accepting = "[";
      for (const AcceptingClass& a : p.accepting) {
        if (accepting.size() > 1) accepting += ',';
        accepting +=
            JsonObject().add("class", Designation(side, a.cls)).add("preferred", a.preferred).str();
      }
      o.add("measured", JsonObject().add("min", typed->typed.minMm).add("max", typed->typed.maxMm))
          .add("status", statusName(*p.status))
          .add("margin", length(*p.marginMm))
          .addRaw("accepting", accepting + "]");
    } else {
      o.addNull("measured").addNull("status").addNull("margin").addNull("accepting");
    }
    return o.add("gauge",
                 JsonObject().add("go", length(p.gauge.goMm)).add("nogo", length(p.gauge.noGoMm)));
  }

  std::string json(double typedSize, const std::optional<TypedMeasurement>& hole,
                   const std::optional<TypedMeasurement>& shaft) const {
    JsonObject o;
    o.add("size", typedSize);
    if (r_.hole) {
      o.add("hole", partJson(Side::Hole, *r_.hole, hole));
    } else {
      o.addNull("hole");
    }
    if (r_.shaft) {
      o.add("shaft", partJson(Side::Shaft, *r_.shaft, shaft));
    } else {
      o.addNull("shaft");
    }
    if (r_.fit) {
      JsonObject fit;
      if (const char* kind = fitKindKey(r_.fit->kind)) {
        fit.add("kind", kind);
      } else {
        fit.addNull("kind");
      }
      if (r_.fit->actualMinMm && r_.fit->actualMaxMm && r_.fit->sameKind) {
        fit.add("actual_min", length(*r_.fit->actualMinMm))
            .add("actual_max", length(*r_.fit->actualMaxMm))
            .add("same_kind", *r_.fit->sameKind);
      } else {
        fit.addNull("actual_min").addNull("actual_max").addNull("same_kind");
      }
      o.add("fit", fit);
    } else {
      o.addNull("fit");
    }
    return o.add("gauge_note", kGaugeNote).str() + "\n";
  }

  std::string partText(Side side, const PartInspection& p, const std::string& size) const {
    const bool hole = side == Side::Hole;
    const std::string unit = inch_ ? " in" : " mm";
    std::string t = std::string(hole ? "Hole " : "Shaft ") + size + " " + Designation(side, p.cls) +
                    ": limits of size " + text(p.lowerLimitMm) + " to " + text(p.upperLimitMm) +
                    unit + "\n";
    if (p.measured && p.status && p.marginMm) {
      const std::string measured = p.measured->minMm == p.measured->maxMm
                                       ? text(p.measured->minMm)
                                       : text(p.measured->minMm) + " to " + text(p.measured->maxMm);
      t += "  measured " + measured + unit + ": " + statusName(*p.status) + ", margin " +
           text(*p.marginMm) + unit + "\n  accepting classes:";
      for (const AcceptingClass& a : p.accepting) {
        t += " " + Designation(side, a.cls) + (a.preferred ? "*" : "");
      }
      t += p.accepting.empty() ? " none\n" : "\n";
    }
    t += std::string(hole ? "  plug gauge" : "  ring or snap gauge") + ": GO " +
         text(p.gauge.goMm) + ", NO-GO " + text(p.gauge.noGoMm) + unit + "\n";
    return t;
  }

  std::string text(const std::string& size) const {
    std::string t;
    if (r_.hole) t += partText(Side::Hole, *r_.hole, size);
    if (r_.shaft) t += partText(Side::Shaft, *r_.shaft, size);
    if (r_.fit) {
      const char* kind = fitKindKey(r_.fit->kind);
      t += std::string("Fit: ") + (kind ? kind : "undefined");
      if (r_.fit->actualMinMm && r_.fit->actualMaxMm && r_.fit->sameKind) {
        t += ", actual " + text(*r_.fit->actualMinMm) + " to " + text(*r_.fit->actualMaxMm) +
             (inch_ ? " in" : " mm") + (*r_.fit->sameKind ? ", same kind" : ", NOT the same kind");
      }
      t += "\n";
    }
    return t + kGaugeNote + "\n";
  }

 private:
  const InspectionReport& r_;
  bool inch_;
};

int runInspect(const InspectOptions& options, Context& ctx) {
  const Parsed<CalloutArgument> callout =
      parseCalloutArguments(options.size, options.classes, options.inch, ClassesWanted::Any);
  if (!callout.value) return reportUsageError(ctx, callout.error);
  const SizeArgument& size = callout.value->size;
  const ClassChoice& classes = callout.value->classes;
  if (!options.emptyOption.empty()) {
    return reportUsageError(ctx, options.emptyOption + " \"\" is not a number");
  }
  const Parsed<TypedMeasurement> hole =
      parseSide("hole", options.hole, options.holeMin, options.holeMax, options.inch);
  if (!hole.error.empty()) return reportUsageError(ctx, hole.error);
  const Parsed<TypedMeasurement> shaft =
      parseSide("shaft", options.shaft, options.shaftMin, options.shaftMax, options.inch);
  if (!shaft.error.empty()) return reportUsageError(ctx, shaft.error);

  InspectionInput input;
  input.nominalMm = size.mm;
  input.hole = classes.hole;
  input.shaft = classes.shaft;
  if (hole.value) input.holeMeasured = hole.value->mm;
  if (shaft.value) input.shaftMeasured = shaft.value->mm;
  const InspectionOutcome outcome = inspect(input);
  if (!outcome.report) return reportUsageError(ctx, errorText(outcome, input));

  const Report report(*outcome.report, options.inch);
  ctx.out << (options.json ? report.json(size.typed, hole.value, shaft.value)
                           : report.text(formatPlain(size.typed)));
  return kExitOk;
}

}  // namespace

void registerInspectCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<InspectOptions>();
  CLI::App* inspect = app.add_subcommand(
      "inspect", "Measured parts against their classes: status, margin, accepting classes, gauges");
  inspect->footer(kInspectFooter);
  inspect
      ->add_option("SIZE", options->size,
                   "Nominal size: mm, or inches with --inch; greater than 0, at most 10000 mm")
      ->type_name("")
      ->required();
  inspect
      ->add_option("HOLE/SHAFT|CLASS", options->classes,
                   "Hole and shaft class (H7/g6), or one class alone (H7, g6); or none when "
                   "SIZE is the whole callout (\"50 H7/g6\")")
      ->type_name("");
  const auto measured = [&](const char* name, std::string& target, const char* what) {
    inspect->add_option(name, target, what)
        ->type_name("SIZE")
        ->each([options, name](const std::string& value) {
          if (value.empty() && options->emptyOption.empty()) options->emptyOption = name;
        });
  };
  measured("--hole", options->hole, "Measured size of the hole");
  measured("--hole-min", options->holeMin, "Smallest hole of a lot (with --hole-max)");
  measured("--hole-max", options->holeMax, "Largest hole of a lot (with --hole-min)");
  measured("--shaft", options->shaft, "Measured size of the shaft");
  measured("--shaft-min", options->shaftMin, "Smallest shaft of a lot (with --shaft-max)");
  measured("--shaft-max", options->shaftMax, "Largest shaft of a lot (with --shaft-min)");
  inspect->add_flag("--inch", options->inch, "SIZE and measured sizes in inches, output in inches");
  inspect->add_flag("--json", options->json, "Write JSON instead of the report");
  inspect->callback([&ctx, options] { ctx.exitCode = runInspect(*options, ctx); });
}

}  // namespace kalmo::cli
