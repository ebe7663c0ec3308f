#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "cli_common.h"
#include "mech/assembly_statistics.h"
#include "mech/materials.h"
#include "mech/operating_fit.h"

namespace kalmo::cli {

// The preset names, comma separated, for help and error texts.
std::string materialNameList();

// A number option ("." as decimal point): finite, or the reason naming it.
Parsed<double> parseNumberOption(std::string_view option, std::string_view text);
// A preset name option, or the reason naming it and listing the presets.
Parsed<MaterialId> parseMaterialOption(std::string_view option, std::string_view text);

// An option whose text is kept as typed, and whether it was given at all.
CLI::Option* addTextOption(CLI::App& command, const std::string& name,
                           std::optional<std::string>& target, const std::string& help);

// The operating options of fit, as typed; nullopt when not given.
struct OperatingOptions {
  std::optional<std::string> holeMaterial;
  std::optional<std::string> holeAlpha;
  std::optional<std::string> shaftMaterial;
  std::optional<std::string> shaftAlpha;
  std::optional<std::string> holeTemp;
  std::optional<std::string> shaftTemp;
  std::optional<std::string> stats;  // "normal" or "uniform", checked by the parser
};

// Whether a command offers --stats: only commands that write statistics do.
enum class StatsOption { Offered, Left };

// Adds --hole-material/--hole-alpha, --shaft-material/--shaft-alpha,
// --hole-temp, --shaft-temp and (StatsOption::Offered) --stats to a command.
void addOperatingOptions(CLI::App& command, OperatingOptions& options,
                         StatsOption stats = StatsOption::Offered);

struct OperatingRequest {
  // Set when a material, α or temperature option is given. A part given
  // none of material and α is steel; a part given no temperature is at 20 °C.
  std::optional<OperatingConditions> conditions;
  SizeDistribution model = SizeDistribution::Normal;
  bool modelGiven = false;  // --stats given
};

Parsed<OperatingRequest> parseOperatingOptions(const OperatingOptions& options);

}  // namespace kalmo::cli
