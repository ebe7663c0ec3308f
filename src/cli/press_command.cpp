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

namespace kalmo::cli {

namespace {

constexpr const char* kPressFooter = R"(Method:
  Elastic thick-walled cylinders (DIN 7190-1, plane stress, no centrifugal
  load). The hub is the hole part. Interference U_max = es - EI, U_min = ei - ES,
  less the smoothing 0.8 (Rz_hub + Rz_shaft); a joint whose effective
  interference is not above 0 carries no pressure at that limit. Torque and
  axial load at the smallest pressure, press-in force and stresses at the
  largest. Shrinking on: hub temperature for U_max plus the joining clearance;
  or cooling the shaft, flagged below -196 °C (liquid nitrogen). Joining
  temperatures only where there is interference to join (U_max > 0); a shaft
  temperature below absolute zero is none: cooling alone cannot join the parts.

Ranges:
  E 1 to 10000000 MPa, nu above 0 and below 0.5, Re above 0 up to 100000 MPa,
  alpha 0.01 to 1000 µm/(m·K), Rz 0 to 1000 µm, friction above 0 up to 10,
  hub diameter above the size up to 1000000 mm, bore 0 up to below the size,
  length above 0 up to 1000000 mm, joining clearance 0 to the size.

Materials:
  Both parts are steel unless --hub-material/--shaft-material name a preset
  (see kalmo-cli materials); --hub-E, --hub-nu, --hub-re, --hub-alpha (and the
  --shaft- ones) override single values: E and Re in MPa, α in µm/(m·K).

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
     "no_interference":false,"shaft_below_absolute_zero":false}}
  Lengths in mm (also with --inch), k in 1/MPa, pressures and stresses in MPa,
  forces in N, torque in N·m, temperatures in °C; a safety is null when its
  stress is 0; both temperatures are null with no_interference, the shaft's
  with shaft_below_absolute_zero.

Examples:
  kalmo-cli press 50 H7/s6 --hub-diameter 80 --length 40 --friction 0.12
  kalmo-cli press 50 H7/s6 --hub-diameter 80 --length 40 --friction 0.12 --hub-material aluminium --json)";

struct PartOptions {
  std::optional<std::string> material, e, nu, re, alpha;
};

struct PressOptions {
  std::string size;
  std::string fit;
  std::optional<std::string> hubDiameter, length, bore, rzHub, rzShaft, friction, pressFriction,
      joiningClearance;
  PartOptions hub, shaft;
  bool inch = false;
  bool json = false;
};

// Reads an option that must be given.
Parsed<double> requiredNumber(std::string_view option, const std::optional<std::string>& text) {
  if (!text) return {std::nullopt, std::string(option) + " is missing"};
  return parseNumberOption(option, *text);
}

// Reads an option that may be left out; a missing one gives no value.
Parsed<std::optional<double>> optionalNumber(std::string_view option,
                                             const std::optional<std::string>& text) {
  if (!text) return {std::optional<double>(), {}};
  const Parsed<double> v = parseNumberOption(option, *text);
  if (!v.value) return {std::nullopt, v.error};
  return {std::optional<double>(*v.value), {}};
}

Parsed<MaterialProperties> material(std::string_view part, const PartOptions& o) {
  const std::string prefix = "--" + std::string(part) + "-";
  MaterialProperties m = materialProperties(MaterialId::Steel);
  if (o.material) {
    const Parsed<MaterialId> id = parseMaterialOption(prefix + "material", *o.material);
    if (!id.value) return {std::nullopt, id.error};
    m = materialProperties(*id.value);
  }
  const std::array<std::pair<const char*, double*>, 4> values{{{"E", &m.elasticModulusMpa},
                                                               {"nu", &m.poisson},
                                                               {"re", &m.yieldMpa},
                                                               {"alpha", &m.alphaUmPerMK}}};
  const std::array<const std::optional<std::string>*, 4> texts{&o.e, &o.nu, &o.re, &o.alpha};
  for (std::size_t i = 0; i < values.size(); ++i) {
    const Parsed<std::optional<double>> v = optionalNumber(prefix + values[i].first, *texts[i]);
    if (!v.value) return {std::nullopt, v.error};
    if (*v.value) *values[i].second = **v.value;
  }
  return {m, {}};
}

// The option and the range of an input the method rejected, lengths in the
// unit of the command line.
std::string pressError(PressFitError e, const PressOptions& o, const FitClasses& classes,
                       double sizeMm) {
  if (e == PressFitError::FitUndefined) {
    return "fit " + Designation(Side::Hole, classes.hole) + "/" +
           Designation(Side::Shaft, classes.shaft) + " is undefined at " + formatPlain(sizeMm) +
           " mm";
  }
  struct Named {
    PressFitError error;
    const char* option;
    const std::optional<std::string>* text;
    bool length;
  };
  const std::array<Named, 17> named{{
      {PressFitError::HubOuterDiameter, "--hub-diameter", &o.hubDiameter, true},
      {PressFitError::ShaftBore, "--bore", &o.bore, true},
      {PressFitError::Length, "--length", &o.length, true},
      {PressFitError::HubModulus, "--hub-E", &o.hub.e, false},
      {PressFitError::ShaftModulus, "--shaft-E", &o.shaft.e, false},
      {PressFitError::HubPoisson, "--hub-nu", &o.hub.nu, false},
      {PressFitError::ShaftPoisson, "--shaft-nu", &o.shaft.nu, false},
      {PressFitError::HubYield, "--hub-re", &o.hub.re, false},
      {PressFitError::ShaftYield, "--shaft-re", &o.shaft.re, false},
      {PressFitError::HubAlpha, "--hub-alpha", &o.hub.alpha, false},
      {PressFitError::ShaftAlpha, "--shaft-alpha", &o.shaft.alpha, false},
      {PressFitError::HubRoughness, "--rz-hub", &o.rzHub, false},
      {PressFitError::ShaftRoughness, "--rz-shaft", &o.rzShaft, false},
      {PressFitError::Friction, "--friction", &o.friction, false},
      {PressFitError::PressFriction, "--press-friction", &o.pressFriction, false},
      {PressFitError::JoiningClearance, "--joining-clearance", &o.joiningClearance, true},
      {PressFitError::Diameter, "size", nullptr, true},
  }};
  const auto it =
      std::find_if(named.begin(), named.end(), [e](const Named& n) { return n.error == e; });
  if (it == named.end() || e == PressFitError::Diameter) return "size must be greater than 0";
  const PressFitRange range = pressFitRange(e, sizeMm);
  // A bound that is the size is named so; others in the unit typed.
  const auto bound = [&](double mm) {
    if (it->length && mm == sizeMm) return std::string("the size");
    return formatPlain(it->length && o.inch ? mmToInch(mm) : mm);
  };
  const std::string low = (range.lowIncluded ? "at least " : "greater than ") + bound(range.low);
  const std::string high = (range.highIncluded ? "at most " : "less than ") + bound(range.high);
  return std::string(it->option) + (*it->text ? " " + quoteUserText(**it->text) : std::string()) +
         " must be " + low + " and " + high;
}

// A number, or null where the method gives none.
JsonObject& addSafety(JsonObject& o, std::string_view key, const std::optional<double>& value) {
  return value ? o.add(key, *value) : o.addNull(key);
}

std::string answerJson(const std::string& fitJson, double sizeMm, const PressFitResult& r) {
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
  addSafety(press, "hub_safety", r.hubSafety);
  addSafety(press, "shaft_safety", r.shaftSafety);
  addSafety(press, "hub_temperature", r.hubTemperatureC);
  addSafety(press, "shaft_temperature", r.shaftTemperatureC);
  press.add("loose_at_min", r.looseAtMin)
      .add("hub_yields", r.hubYields)
      .add("shaft_yields", r.shaftYields)
      .add("shaft_below_ln2", r.shaftBelowLn2)
      .add("no_interference", r.noInterference)
      .add("shaft_below_absolute_zero", r.shaftBelowAbsoluteZero);
  return JsonObject().add("size", sizeMm).addRaw("fit", fitJson).add("press", press).str() + "\n";
}

std::string answerText(const std::string& title, const PressFitResult& r, bool inch) {
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
  // The window's warnings, in its English words.
  const LangTable lang = LoadLanguage(kLanguageEnglish);
  for (const PressFitWarning w : pressFitWarnings(r)) {
    t += "Warning: " + GetLangString(lang, pressFitWarningText(w)) + "\n";
  }
  return t;
}

int runPress(const PressOptions& o, Context& ctx) {
  const Parsed<CalloutArgument> callout =
      parseCalloutArguments(o.size, o.fit, o.inch, ClassesWanted::Fit);
  if (!callout.value) return reportUsageError(ctx, callout.error);
  const Parsed<SizeArgument> size{callout.value->size, {}};
  const Parsed<FitClasses> classes{
      FitClasses{*callout.value->classes.hole, *callout.value->classes.shaft}, {}};
  const auto mm = [&o](double v) { return o.inch ? inchToMm(v) : v; };

  PressFitInput in;
  in.diameterMm = size.value->mm;
  const Parsed<double> hubDiameter = requiredNumber("--hub-diameter", o.hubDiameter);
  if (!hubDiameter.value) return reportUsageError(ctx, hubDiameter.error);
  in.hubOuterMm = mm(*hubDiameter.value);
  const Parsed<double> length = requiredNumber("--length", o.length);
  if (!length.value) return reportUsageError(ctx, length.error);
  in.lengthMm = mm(*length.value);
  const Parsed<double> friction = requiredNumber("--friction", o.friction);
  if (!friction.value) return reportUsageError(ctx, friction.error);
  in.friction = *friction.value;

  const Parsed<std::optional<double>> bore = optionalNumber("--bore", o.bore);
  const Parsed<std::optional<double>> rzHub = optionalNumber("--rz-hub", o.rzHub);
  const Parsed<std::optional<double>> rzShaft = optionalNumber("--rz-shaft", o.rzShaft);
  const Parsed<std::optional<double>> pressFriction =
      optionalNumber("--press-friction", o.pressFriction);
  const Parsed<std::optional<double>> clearance =
      optionalNumber("--joining-clearance", o.joiningClearance);
  for (const auto* p : {&bore, &rzHub, &rzShaft, &pressFriction, &clearance}) {
    if (!p->value) return reportUsageError(ctx, p->error);
  }
  in.shaftBoreMm = mm(bore.value->value_or(0));
  in.rzHubUm = rzHub.value->value_or(0);
  in.rzShaftUm = rzShaft.value->value_or(0);
  in.pressFriction = *pressFriction.value;
  if (*clearance.value) in.joiningClearanceMm = mm(**clearance.value);

  const Parsed<MaterialProperties> hub = material("hub", o.hub);
  if (!hub.value) return reportUsageError(ctx, hub.error);
  const Parsed<MaterialProperties> shaft = material("shaft", o.shaft);
  if (!shaft.value) return reportUsageError(ctx, shaft.error);
  in.hubMaterial = *hub.value;
  in.shaftMaterial = *shaft.value;

  const Evaluation e = *Evaluate(in.diameterMm, classes.value->hole, classes.value->shaft);
  in.hole = e.hole;
  in.shaft = e.shaft;
  const PressFitOutcome out = pressFit(in);
  if (!out.value) {
    return reportUsageError(ctx, pressError(out.error, o, *classes.value, in.diameterMm));
  }
  if (o.json) {
    const std::string fit = fitAnswerJson(*size.value, *classes.value,
                                          LoadLanguage(kLanguageEnglish), OperatingRequest{});
    ctx.out << answerJson(fit, in.diameterMm, *out.value);
  } else {
    const std::string title = formatPlain(size.value->typed) + (o.inch ? " in " : " mm ") +
                              Designation(Side::Hole, classes.value->hole) + "/" +
                              Designation(Side::Shaft, classes.value->shaft);
    ctx.out << answerText(title, *out.value, o.inch);
  }
  return kExitOk;
}

void addPartOptions(CLI::App& press, const std::string& part, PartOptions& o) {
  const std::string prefix = "--" + part + "-";
  addTextOption(press, prefix + "material", o.material,
                "Material preset of the " + part + ", default steel (" + materialNameList() + ")");
  addTextOption(press, prefix + "E", o.e, "Young's modulus of the " + part + ", MPa");
  addTextOption(press, prefix + "nu", o.nu, "Poisson's ratio of the " + part);
  addTextOption(press, prefix + "re", o.re, "Yield strength of the " + part + ", MPa");
  addTextOption(press, prefix + "alpha", o.alpha,
                "Expansion coefficient of the " + part + ", µm/(m·K)");
}

}  // namespace

void registerPressCommand(CLI::App& app, Context& ctx) {
  auto o = std::make_shared<PressOptions>();
  CLI::App* press = app.add_subcommand(
      "press", "Press and shrink fit: joint pressure, torque, forces, stresses, temperatures");
  press->footer(kPressFooter);
  press->add_option("SIZE", o->size, "Joint diameter: mm, or inches with --inch")
      ->type_name("")
      ->required();
  press
      ->add_option("HOLE/SHAFT", o->fit,
                   "Hub and shaft class, such as H7/s6; or none when SIZE is the whole "
                   "callout (\"50 H7/s6\")")
      ->type_name("");
  addTextOption(*press, "--hub-diameter", o->hubDiameter, "Outer diameter of the hub (required)");
  addTextOption(*press, "--length", o->length, "Joint length (required)");
  addTextOption(*press, "--bore", o->bore, "Bore of a hollow shaft, default 0 (solid)");
  addPartOptions(*press, "hub", o->hub);
  addPartOptions(*press, "shaft", o->shaft);
  addTextOption(*press, "--rz-hub", o->rzHub, "Roughness Rz of the hub bore, µm, default 0");
  addTextOption(*press, "--rz-shaft", o->rzShaft, "Roughness Rz of the shaft, µm, default 0");
  addTextOption(*press, "--friction", o->friction,
                "Friction coefficient for the transmitted load (required)");
  addTextOption(*press, "--press-friction", o->pressFriction,
                "Friction coefficient for pressing in, default --friction");
  addTextOption(*press, "--joining-clearance", o->joiningClearance,
                "Clearance for shrinking on, default " + formatPlain(kJoiningClearancePerDiameter) +
                    " x size");
  press->add_flag("--inch", o->inch,
                  "SIZE, --hub-diameter, --bore, --length, --joining-clearance in inches");
  press->add_flag("--json", o->json, "Write JSON instead of the table");
  press->callback([&ctx, o] { ctx.exitCode = runPress(*o, ctx); });
}

}  // namespace kalmo::cli
