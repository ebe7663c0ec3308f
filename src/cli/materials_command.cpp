#include <memory>
#include <ostream>

#include "cli_common.h"
#include "commands.h"
#include "format/number_format.h"
#include "json_writer.h"
#include "mech/materials.h"

namespace kalmo::cli {

namespace {

constexpr const char* kMaterialsFooter = R"(Output:
  Without --json a line with the column titles, then one line per material,
  tab-separated: name, α in µm/(m·K), E in MPa, ν, Re in MPa.
  With --json one object on one line:
    {"materials":[{"name":"steel","alpha":12,"E":210000,"nu":0.3,"re":355},...]}
  The names are those --hole-material, --shaft-material, --hub-material take.
  Typical values of one common grade each; type your own with --hub-E ... for
  press, --hole-alpha ... for fit.)";

int runMaterials(bool json, Context& ctx) {
  if (json) {
    std::string list;
    for (const MaterialPreset& m : kMaterialPresets) {
      const MaterialProperties& p = m.properties;
      list += (list.empty() ? "" : ",") + JsonObject()
                                              .add("name", m.name)
                                              .add("alpha", p.alphaUmPerMK)
                                              .add("E", p.elasticModulusMpa)
                                              .add("nu", p.poisson)
                                              .add("re", p.yieldMpa)
                                              .str();
    }
    ctx.out << JsonObject().addRaw("materials", "[" + list + "]").str() << '\n';
    return kExitOk;
  }
  ctx.out << "material\talpha µm/(m·K)\tE MPa\tnu\tRe MPa\n";
  for (const MaterialPreset& m : kMaterialPresets) {
    const MaterialProperties& p = m.properties;
    ctx.out << m.name << '\t' << formatPlain(p.alphaUmPerMK) << '\t'
            << formatPlain(p.elasticModulusMpa) << '\t' << formatPlain(p.poisson) << '\t'
            << formatPlain(p.yieldMpa) << '\n';
  }
  return kExitOk;
}

}  // namespace

void registerMaterialsCommand(CLI::App& app, Context& ctx) {
  auto json = std::make_shared<bool>(false);
  CLI::App* materials = app.add_subcommand(
      "materials",
      "Material presets: expansion coefficient, Young's modulus, Poisson's ratio, "
      "yield strength");
  materials->footer(kMaterialsFooter);
  materials->add_flag("--json", *json, "Write JSON instead of the table");
  materials->callback([&ctx, json] { ctx.exitCode = runMaterials(*json, ctx); });
}

}  // namespace kalmo::cli
