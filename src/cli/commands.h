#pragma once

#include <CLI/CLI.hpp>

#include "cli.h"

namespace kalmo::cli {

// Each subcommand lives in its own file and adds itself to the application
// with one register function: it declares its options, and its callback does
// the work and sets ctx.exitCode. To add a subcommand, declare its function
// here, call it in registerCommands (commands.cpp) and list its file in
// CMakeLists.txt.
void registerFitCommand(CLI::App& app, Context& ctx);
void registerPreferredCommand(CLI::App& app, Context& ctx);
void registerDesignCommand(CLI::App& app, Context& ctx);
void registerCatalogueCommand(CLI::App& app, Context& ctx);
void registerPressCommand(CLI::App& app, Context& ctx);
void registerPressDesignCommand(CLI::App& app, Context& ctx);
void registerMaterialsCommand(CLI::App& app, Context& ctx);
void registerInspectCommand(CLI::App& app, Context& ctx);
void registerGeneralCommand(CLI::App& app, Context& ctx);
void registerStackCommand(CLI::App& app, Context& ctx);
void registerBearingSeatCommand(CLI::App& app, Context& ctx);

// Adds every subcommand, in the order --help lists them.
void registerCommands(CLI::App& app, Context& ctx);

}  // namespace kalmo::cli
