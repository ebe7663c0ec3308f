#include <algorithm>
#include <array>
#include <memory>
#include <ostream>

#include "cli_common.h"
#include "commands.h"
#include "fit_json.h"
#include "format/number_format.h"
#include "format/units.h"
#include "json_writer.h"
#include "mech/press_fit.h"
#include "mech_options.h"
#include "press_options.h"

namespace kalmo::cli {

namespace {

constexpr const char* kPressFooter = R"(Method:
  Elastic thick-walled cylinders (DIN 7190-1, plane stress, no centrifugal
  load). The hub is the hole part. Interference U_max = es - EI, U_min = ei - ES,
  less the smoothing (see Conventions); a joint whose effective
  interference is not above 0 carries no pressure at that limit. Torque and
  axial load at the smallest pressure, press-in force and stresses at the
  largest. Shrinking on: hub temperature for U_max plus the joining clearance;
  or cooling the shaft, flagged below -196 °C (liquid nitrogen). Joining
  temperatures only where there is interference to join (U_max > 0); a shaft
  temperature below absolute zero is none: cooling alone cannot join the parts.

Load:
  With --torque T (N·m) and/or --axial-force F (N) the joint must carry the
  resultant friction force F_res = sqrt((2000 T/D)^2 + F^2) (N, D in mm); the
  slip safety is S_R = p_min pi D l mu / F_res, 0 (the text says "loose")
  when the smallest effective interference is not above 0, and none when
  F_res is 0. Below 1 the joint slips, and a warning says so.

At operating temperatures:
  With --hole-temp and/or --shaft-temp (°C; the other part stays at 20 °C)
  each part grows with its material's alpha, as fit computes its operating
  values: U_max, U_min, pressures, torque, axial load, slip safety and the
  safeties of hub and shaft at those temperatures, with the same smoothing.
  A joint loose there but not at 20 °C is warned of.

Ranges:
  E 1 to 10000000 MPa, nu above 0 and below 0.5, Re above 0 up to 100000 MPa,
  alpha 0.01 to 1000 µm/(m·K), Rz 0 to 1000 µm, friction above 0 up to 10,
  hub diameter above the size up to 1000000 mm, bore 0 up to below the size,
  length above 0 up to 1000000 mm, joining clearance 0 to the size, torque
  and axial force 0 to 1e12 (N·m, N), temperatures from -273.15 °C.

Materials:
  Both parts are steel unless --hub-material/--shaft-material name a preset
  (see kalmo-cli materials); --hub-E, --hub-nu, --hub-re, --hub-alpha (and the
  --shaft- ones) override single values: E and Re in MPa, α in µm/(m·K).
  --hole-material and --hole-alpha, fit's names for the hole part, are the
  same options as --hub-material and --hub-alpha.

Output:
  Without --json a table of the results, lengths in mm (inches with --inch),
  followed by the warnings that apply.
  With --json one object on one line:
    {"size":50,"fit":{...as fit --json...},"press":{"q_hub":..,"q_shaft":..,
     "smoothing":..,"u_max":..,"u_min":..,"u_max_eff":..,"u_min_eff":..,"k":..,
     "p_max":..,"p_min":..,"torque":..,"axial_force":..,"press_force":..,
     "hub_stress":..,"shaft_stress":..,"hub_safety":..,"shaft_safety":..,
     "hub_temperature":..,"shaft_temperature":..,"loose_at_min":false,
     "hub_yields":false,"shaft_yields":false,"shaft_below_ln2":false,
     "no_interference":false,"shaft_below_absolute_zero":false},
     "conventions":{"smoothing":"0.8","smoothing_source":"DIN 7190:2001",
     "stress":"max-shear"},
     "load":null or {"torque":..,"axial_force":..,"resultant_force":..,
     "slip_safety":..,"slips":false},
     "operating":null or {"hub_temperature":..,"shaft_temperature":..,
     "u_max":..,"u_min":..,"p_max":..,"p_min":..,"torque":..,"axial_force":..,
     "slip_safety":..,"hub_safety":..,"shaft_safety":..,"loose_at_min":false}}
  Lengths in mm (also with --inch), k in 1/MPa, pressures and stresses in MPa,
  forces in N, torque in N·m, temperatures in °C; a safety is null when its
  stress is 0 (slip_safety when the load is 0); both joining temperatures are
  null with no_interference, the shaft's with shaft_below_absolute_zero.)";

constexpr const char* kPressExamples = R"(Examples:
  kalmo-cli press 50 H7/s6 --hub-diameter 80 --length 40 --friction 0.12
  kalmo-cli press 50 H7/s6 --hub-diameter 80 --length 40 --friction 0.12 --torque 400
  kalmo-cli press 50 H7/s6 --hub-diameter 80 --length 40 --friction 0.12 --hub-material aluminium --hole-temp 120 --json
  Fits that carry a load: kalmo-cli press-design --help)";

struct PressOptions {
  std::string size;
  std::string fit;
  JointOptions joint;
  std::optional<std::string> pressFriction, joiningClearance;
  OperatingTexts operating;
};

// A number, or null where the method gives none.
std::string answerJson(const std::string& fitJson, const PressFitInput& in,
                       const PressFitResult& r) {
  JsonObject press;
  press.add("q_hub", r.qHub)
      .add("q_shaft", r.qShaft)
      .add("smoothing", r.smoothingMm)
      .add("u_max", r.uMaxMm)
      .add("u_min", r.uMinMm)
      .add("u_max_eff", r.uMaxEffMm)
      .add("u_min_eff", r.uMinEffMm)
      .add("k", r.k)
      .add("p_max", r.pMaxMpa)
      .add("p_min", r.pMinMpa)
      .add("torque", r.torqueNm)
      .add("axial_force", r.axialForceN)
      .add("press_force", r.pressForceN)
      .add("hub_stress", r.hubStressMpa)
      .add("shaft_stress", r.shaftStressMpa);
  press.add("hub_safety", r.hubSafety);
  press.add("shaft_safety", r.shaftSafety);
  press.add("hub_temperature", r.hubTemperatureC);
  press.add("shaft_temperature", r.shaftTemperatureC);
  press.add("loose_at_min", r.looseAtMin)
      .add("hub_yields", r.hubYields)
      .add("shaft_yields", r.shaftYields)
      .add("shaft_below_ln2", r.shaftBelowLn2)
      .add("no_interference", r.noInterference)
      .add("shaft_below_absolute_zero", r.shaftBelowAbsoluteZero);
  JsonObject answer;
  answer.add("size", in.diameterMm)
      .addRaw("fit", fitJson)
      .add("press", press)
      .add("conventions", conventionsJson(in));
  if (in.load) {
    JsonObject load;
    load.add("torque", in.load->torqueNm)
        .add("axial_force", in.load->axialForceN)
        .add("resultant_force", *r.resultantForceN);
    load.add("slip_safety", r.slipSafety);
    load.add("slips", r.slips);
    answer.add("load", load);
  } else {
    answer.addNull("load");
  }
  if (in.operating && r.atOperating) {
    JsonObject op;
    op.add("hub_temperature", in.operating->hubC).add("shaft_temperature", in.operating->shaftC);
    addJointAtTemperature(op, *r.atOperating);
    answer.add("operating", op);
  } else {
    answer.addNull("operating");
  }
  return answer.str() + "\n";
}

std::string answerText(const std::string& title, const PressFitInput& in, const PressFitResult& r,
                       bool inch) {
  // As the press-fit window shows them: U_max and U_min are exact differences
  // of limits, rounded from their exact decimal (halves away from zero).
  const auto length = [inch](double mm) { return lengthText(mm, inch) + (inch ? " in" : " mm"); };
  const auto optional = [](const std::optional<double>& v, int decimals) {
    return v ? formatFixed(*v, decimals) : std::string("-");
  };
  const auto safety = [&](const std::optional<double>& s) { return optional(s, 2); };
  std::string t = "Press fit " + title + "\n";
  t += "Interference max./min.\t" + length(r.uMaxMm) + "\t" + length(r.uMinMm) + "\n";
  t += "Effective (less smoothing " + length(r.smoothingMm) + ")\t" + length(r.uMaxEffMm) + "\t" +
       length(r.uMinEffMm) + "\n";
  t += "Joint pressure max./min.\t" + formatFixed(r.pMaxMpa, 2) + " MPa\t" +
       formatFixed(r.pMinMpa, 2) + " MPa\n";
  t += "Transmissible torque\t" + formatFixed(r.torqueNm, 1) + " N·m\n";
  t += "Transmissible axial load\t" + formatFixed(r.axialForceN, 0) + " N\n";
  // "loose" where no pressure is guaranteed, "-" where the load is 0.
  const auto slip = [](const std::optional<double>& s, bool loose) {
    return loose ? std::string("loose") : s ? formatFixed(*s, 2) : std::string("-");
  };
  if (in.load) {
    t += "Resultant friction force of the load\t" + formatFixed(*r.resultantForceN, 0) + " N\n";
    t += "Slip safety\t" + slip(r.slipSafety, r.looseAtMin && r.slipSafety) + "\n";
  }
  t += "Press-in force\t" + formatFixed(r.pressForceN, 0) + " N\n";
  t += "Hub stress / safety\t" + formatFixed(r.hubStressMpa, 1) + " MPa\t" + safety(r.hubSafety) +
       "\n";
  t += "Shaft stress / safety\t" + formatFixed(r.shaftStressMpa, 1) + " MPa\t" +
       safety(r.shaftSafety) + "\n";
  const auto celsius = [&](const std::optional<double>& c) {
    return c ? optional(c, 1) + " °C" : optional(c, 1);
  };
  t += "Shrinking: hub temperature\t" + celsius(r.hubTemperatureC) + "\n";
  t += "Or cooling: shaft temperature\t" + celsius(r.shaftTemperatureC) + "\n";
  if (in.operating && r.atOperating) {
    const PressAtTemperature& op = *r.atOperating;
    t += "At operating temperatures: hub\t" + formatPlain(in.operating->hubC) + " °C\tshaft " +
         formatPlain(in.operating->shaftC) + " °C\n";
    t += "  Interference max./min.\t" + length(op.uMaxMm) + "\t" + length(op.uMinMm) + "\n";
    t += "  Joint pressure max./min.\t" + formatFixed(op.pMaxMpa, 2) + " MPa\t" +
         formatFixed(op.pMinMpa, 2) + " MPa\n";
    t += "  Transmissible torque\t" + formatFixed(op.torqueNm, 1) + " N·m\n";
    if (in.load)
      t += "  Slip safety\t" + slip(op.slipSafety, op.looseAtMin && op.slipSafety) + "\n";
    t += "  Hub / shaft safety\t" + safety(op.hubSafety) + "\t" + safety(op.shaftSafety) + "\n";
  }
  t += conventionsText(in);
  // The window's warnings, in its English words.
  const LangTable lang = LoadLanguage(kLanguageEnglish);
  for (const PressFitWarning w : pressFitWarnings(r)) {
    t += "Warning: " + GetLangString(lang, pressFitWarningText(w)) + "\n";
  }
  return t;
}

int runPress(const PressOptions& o, Context& ctx) {
  const Parsed<CalloutArgument> callout =
      parseCalloutArguments(o.size, o.fit, o.joint.inch, ClassesWanted::Fit);
  if (!callout.value) return reportUsageError(ctx, callout.error);
  const SizeArgument size = callout.value->size;
  const FitClasses classes{*callout.value->classes.hole, *callout.value->classes.shaft};
  const auto mm = [&o](double v) { return o.joint.inch ? inchToMm(v) : v; };

  Parsed<PressFitInput> joint = parseJoint(o.joint, size.mm);
  if (!joint.value) return reportUsageError(ctx, joint.error);
  PressFitInput& in = *joint.value;
  const Parsed<std::optional<double>> pressFriction =
      optionalNumber("--press-friction", o.pressFriction);
  const Parsed<std::optional<double>> clearance =
      optionalNumber("--joining-clearance", o.joiningClearance);
  for (const auto* p : {&pressFriction, &clearance}) {
    if (!p->value) return reportUsageError(ctx, p->error);
  }
  const Parsed<std::optional<JointTemperatures>> operating = parseOperating(o.operating);
  if (!operating.value) return reportUsageError(ctx, operating.error);
  in.pressFriction = *pressFriction.value;
  if (*clearance.value) in.joiningClearanceMm = mm(**clearance.value);
  in.operating = *operating.value;

  const Evaluation e = *Evaluate(in.diameterMm, classes.hole, classes.shaft);
  in.hole = e.hole;
  in.shaft = e.shaft;
  const PressFitOutcome out = pressFit(in);
  if (!out.value) {
    if (out.error == PressFitError::FitUndefined) {
      return reportUsageError(ctx, "fit " + Designation(Side::Hole, classes.hole) + "/" +
                                       Designation(Side::Shaft, classes.shaft) +
                                       " is undefined at " + formatPlain(in.diameterMm) + " mm");
    }
    const PressOnlyTexts texts{&o.pressFriction, &o.joiningClearance, &o.operating.hole,
                               &o.operating.shaft};
    return reportUsageError(ctx, jointError(out.error, o.joint, texts, in.diameterMm));
  }
  if (o.joint.json) {
    // With operating temperatures "fit" holds its "operating" values too, as
    // fit --json with the same temperatures and α gives them.
    OperatingRequest operating;
    if (in.operating) {
      operating.conditions =
          OperatingConditions{{in.operating->hubC, in.hubMaterial.alphaUmPerMK},
                              {in.operating->shaftC, in.shaftMaterial.alphaUmPerMK}};
    }
    const std::string fit = fitAnswerJson(size, classes, LoadLanguage(kLanguageEnglish), operating);
    ctx.out << answerJson(fit, in, *out.value);
  } else {
    const std::string title = formatPlain(size.typed) + (o.joint.inch ? " in " : " mm ") +
                              Designation(Side::Hole, classes.hole) + "/" +
                              Designation(Side::Shaft, classes.shaft);
    ctx.out << answerText(title, in, *out.value, o.joint.inch);
  }
  return kExitOk;
}

}  // namespace

void registerPressCommand(CLI::App& app, Context& ctx) {
  auto o = std::make_shared<PressOptions>();
  CLI::App* press = app.add_subcommand(
      "press", "Press and shrink fit: joint pressure, torque, forces, stresses, temperatures");
  press->footer(std::string(kPressFooter) + "\n\n" + kConventionsHelp + "\n\n" + kPressExamples);
  press->add_option("SIZE", o->size, "Joint diameter: mm, or inches with --inch")
      ->type_name("")
      ->required();
  press
      ->add_option("HOLE/SHAFT", o->fit,
                   "Hub and shaft class, such as H7/s6; or none when SIZE is the whole "
                   "callout (\"50 H7/s6\")")
      ->type_name("");
  addJointOptions(*press, o->joint, LoadWanted::Optional);
  addTextOption(*press, "--press-friction", o->pressFriction,
                "Friction coefficient for pressing in, default --friction");
  addTextOption(*press, "--joining-clearance", o->joiningClearance,
                "Clearance for shrinking on, default " + formatPlain(kJoiningClearancePerDiameter) +
                    " x size");
  addOperatingOptions(*press, o->operating);
  press->add_flag("--inch", o->joint.inch,
                  "SIZE, --hub-diameter, --bore, --length, --joining-clearance in inches");
  press->add_flag("--json", o->joint.json, "Write JSON instead of the table");
  press->callback([&ctx, o] { ctx.exitCode = runPress(*o, ctx); });
}

}  // namespace kalmo::cli
