#include "mech_options.h"

#include "format/number_format.h"

namespace kalmo::cli {

namespace {

// One part's condition from its options; the names say which part.
Parsed<PartTemperature> parsePart(const std::optional<std::string>& material,
                                  const std::optional<std::string>& alpha,
                                  const std::optional<std::string>& temp, std::string_view part) {
  const std::string prefix = "--" + std::string(part) + "-";
  PartTemperature p{kReferenceTemperatureC, materialProperties(MaterialId::Steel).alphaUmPerMK};
  if (material) {
    const Parsed<MaterialId> m = parseMaterialOption(prefix + "material", *material);
    if (!m.value) return {std::nullopt, m.error};
    p.alphaUmPerMK = materialProperties(*m.value).alphaUmPerMK;
  }
  if (alpha) {
    const Parsed<double> a = parseNumberOption(prefix + "alpha", *alpha);
    if (!a.value) return {std::nullopt, a.error};
    p.alphaUmPerMK = *a.value;
  }
  if (temp) {
    const Parsed<double> t = parseNumberOption(prefix + "temp", *temp);
    if (!t.value) return {std::nullopt, t.error};
    p.temperatureC = *t.value;
  }
  // Numbers read are finite; what is left to reject is a temperature below
  // absolute zero, or an α·Δt that shrinks the part to nothing or more than
  // doubles it.
  const ConditionError e = checkPartTemperature(p);
  if (e == ConditionError::BelowAbsoluteZero) {
    return {std::nullopt, prefix + "temp " + quoteUserText(*temp) + " is below -273.15 °C"};
  }
  if (e != ConditionError::None) {
    return {std::nullopt, prefix + "alpha and " + prefix + "temp would shrink the " +
                              std::string(part) + " to nothing or more than double it"};
  }
  return {p, {}};
}

}  // namespace

std::string materialNameList() {
  std::string names;
  for (const MaterialPreset& preset : kMaterialPresets) {
    names += (names.empty() ? "" : ", ") + std::string(preset.name);
  }
  return names;
}

Parsed<double> parseNumberOption(std::string_view option, std::string_view text) {
  if (const std::optional<double> value = parseNumber(text, ".")) return {*value, {}};
  return {std::nullopt,
          std::string(option) + " " + quoteUserText(text) + " is not a finite number"};
}

Parsed<MaterialId> parseMaterialOption(std::string_view option, std::string_view text) {
  if (const std::optional<MaterialId> id = materialByName(text)) return {*id, {}};
  return {std::nullopt, std::string(option) + " " + quoteUserText(text) +
                            " is no known material (" + materialNameList() + ")"};
}

CLI::Option* addTextOption(CLI::App& command, const std::string& name,
                           std::optional<std::string>& target, const std::string& help) {
  return command
      .add_option_function<std::string>(
          name, [&target](const std::string& value) { target = value; }, help)
      ->type_name("");
}

void addOperatingOptions(CLI::App& command, OperatingOptions& options, StatsOption stats) {
  const auto store = [&command](const char* name, std::optional<std::string>& target,
                                const std::string& help) {
    return addTextOption(command, name, target, help);
  };
  const std::string names = " (" + materialNameList() + ")";
  CLI::Option* holeMaterial =
      store("--hole-material", options.holeMaterial, "Material of the hole part" + names);
  store("--hole-alpha", options.holeAlpha,
        "Expansion coefficient of the hole part, µm/(m·K), instead of a material")
      ->excludes(holeMaterial);
  CLI::Option* shaftMaterial =
      store("--shaft-material", options.shaftMaterial, "Material of the shaft part" + names);
  store("--shaft-alpha", options.shaftAlpha,
        "Expansion coefficient of the shaft part, µm/(m·K), instead of a material")
      ->excludes(shaftMaterial);
  store("--hole-temp", options.holeTemp, "Temperature of the hole part in °C, default 20");
  store("--shaft-temp", options.shaftTemp, "Temperature of the shaft part in °C, default 20");
  if (stats == StatsOption::Left) return;
  store("--stats", options.stats,
        "Spread of the actual sizes: normal (σ = IT/6, default) or uniform")
      ->check(CLI::IsMember({"normal", "uniform"}));
}

Parsed<OperatingRequest> parseOperatingOptions(const OperatingOptions& o) {
  OperatingRequest request;
  if (o.stats) {
    request.model = *o.stats == "uniform" ? SizeDistribution::Uniform : SizeDistribution::Normal;
    request.modelGiven = true;
  }
  if (!(o.holeMaterial || o.holeAlpha || o.holeTemp || o.shaftMaterial || o.shaftAlpha ||
        o.shaftTemp)) {
    return {request, {}};
  }
  const Parsed<PartTemperature> hole = parsePart(o.holeMaterial, o.holeAlpha, o.holeTemp, "hole");
  if (!hole.value) return {std::nullopt, hole.error};
  const Parsed<PartTemperature> shaft =
      parsePart(o.shaftMaterial, o.shaftAlpha, o.shaftTemp, "shaft");
  if (!shaft.value) return {std::nullopt, shaft.error};
  request.conditions = OperatingConditions{*hole.value, *shaft.value};
  return {request, {}};
}

}  // namespace kalmo::cli
