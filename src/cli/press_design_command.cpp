#include <array>
#include <memory>
#include <ostream>
#include <string>

#include "cli_common.h"
#include "commands.h"
#include "design/press_design.h"
#include "format/number_format.h"
#include "format/units.h"
#include "json_writer.h"
#include "mech_options.h"
#include "press_options.h"

namespace kalmo::cli {

namespace {

constexpr const char* kPressDesignFooter = R"(Method:
  The press fits that carry a load with a safety against slip and stay
  elastic with a safety against yielding (DIN 7190-1, elastic case; the hub
  is the hole part):
    F_res  = sqrt((2000 T/D)^2 + F^2)               resultant friction force, N
    p_req  = S_R F_res / (pi D l mu)                 required joint pressure
    U_req  = p_req D K + dU                          required smallest interference
    p_perm = min(Re_hub / (S_F s_hub), Re_shaft / (S_F s_shaft))
    U_perm = p_perm D K + dU                         permitted largest interference
  with K as press computes it, dU the smoothing (see Conventions), s_hub and
  s_shaft the equivalent stresses per MPa of joint pressure: hub 2/(1 - Q^2)
  (or von Mises), solid shaft 1, hollow shaft 2/(1 - Q_shaft^2).
  Every hole/shaft pair of the system and grade range (design's candidates
  of type interference) with U_min >= U_req and U_max <= U_perm is listed,
  ranked by the larger fit tolerance first (the cheaper to make), then the
  preferred fits, then the closeness of (U_min + U_max)/2 to
  (U_req + U_perm)/2. Each fit comes with p_min and p_max, the slip safety at
  U_min and the safeties of hub and shaft at U_max, all at 20 °C.

In operation:
  With --hole-temp and/or --shaft-temp (°C; the other part stays at 20 °C)
  each fit also comes with its interferences, pressures, slip safety and
  safeties of hub and shaft at those temperatures, each part growing with
  its material's alpha, as press computes them. The window and the fits in it
  are still found at 20 °C; --in-operation lists only the fits that also
  carry the load there with S_R and keep hub and shaft below Re/S_F there,
  and counts the others ("not_in_operation").

Systems:
  hole (H of every grade in range with every shaft class, the default),
  shaft (every hole class with h), all (every pair).
  Ranges as design: precision (default) 5-12, gauges 01-6, semi-products
  11-16, structures 16-18, non-tolerated 11-18, or FROM:TO (5:7).

No fit:
  When U_req exceeds U_perm no fit can carry the load elastically: the
  answer gives by how much ("shortfall": U_req - U_perm in mm, and
  "load_factor" p_req/p_perm, how many times the load exceeds what the
  joint carries with S_R and S_F), and a line on standard error says so.
  When no fit of the system and range lies between U_req and U_perm, the
  list is empty and a line on standard error says so. Both are answers:
  the exit status stays 0.

Output:
  Without --json the required and permitted values, then one line per fit:
  fit (a "*" marks a preferred fit), U_min, U_max (mm, inches with --inch),
  p_min, p_max (MPa), slip safety, hub safety, shaft safety.
  With --json one object on one line:
    {"size":50,"load":{"torque":400,"axial_force":0},"slip_safety":1.5,
     "yield_safety":1.1,"conventions":{...as press...},
     "required":{"force":..,"pressure":..,"interference":..},
     "permitted":{"pressure":..,"interference":..},"shortfall":null,
     "operating":null or {"hub_temperature":..,"shaft_temperature":..},
     "in_operation":false,"not_in_operation":0,
     "fits":[{"fit":"H8/u7","preferred":false,"u_min":..,"u_max":..,
     "tolerance":..,"p_min":..,"p_max":..,"slip_safety":..,"hub_safety":..,
     "shaft_safety":..,"operating":null or {"u_max":..,"u_min":..,"p_max":..,
     "p_min":..,"torque":..,"axial_force":..,"slip_safety":..,"hub_safety":..,
     "shaft_safety":..,"loose_at_min":..}},...],
     "count":..}
  Lengths in mm (also with --inch), pressures in MPa, forces in N.)";

constexpr const char* kPressDesignExamples = R"(Examples:
  A steel hub of 80 mm on a solid steel shaft of 50 mm, 40 mm long, dry
  (mu 0.12), to carry 400 N·m with S_R 1.5 (the default) and S_F 1.1:
    kalmo-cli press-design 50 --hub-diameter 80 --length 40 --friction 0.12 --torque 400
  F_res = 16000 N, p_req = 31.83 MPa, U_req = 0.0249 mm; the hub bounds
  p_perm = 98.33 MPa, U_perm = 0.0768 mm.
  kalmo-cli press-design 50 --hub-diameter 80 --length 40 --friction 0.12 --torque 400 --system all --json
  The same with the hub at 40 °C in operation, keeping the fits that carry
  the load there too:
    kalmo-cli press-design 50 --hub-diameter 80 --length 40 --friction 0.12 --torque 400 --hole-temp 40 --in-operation)";

constexpr std::array<std::string_view, 3> kPressSystemNames = {"hole", "shaft", "all"};
constexpr std::array<DesignSystem, 3> kPressSystems = {
    DesignSystem::HoleBasis, DesignSystem::ShaftBasis, DesignSystem::AllCombinations};

struct PressDesignOptions {
  std::string size;
  JointOptions joint;
  std::optional<std::string> slipSafety, yieldSafety;
  std::string system = "hole";
  std::string range = "precision";
  OperatingTexts operating;
  bool inOperation = false;
};

std::string fitText(const FitClasses& c) {
  return Designation(Side::Hole, c.hole) + "/" + Designation(Side::Shaft, c.shaft);
}

std::string answerJson(const PressDesignRequest& r, const PressDesignResult& result) {
  const PressFitInput& in = r.joint;
  const PressDesignWindow& w = result.window;
  std::string fits = "[";
  for (const PressDesignFit& f : result.fits) {
    JsonObject o;
    o.add("fit", fitText(f.classes))
        .add("preferred", f.preferred)
        .add("u_min", f.uMin.mm())
        .add("u_max", f.uMax.mm())
        .add("tolerance", f.tolerance.mm())
        .add("p_min", f.press.pMinMpa)
        .add("p_max", f.press.pMaxMpa);
    o.add("slip_safety", f.press.slipSafety);
    o.add("hub_safety", f.press.hubSafety);
    o.add("shaft_safety", f.press.shaftSafety);
    if (const std::optional<PressAtTemperature>& hot = f.press.atOperating) {
      JsonObject op;
      addJointAtTemperature(op, *hot);
      o.add("operating", op);
    } else {
      o.addNull("operating");
    }
    fits += (fits.size() > 1 ? "," : "") + o.str();
  }
  fits += "]";
  JsonObject answer;
  answer.add("size", in.diameterMm)
      .add("load",
           JsonObject().add("torque", in.load->torqueNm).add("axial_force", in.load->axialForceN))
      .add("slip_safety", r.slipSafety)
      .add("yield_safety", r.yieldSafety)
      .add("conventions", conventionsJson(in))
      .add("required", JsonObject()
                           .add("force", w.forceN)
                           .add("pressure", w.requiredMpa)
                           .add("interference", w.requiredMm))
      .add("permitted",
           JsonObject().add("pressure", w.permittedMpa).add("interference", w.permittedMm));
  if (result.shortfallMm) {
    answer.add("shortfall", JsonObject()
                                .add("interference", *result.shortfallMm)
                                .add("load_factor", *result.loadFactor));
  } else {
    answer.addNull("shortfall");
  }
  if (in.operating) {
    answer.add("operating", JsonObject()
                                .add("hub_temperature", in.operating->hubC)
                                .add("shaft_temperature", in.operating->shaftC));
  } else {
    answer.addNull("operating");
  }
  answer.add("in_operation", r.carryInOperation)
      .add("not_in_operation", static_cast<double>(result.notInOperation));
  answer.addRaw("fits", fits).add("count", static_cast<double>(result.fits.size()));
  return answer.str() + "\n";
}

std::string answerText(const PressDesignRequest& r, const PressDesignResult& result, bool inch) {
  const PressFitInput& in = r.joint;
  const PressDesignWindow& w = result.window;
  const auto length = [inch](double mm) { return lengthText(mm, inch) + (inch ? " in" : " mm"); };
  const auto safety = [](const std::optional<double>& s) {
    return s ? formatFixed(*s, 2) : std::string("-");
  };
  std::string t = "Resultant friction force\t" + formatFixed(w.forceN, 0) + " N\n";
  t += "Required (S_R " + formatPlain(r.slipSafety) + "): pressure, interference\t" +
       formatFixed(w.requiredMpa, 2) + " MPa\t" + length(w.requiredMm) + "\n";
  t += "Permitted (S_F " + formatPlain(r.yieldSafety) + "): pressure, interference\t" +
       formatFixed(w.permittedMpa, 2) + " MPa\t" + length(w.permittedMm) + "\n";
  t += conventionsText(in);
  if (result.shortfallMm) {
    t += "No fit: the required interference exceeds the permitted by " +
         length(*result.shortfallMm) + "; the load is " + formatFixed(*result.loadFactor, 2) +
         " times what the joint carries elastically\n";
    return t;
  }
  if (in.operating) {
    t += "In operation: hub\t" + formatPlain(in.operating->hubC) + " °C\tshaft " +
         formatPlain(in.operating->shaftC) + " °C\n";
  }
  if (r.carryInOperation) {
    t += "Left out: fits that do not carry the load in operation\t" +
         std::to_string(result.notInOperation) + "\n";
  }
  t += "Fit\tU_min\tU_max\tp_min\tp_max\tSlip safety\tHub safety\tShaft safety";
  t += in.operating ? "\tSlip safety in operation\n" : "\n";
  for (const PressDesignFit& f : result.fits) {
    t += fitText(f.classes) + (f.preferred ? "*" : "") + "\t" + lengthText(f.uMin.mm(), inch) +
         "\t" + lengthText(f.uMax.mm(), inch) + "\t" + formatFixed(f.press.pMinMpa, 2) + "\t" +
         formatFixed(f.press.pMaxMpa, 2) + "\t" + safety(f.press.slipSafety) + "\t" +
         safety(f.press.hubSafety) + "\t" + safety(f.press.shaftSafety);
    if (const std::optional<PressAtTemperature>& hot = f.press.atOperating) {
      t += "\t" + (hot->looseAtMin ? std::string("loose") : safety(hot->slipSafety));
    }
    t += "\n";
  }
  return t;
}

int runPressDesign(const PressDesignOptions& o, Context& ctx) {
  const Parsed<SizeArgument> size = parseSizeArgument(o.size, o.joint.inch);
  if (!size.value) return reportUsageError(ctx, size.error);
  Parsed<PressFitInput> joint = parseJoint(o.joint, size.value->mm);
  if (!joint.value) return reportUsageError(ctx, joint.error);
  if (!joint.value->load) return reportUsageError(ctx, "--torque or --axial-force is missing");
  const Parsed<std::optional<double>> slip = optionalNumber("--slip-safety", o.slipSafety);
  if (!slip.value) return reportUsageError(ctx, slip.error);
  const Parsed<std::optional<double>> yield = optionalNumber("--yield-safety", o.yieldSafety);
  if (!yield.value) return reportUsageError(ctx, yield.error);
  const Parsed<GradeBounds> grades = parseGradeRange(o.range);
  if (!grades.value) return reportUsageError(ctx, grades.error);
  const Parsed<std::optional<JointTemperatures>> operating = parseOperating(o.operating);
  if (!operating.value) return reportUsageError(ctx, operating.error);
  if (o.inOperation && !*operating.value) {
    return reportUsageError(ctx, "--in-operation needs --hole-temp or --shaft-temp");
  }
  joint.value->operating = *operating.value;

  PressDesignRequest request;
  request.joint = *joint.value;
  request.slipSafety = slip.value->value_or(request.slipSafety);
  request.yieldSafety = yield.value->value_or(request.yieldSafety);
  // The option check admits only listed names.
  for (std::size_t i = 0; i < kPressSystemNames.size(); ++i) {
    if (kPressSystemNames[i] == o.system) request.system = kPressSystems[i];
  }
  request.grades = *grades.value;
  request.carryInOperation = o.inOperation;

  const PressDesignOutcome out = designPressFit(request);
  const auto safetyError = [](const char* option, const std::optional<std::string>& text) {
    return std::string(option) + " " + quoteUserText(*text) + " must be at least 1 and at most " +
           formatPlain(kPressMaxSafety);
  };
  switch (out.error) {
    case PressDesignError::None: break;
    case PressDesignError::Joint:
      return reportUsageError(
          ctx,
          jointError(out.jointError, o.joint,
                     {nullptr, nullptr, &o.operating.hole, &o.operating.shaft}, size.value->mm));
    case PressDesignError::NoLoad:
      return reportUsageError(
          ctx, "--torque and --axial-force give no load: one must be greater than 0");
    case PressDesignError::SlipSafety:
      return reportUsageError(ctx, safetyError("--slip-safety", o.slipSafety));
    case PressDesignError::YieldSafety:
      return reportUsageError(ctx, safetyError("--yield-safety", o.yieldSafety));
    case PressDesignError::System:
      return reportUsageError(ctx, "--system must be hole, shaft or all");
  }
  const PressDesignResult& result = *out.value;
  ctx.out << (o.joint.json ? answerJson(request, result)
                           : answerText(request, result, o.joint.inch));
  if (result.shortfallMm) {
    ctx.err << "kalmo-cli: no fit can carry the load elastically: the required interference "
               "exceeds the permitted by "
            << formatFixed(*result.shortfallMm, 4) << " mm; the load is "
            << formatFixed(*result.loadFactor, 2) << " times what it carries\n";
  } else if (result.fits.empty() && result.notInOperation > 0) {
    ctx.err << "kalmo-cli: no fit carries the load in operation too; " << result.notInOperation
            << " carry it at 20 °C only\n";
  } else if (result.fits.empty()) {
    ctx.err << "kalmo-cli: no fit of the system and grade range lies between the required and "
               "the permitted interference\n";
  }
  return kExitOk;
}

}  // namespace

void registerPressDesignCommand(CLI::App& app, Context& ctx) {
  auto o = std::make_shared<PressDesignOptions>();
  CLI::App* design = app.add_subcommand(
      "press-design", "Press fits that carry a torque or axial force and stay elastic");
  design->footer(std::string(kPressDesignFooter) + "\n\n" + kConventionsHelp + "\n\n" +
                 kPressDesignExamples);
  design->add_option("SIZE", o->size, "Joint diameter: mm, or inches with --inch")
      ->type_name("")
      ->required();
  addJointOptions(*design, o->joint, LoadWanted::Required);
  addTextOption(*design, "--slip-safety", o->slipSafety,
                "Safety against slip S_R, 1 to 100, default 1.5");
  addTextOption(*design, "--yield-safety", o->yieldSafety,
                "Safety against yielding S_F, 1 to 100, default 1.1");
  addOperatingOptions(*design, o->operating);
  design->add_flag("--in-operation", o->inOperation,
                   "List only the fits that also carry the load at the operating temperatures");
  design->add_option("--system", o->system, "hole (default), shaft or all")
      ->check(CLI::IsMember(
          std::vector<std::string>(kPressSystemNames.begin(), kPressSystemNames.end())));
  design
      ->add_option("--range", o->range,
                   "Grades: precision (default), gauges, semi-products, structures, "
                   "non-tolerated, or FROM:TO")
      ->type_name("RANGE");
  design->add_flag("--inch", o->joint.inch, "SIZE, --hub-diameter, --bore, --length in inches");
  design->add_flag("--json", o->joint.json, "Write JSON instead of the table");
  design->callback([&ctx, o] { ctx.exitCode = runPressDesign(*o, ctx); });
}

}  // namespace kalmo::cli
