#include "commands.h"

namespace kalmo::cli {

void registerCommands(CLI::App& app, Context& ctx) {
  registerFitCommand(app, ctx);
  registerPreferredCommand(app, ctx);
}

}  // namespace kalmo::cli
