#include "cli.h"

#include <algorithm>
#include <exception>
#include <istream>
#include <ostream>

#include "cli_common.h"
#include "commands.h"
#include "json_writer.h"
#include "version.h"

namespace kalmo::cli {

namespace {

// Error texts of the parser may span lines and repeat what the user typed;
// the error goes out as one line of valid UTF-8 without control characters.
std::string oneLine(std::string_view text) {
  std::string line = validUtf8(text);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

}  // namespace

int runCli(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  Context ctx{in, out, err};
  try {
    CLI::App app{"KALMO Tolerances and fits: ISO 286 limits and fits on the command line.",
                 "kalmo-cli"};
    app.set_version_flag("--version", "kalmo-cli " + std::string(kVersion));
    app.footer(
        "Lengths are millimetres unless --inch is given; \".\" is the decimal point in every "
        "locale.\nExit status: 0 success, 2 bad input or usage error, 1 internal failure.\n"
        "Run 'kalmo-cli COMMAND --help' for the options of a command.");
    registerCommands(app, ctx);
    // One command per run: otherwise "fit 10 Q7/g6 preferred" would run both
    // and the second one's status would hide the first one's error.
    app.require_subcommand(0, 1);

    // The parser would report a mistyped command as a missing one.
    if (!args.empty() && !args.front().empty() && args.front().front() != '-' &&
        app.get_subcommands([&](const CLI::App* c) { return c->check_name(args.front()); })
            .empty()) {
      return reportUsageError(ctx,
                              "unknown command " + quoteUserText(args.front()) + " (see --help)");
    }

    // The parser takes its arguments in reverse order.
    std::reverse(args.begin(), args.end());
    try {
      app.parse(args);
    } catch (const CLI::Success& e) {  // --help, --version
      app.exit(e, out, err);
      return kExitOk;
    } catch (const CLI::ParseError& e) {
      // Every usage error (unknown option, missing or rejected value) gives 2,
      // whatever status the parser would choose.
      return reportUsageError(ctx, oneLine(e.what()) + " (see --help)");
    }
    // Checked here rather than by the parser, which would report a missing
    // command before an unknown option.
    if (app.get_subcommands().empty()) {
      std::string names;
      for (const CLI::App* command : app.get_subcommands({})) {
        names += (names.empty() ? "" : ", ") + command->get_name();
      }
      return reportUsageError(ctx, "a command is required: " + names + " (see --help)");
    }
    out.flush();
    return ctx.exitCode;
  } catch (const std::exception& e) {
    err << "kalmo-cli: internal error: " << oneLine(e.what()) << '\n';
    return kExitFailure;
  }
}

}  // namespace kalmo::cli
