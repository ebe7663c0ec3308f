#include "cli.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <istream>
#include <ostream>

#include "cli_common.h"
#include "commands.h"
#include "json_writer.h"
#include "version.h"

namespace kalmo::cli {

namespace {

// Error texts of the parser may span lines; they go out as one line (the
// rest of the cleaning is writeErrorLine's).
std::string oneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\n' || c == '\r' || c == '\t') c = ' ';
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

int runCommand(std::vector<std::string> args, Context& ctx) {
  std::ostream& out = ctx.out;
  std::ostream& err = ctx.err;
  try {
    CLI::App app{"KALMO Tolerances and fits: ISO 286 limits and fits on the command line.",
                 "kalmo-cli"};
    app.set_version_flag("--version", "kalmo-cli " + std::string(kVersion));
    app.footer(
        "Lengths are millimetres unless --inch is given; \".\" is the decimal point in every "
        "locale.\nExit status: 0 success, 2 bad input or usage error, 1 output not written, "
        "input not read or internal failure.\n"
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
    return ctx.exitCode;
  } catch (const std::exception& e) {
    return reportError(ctx, "internal error: " + oneLine(e.what()), kExitFailure);
  }
}

}  // namespace

int reportWriteFailure(std::ostream& err, int errorNumber) {
  std::string message = "kalmo-cli: cannot write the output";
  if (errorNumber != 0) message += std::string(" (") + std::strerror(errorNumber) + ")";
  writeErrorLine(err, message);
  return kExitFailure;
}

bool outputFailed(Context& ctx) {
  if (ctx.out) return false;
  if (!ctx.writeFailed) ctx.exitCode = reportWriteFailure(ctx.err, errno);
  ctx.writeFailed = true;
  return true;
}

int runCli(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  Context ctx{in, out, err};
  const int status = runCommand(std::move(args), ctx);
  // A command that met a failed write has said so already.
  if (ctx.writeFailed) return kExitFailure;
  if (out) {  // else errno may still tell why a write failed during the command
    errno = 0;
    out.flush();
  }
  return outputFailed(ctx) ? kExitFailure : status;
}

}  // namespace kalmo::cli
