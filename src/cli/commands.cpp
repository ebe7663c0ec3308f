#include "commands.h"

namespace kalmo::cli {

void registerCommands(CLI::App& app, Context& ctx) {
  registerFitCommand(app, ctx);
  registerPreferredCommand(app, ctx);
  registerDesignCommand(app, ctx);
  registerCatalogueCommand(app, ctx);
  registerPressCommand(app, ctx);
  registerPressDesignCommand(app, ctx);
  registerMaterialsCommand(app, ctx);
  registerInspectCommand(app, ctx);
  registerGeneralCommand(app, ctx);
  registerStackCommand(app, ctx);
  registerBearingSeatCommand(app, ctx);
}

}  // namespace kalmo::cli
