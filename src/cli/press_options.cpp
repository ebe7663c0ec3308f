#include "press_options.h"

#include <algorithm>
#include <array>

#include "format/number_format.h"
#include "format/units.h"
#include "mech_options.h"

namespace kalmo::cli {

const char* const kConventionsHelp = R"(Conventions:
  --smoothing: the interference lost as the roughness peaks are smoothed on
  joining, factor x (Rz_hub + Rz_shaft). 0.8 (the default) is the factor of
  DIN 7190:2001; 0.4 is the factor public sources give for DIN 7190-1:2017,
  though sources disagree about that edition: check it before relying on it.
  --stress: the equivalent stress at the hub bore, where the tangential
  stress is p (1 + Q^2)/(1 - Q^2) and the radial one -p (Q = D/D_hub).
  max-shear (the default, Tresca): 2p/(1 - Q^2); von-mises:
  p sqrt(3 + Q^4)/(1 - Q^2), lower by up to 13 % for a thick hub (Q near 0)
  and hardly at all for a thin one (Q near 1). The shaft's stress is the
  same under both: p for a solid shaft, 2p/(1 - Q_shaft^2) at a hollow
  shaft's bore.)";

namespace {

constexpr std::array<std::string_view, 2> kSmoothingNames = {"0.8", "0.4"};
constexpr std::array<std::string_view, 2> kStressNames = {"max-shear", "von-mises"};

Parsed<double> requiredNumber(std::string_view option, const std::optional<std::string>& text) {
  if (!text) return {std::nullopt, std::string(option) + " is missing"};
  return parseNumberOption(option, *text);
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

void addPartOptions(CLI::App& command, const std::string& part, const std::string& alias,
                    PartOptions& o) {
  const std::string prefix = "--" + part + "-";
  const auto names = [&](const char* name) {
    return prefix + name + (alias.empty() ? "" : ",--" + alias + "-" + name);
  };
  addTextOption(command, names("material"), o.material,
                "Material preset of the " + part + ", default steel (" + materialNameList() + ")");
  addTextOption(command, prefix + "E", o.e, "Young's modulus of the " + part + ", MPa");
  addTextOption(command, prefix + "nu", o.nu, "Poisson's ratio of the " + part);
  addTextOption(command, prefix + "re", o.re, "Yield strength of the " + part + ", MPa");
  addTextOption(command, names("alpha"), o.alpha,
                "Expansion coefficient of the " + part + ", µm/(m·K)");
}

template <std::size_t N>
std::size_t indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
  return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

}  // namespace

std::string_view smoothingName(SmoothingRule rule) {
  return kSmoothingNames[static_cast<std::size_t>(rule)];
}

std::string_view smoothingSource(SmoothingRule rule) {
  return rule == SmoothingRule::Factor04 ? "DIN 7190-1:2017" : "DIN 7190:2001";
}

std::string_view stressName(StressHypothesis hypothesis) {
  return kStressNames[static_cast<std::size_t>(hypothesis)];
}

Parsed<std::optional<double>> optionalNumber(std::string_view option,
                                             const std::optional<std::string>& text) {
  if (!text) return {std::optional<double>(), {}};
  const Parsed<double> v = parseNumberOption(option, *text);
  if (!v.value) return {std::nullopt, v.error};
  return {std::optional<double>(*v.value), {}};
}

void addJointOptions(CLI::App& command, JointOptions& o, LoadWanted load) {
  addTextOption(command, "--hub-diameter", o.hubDiameter, "Outer diameter of the hub (required)");
  addTextOption(command, "--length", o.length, "Joint length (required)");
  addTextOption(command, "--bore", o.bore, "Bore of a hollow shaft, default 0 (solid)");
  // The hub is the hole part: fit's --hole-material and --hole-alpha name it too.
  addPartOptions(command, "hub", "hole", o.hub);
  addPartOptions(command, "shaft", "", o.shaft);
  addTextOption(command, "--rz-hub", o.rzHub, "Roughness Rz of the hub bore, µm, default 0");
  addTextOption(command, "--rz-shaft", o.rzShaft, "Roughness Rz of the shaft, µm, default 0");
  addTextOption(command, "--friction", o.friction,
                "Friction coefficient for the transmitted load (required)");
  const std::string needed =
      load == LoadWanted::Required ? " (this or --axial-force required)" : ", for the slip safety";
  addTextOption(command, "--torque", o.torque, "Torque to transmit, N·m" + needed);
  addTextOption(command, "--axial-force", o.axialForce,
                "Axial force to transmit, N" + std::string(load == LoadWanted::Required
                                                               ? " (this or --torque required)"
                                                               : ", for the slip safety"));
  command
      .add_option("--smoothing", o.smoothing,
                  "Smoothing factor of the roughness: 0.8 (default, DIN 7190:2001) or 0.4 "
                  "(DIN 7190-1:2017)")
      ->check(
          CLI::IsMember(std::vector<std::string>(kSmoothingNames.begin(), kSmoothingNames.end())));
  command
      .add_option("--stress", o.stress,
                  "Equivalent stress at the hub bore: max-shear (default) or von-mises")
      ->check(CLI::IsMember(std::vector<std::string>(kStressNames.begin(), kStressNames.end())));
}

Parsed<PressFitInput> parseJoint(const JointOptions& o, double sizeMm) {
  const auto mm = [&o](double v) { return o.inch ? inchToMm(v) : v; };
  PressFitInput in;
  in.diameterMm = sizeMm;
  const Parsed<double> hubDiameter = requiredNumber("--hub-diameter", o.hubDiameter);
  if (!hubDiameter.value) return {std::nullopt, hubDiameter.error};
  in.hubOuterMm = mm(*hubDiameter.value);
  const Parsed<double> length = requiredNumber("--length", o.length);
  if (!length.value) return {std::nullopt, length.error};
  in.lengthMm = mm(*length.value);
  const Parsed<double> friction = requiredNumber("--friction", o.friction);
  if (!friction.value) return {std::nullopt, friction.error};
  in.friction = *friction.value;

  const Parsed<std::optional<double>> bore = optionalNumber("--bore", o.bore);
  const Parsed<std::optional<double>> rzHub = optionalNumber("--rz-hub", o.rzHub);
  const Parsed<std::optional<double>> rzShaft = optionalNumber("--rz-shaft", o.rzShaft);
  const Parsed<std::optional<double>> torque = optionalNumber("--torque", o.torque);
  const Parsed<std::optional<double>> axial = optionalNumber("--axial-force", o.axialForce);
  for (const auto* p : {&bore, &rzHub, &rzShaft, &torque, &axial}) {
    if (!p->value) return {std::nullopt, p->error};
  }
  in.shaftBoreMm = mm(bore.value->value_or(0));
  in.rzHubUm = rzHub.value->value_or(0);
  in.rzShaftUm = rzShaft.value->value_or(0);
  if (*torque.value || *axial.value) {
    in.load = PressLoad{torque.value->value_or(0), axial.value->value_or(0)};
  }

  const Parsed<MaterialProperties> hub = material("hub", o.hub);
  if (!hub.value) return {std::nullopt, hub.error};
  const Parsed<MaterialProperties> shaft = material("shaft", o.shaft);
  if (!shaft.value) return {std::nullopt, shaft.error};
  in.hubMaterial = *hub.value;
  in.shaftMaterial = *shaft.value;
  // The option checks admit only listed names.
  in.smoothing = static_cast<SmoothingRule>(indexOf(kSmoothingNames, o.smoothing));
  in.hubStress = static_cast<StressHypothesis>(indexOf(kStressNames, o.stress));
  return {in, {}};
}

std::string jointError(PressFitError e, const JointOptions& o, const PressOnlyTexts& pressOnly,
                       double sizeMm) {
  // Below absolute zero, or an α·Δt beyond what any part survives.
  if (e == PressFitError::HubTemperature || e == PressFitError::ShaftTemperature) {
    const bool hub = e == PressFitError::HubTemperature;
    const std::string option = hub ? "--hole-temp" : "--shaft-temp";
    const std::string& text = **(hub ? pressOnly.holeTemp : pressOnly.shaftTemp);
    const std::optional<double> t = parseNumber(text, ".");
    if (t && *t < kAbsoluteZeroC) {
      return option + " " + quoteUserText(text) + " is below -273.15 °C";
    }
    return option + " " + quoteUserText(text) + " with the " + (hub ? "hub" : "shaft") +
           "'s alpha would shrink it to nothing or more than double it";
  }
  struct Named {
    PressFitError error;
    const char* option;
    const std::optional<std::string>* text;
    bool length;
  };
  const std::array<Named, 18> named{{
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
      {PressFitError::PressFriction, "--press-friction", pressOnly.pressFriction, false},
      {PressFitError::JoiningClearance, "--joining-clearance", pressOnly.joiningClearance, true},
      {PressFitError::Torque, "--torque", &o.torque, false},
      {PressFitError::AxialForce, "--axial-force", &o.axialForce, false},
  }};
  const auto it =
      std::find_if(named.begin(), named.end(), [e](const Named& n) { return n.error == e; });
  if (it == named.end() || it->text == nullptr) return "size must be greater than 0";
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

void addOperatingOptions(CLI::App& command, OperatingTexts& texts) {
  addTextOption(command, "--hole-temp", texts.hole,
                "Operating temperature of the hub in °C, default 20");
  addTextOption(command, "--shaft-temp", texts.shaft,
                "Operating temperature of the shaft in °C, default 20");
}

Parsed<std::optional<JointTemperatures>> parseOperating(const OperatingTexts& texts) {
  const Parsed<std::optional<double>> hole = optionalNumber("--hole-temp", texts.hole);
  if (!hole.value) return {std::nullopt, hole.error};
  const Parsed<std::optional<double>> shaft = optionalNumber("--shaft-temp", texts.shaft);
  if (!shaft.value) return {std::nullopt, shaft.error};
  if (!*hole.value && !*shaft.value) return {std::optional<JointTemperatures>{}, {}};
  return {JointTemperatures{hole.value->value_or(kReferenceTemperatureC),
                            shaft.value->value_or(kReferenceTemperatureC)},
          {}};
}

JsonObject conventionsJson(const PressFitInput& in) {
  JsonObject conventions;
  conventions.add("smoothing", smoothingName(in.smoothing))
      .add("smoothing_source", smoothingSource(in.smoothing))
      .add("stress", stressName(in.hubStress));
  return conventions;
}

std::string conventionsText(const PressFitInput& in) {
  return "Smoothing\t" + std::string(smoothingName(in.smoothing)) + " x (Rz_hub + Rz_shaft), " +
         std::string(smoothingSource(in.smoothing)) + "\nHub stress\t" +
         (in.hubStress == StressHypothesis::VonMises ? "von Mises"
                                                     : "maximum shear stress (Tresca)") +
         "\n";
}

void addJointAtTemperature(JsonObject& o, const PressAtTemperature& joint) {
  o.add("u_max", joint.uMaxMm)
      .add("u_min", joint.uMinMm)
      .add("p_max", joint.pMaxMpa)
      .add("p_min", joint.pMinMpa)
      .add("torque", joint.torqueNm)
      .add("axial_force", joint.axialForceN)
      .add("slip_safety", joint.slipSafety)
      .add("hub_safety", joint.hubSafety)
      .add("shaft_safety", joint.shaftSafety)
      .add("loose_at_min", joint.looseAtMin);
}

}  // namespace kalmo::cli
