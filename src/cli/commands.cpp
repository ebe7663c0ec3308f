#include "commands.h"

namespace kalmo::cli {

void registerCommands(CLI::App& app, Context& ctx) {
  registerFitCommand(app, ctx);
  registerPreferredCommand(app, ctx);
  registerDesignCommand(app, ctx);
  registerCatalogueCommand(app, ctx);
  registerInspectCommand(app, ctx);
}

}  // namespace kalmo::cli
