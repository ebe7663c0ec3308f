#include <memory>
#include <ostream>
#include <string>

#include "cli_common.h"
#include "commands.h"
#include "format/number_format.h"
#include "general/general_text.h"
#include "json_writer.h"

namespace kalmo::cli {

namespace {

constexpr const char* kGeneralFooter = R"help(General tolerances:
  What the title block's note "ISO 2768-mK" allows every dimension without
  its own tolerance. The first letter (lower case) is the class of ISO
  2768-1:1989 for linear and angular dimensions: f fine, m medium, c coarse,
  v very coarse. The second (upper case) is the class of ISO 2768-2:1989 for
  the geometrical tolerances: H, K, L. ISO 2768-2 was replaced by ISO
  22081:2021; the values here are those of the 1989 edition.
  --class takes "ISO 2768-mK", "2768-mK", "mK", "m" or "K".
  SIZE is placed in each table exactly as typed: the first range from 0.5 mm
  inclusive, then "over ... up to and including ..." (3 mm belongs to
  0.5-3). Below 0.5 mm no general tolerance applies to a linear dimension or
  a broken edge: give the tolerance next to the dimension. Class v has no
  value up to 3 mm, class f none over 2000 mm, and the linear table ends at
  4000 mm. For an angle SIZE is the shorter leg. Straightness and flatness
  take the length of the line or the longer side of the surface.
  Perpendicularity, symmetry and circular run-out are not available: no two
  public sources agree on their values.

Output:
  Without --json one line per kind: "Linear dimension (over 120 up to 400
  mm): ±0.5 mm", or the reason why there is no value. With --json one object
  on one line:
    {"size":125,"designation":"ISO 2768-mK","linear":{"upper":0.5,"lower":-0.5},
     "edge":{"upper":1,"lower":-1},"angle":{"degrees":0.16666666666666666,
     "text":"±0°10'"},"geometric":{"straightness_flatness":0.4,
     "perpendicularity":null,"symmetry":null,"runout":null},"note":"...",
     "editions":"..."}
  A kind without a value is null, "geometric" is null without an upper-case
  class, and "note" (null when nothing is missing) says why. Lengths in mm,
  or in inches with --inch; ranges are always in mm.
  --table prints the whole table of the classes instead.

Examples:
  kalmo-cli general 125 --class mK
  kalmo-cli general 40 --class "ISO 2768-mK" --json
  kalmo-cli general --table --class m)help";

struct GeneralOptions {
  std::string size;
  std::string designation;
  bool inch = false;
  bool json = false;
  bool table = false;
  std::string lang = "en";
};

JsonObject plusMinus(double mm, bool inch) {
  const double shown = inch ? mmToInch(mm) : mm;
  return JsonObject().add("upper", shown).add("lower", -shown);
}

std::string answerJson(const GeneralAnswer& answer, double typedSize, const LangTable& lang,
                       bool inch) {
  JsonObject o;
  o.add("size", typedSize).add("designation", generalDesignationText(answer.designation));
  for (const auto& [kind, key] :
       {std::pair{GeneralKind::Linear, "linear"}, std::pair{GeneralKind::Edge, "edge"}}) {
    const GeneralValue& v = answer[kind];
    if (v.gap == GeneralGap::None && v.cell->toleranceMm) {
      o.add(key, plusMinus(*v.cell->toleranceMm, inch));
    } else {
      o.addNull(key);
    }
  }
  const GeneralValue& angle = answer[GeneralKind::Angle];
  if (angle.gap == GeneralGap::None && angle.cell->arcMinutes) {
    o.add("angle", JsonObject()
                       .add("degrees", *angle.cell->arcMinutes / 60.0)
                       .add("text", arcMinutesText(*angle.cell->arcMinutes)));
  } else {
    o.addNull("angle");
  }
  if (answer.designation.geometric) {
    JsonObject g;
    for (const auto& [kind, key] :
         {std::pair{GeneralKind::StraightnessFlatness, "straightness_flatness"},
          std::pair{GeneralKind::Perpendicularity, "perpendicularity"},
          std::pair{GeneralKind::Symmetry, "symmetry"}, std::pair{GeneralKind::Runout, "runout"}}) {
      const GeneralValue& v = answer[kind];
      if (v.gap == GeneralGap::None && v.cell->toleranceMm) {
        g.add(key, inch ? mmToInch(*v.cell->toleranceMm) : *v.cell->toleranceMm);
      } else {
        g.addNull(key);
      }
    }
    o.add("geometric", g);
  } else {
    o.addNull("geometric");
  }
  const std::string note = generalNote(lang, answer);
  if (note.empty()) {
    o.addNull("note");
  } else {
    o.add("note", note);
  }
  return o.add("editions", GetLangString(lang, TextId::GeneralEditions)).str() + "\n";
}

int runGeneral(const GeneralOptions& options, Context& ctx) {
  const LangTable lang = LoadLanguage(languageCodeOf(options.lang));
  const GeneralDesignationRead designation = readGeneralDesignation(options.designation);
  if (!designation.value) {
    std::string reason = GetLangString(LoadLanguage(kLanguageEnglish),
                                       generalDesignationErrorText(designation.error));
    if (!reason.empty() && reason.back() == '.') reason.pop_back();
    return reportUsageError(ctx, "class " + quoteUserText(options.designation) + ": " + reason);
  }
  const GeneralTextOptions textOptions{options.inch, "."};
  if (options.table) {
    if (!options.size.empty()) return reportUsageError(ctx, "--table takes no SIZE");
    if (options.json) return reportUsageError(ctx, "--table writes text only; leave out --json");
    ctx.out << generalTableText(lang, *designation.value, textOptions);
    return kExitOk;
  }
  if (options.size.empty()) return reportUsageError(ctx, "SIZE missing: give a size, or --table");
  const Parsed<SizeArgument> size = parseSizeArgument(options.size, options.inch);
  if (!size.value) return reportUsageError(ctx, size.error);
  const std::optional<TypedLength> typed = readTypedLength(options.size, options.inch);
  if (!typed) {
    return reportUsageError(ctx, "size " + quoteUserText(options.size) +
                                     " is not a plain decimal number (digits and one \".\")");
  }
  const GeneralAnswer answer = evaluateGeneral(*typed, *designation.value);
  ctx.out << (options.json ? answerJson(answer, size.value->typed, lang, options.inch)
                           : generalAnswerText(lang, answer, textOptions));
  return kExitOk;
}

}  // namespace

void registerGeneralCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<GeneralOptions>();
  CLI::App* general = app.add_subcommand(
      "general", "General tolerances of ISO 2768 (title block \"ISO 2768-mK\") for one size");
  general->footer(kGeneralFooter);
  general
      ->add_option("SIZE", options->size,
                   "Size, or the shorter leg of an angle: mm, or inches with --inch")
      ->type_name("");
  general
      ->add_option("--class", options->designation, "Designation: ISO 2768-mK, 2768-mK, mK, m or K")
      ->type_name("CLASS")
      ->required();
  general->add_flag("--table", options->table, "Print the whole table of the classes");
  general->add_flag("--inch", options->inch, "SIZE in inches, lengths in inches");
  general->add_flag("--json", options->json, "Write JSON instead of text");
  addLanguageOption(*general, options->lang);
  general->callback([&ctx, options] { ctx.exitCode = runGeneral(*options, ctx); });
}

}  // namespace kalmo::cli
