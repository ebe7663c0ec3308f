#include <array>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"
#include "commands.h"
#include "design/fit_catalogue.h"
#include "json_writer.h"
#include "lang/lang_table.h"

namespace kalmo::cli {

namespace {

constexpr const char* kCatalogueFooter = R"(Output:
  The standard fits of the size band (up to 500 mm, or the reduced list above
  500 mm) in catalogue order, one per line; a "*" marks a preferred fit.
  Without --system and --type every section is listed, each under a heading
  line ("Hole basis system, Clearance fit") and separated by an empty line;
  with one of them the sections it selects, with headings; with both the one
  section without heading.
  With --json one object on one line:
    {"size":30,"sections":[{"system":"hole-basis","type":"clearance",
     "fits":[{"designation":"H5/g4","preferred":false},...]},...]}
  with the size in mm.

Examples:
  kalmo-cli catalogue 30
  kalmo-cli catalogue 600 --system shaft-basis --type interference
  kalmo-cli catalogue 500 --json)";

struct CatalogueOptions {
  std::string size;
  std::string system;  // empty: both
  std::string type;    // empty: all three
  bool inch = false;
  bool json = false;
  std::string lang = "en";
};

// In the order of FitBasis and FitType.
constexpr std::array<std::string_view, 2> kBasisNames = {"hole-basis", "shaft-basis"};
// Interface texts of the system and type pickers' entries.
constexpr std::array<TextId, 2> kBasisCaptionIds = {TextId::HoleBasis, TextId::ShaftBasis};
constexpr std::array<TextId, 3> kTypeCaptionIds = {TextId::ClearanceFit, TextId::TransitionFit,
                                                   TextId::InterferenceFit};

std::size_t basisIndex(FitBasis basis) {
  return static_cast<std::size_t>(basis);
}
std::size_t typeIndex(FitType type) {
  return static_cast<std::size_t>(type);
}

// An interface text without the blanks some tables put around it.
std::string langText(const LangTable& lang, TextId id) {
  const std::string text = GetLangString(lang, id);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool selected(std::string_view wanted, std::string_view name) {
  return wanted.empty() || wanted == name;
}

// The sections the options select, in catalogue order.
std::vector<CatalogueSection> selectedSections(const FitCatalogue& catalogue,
                                               const CatalogueOptions& options) {
  std::vector<CatalogueSection> sections;
  for (const CatalogueSection& s : catalogue.sections) {
    if (selected(options.system, kBasisNames[basisIndex(s.basis)]) &&
        selected(options.type, kFitTypeNames[typeIndex(s.type)])) {
      sections.push_back(s);
    }
  }
  return sections;
}

std::span<const CatalogueEntry> entriesOf(const FitCatalogue& catalogue,
                                          const CatalogueSection& s) {
  return catalogue.section(s.basis, s.type);
}

std::string listText(const FitCatalogue& catalogue, const std::vector<CatalogueSection>& sections,
                     const LangTable& lang) {
  const bool headings = sections.size() > 1;
  std::string text;
  for (const CatalogueSection& s : sections) {
    if (headings) {
      if (!text.empty()) text += '\n';
      text += langText(lang, kBasisCaptionIds[basisIndex(s.basis)]) + ", " +
              langText(lang, kTypeCaptionIds[typeIndex(s.type)]) + '\n';
    }
    for (const CatalogueEntry& entry : entriesOf(catalogue, s)) {
      text += std::string(entry.designation) + (entry.preferred ? "*" : "") + '\n';
    }
  }
  return text;
}

std::string listJson(const FitCatalogue& catalogue, const std::vector<CatalogueSection>& sections,
                     double sizeMm) {
  std::string list = "[";
  for (const CatalogueSection& s : sections) {
    if (list.size() > 1) list += ',';
    std::string fits = "[";
    for (const CatalogueEntry& entry : entriesOf(catalogue, s)) {
      if (fits.size() > 1) fits += ',';
      fits += JsonObject()
                  .add("designation", entry.designation)
                  .add("preferred", entry.preferred)
                  .str();
    }
    fits += ']';
    list += JsonObject()
                .add("system", kBasisNames[basisIndex(s.basis)])
                .add("type", kFitTypeNames[typeIndex(s.type)])
                .addRaw("fits", fits)
                .str();
  }
  list += ']';
  return JsonObject().add("size", sizeMm).addRaw("sections", list).str() + "\n";
}

int runCatalogue(const CatalogueOptions& options, bool sizeGiven, Context& ctx) {
  if (!sizeGiven) return reportUsageError(ctx, "catalogue needs SIZE (such as: catalogue 30)");
  const Parsed<SizeArgument> size = parseSizeArgument(options.size, options.inch);
  if (!size.value) return reportUsageError(ctx, size.error);

  const FitCatalogue& catalogue = fitCatalogueFor(size.value->mm);
  const std::vector<CatalogueSection> sections = selectedSections(catalogue, options);
  ctx.out << (options.json
                  ? listJson(catalogue, sections, size.value->mm)
                  : listText(catalogue, sections, LoadLanguage(languageCodeOf(options.lang))));
  return kExitOk;
}

}  // namespace

void registerCatalogueCommand(CLI::App& app, Context& ctx) {
  auto options = std::make_shared<CatalogueOptions>();
  CLI::App* catalogue = app.add_subcommand(
      "catalogue", "Standard fits of the hole-basis and shaft-basis systems at a size");
  catalogue->footer(kCatalogueFooter);
  CLI::Option* size =
      catalogue
          ->add_option("SIZE", options->size,
                       "Nominal size: mm, or inches with --inch; greater than 0, at most 10000 mm")
          ->type_name("");
  catalogue->add_option("--system", options->system, "hole-basis or shaft-basis (default: both)")
      ->check(CLI::IsMember(std::vector<std::string>(kBasisNames.begin(), kBasisNames.end())));
  catalogue
      ->add_option("--type", options->type,
                   "clearance, transition or interference (default: all three)")
      ->check(CLI::IsMember(std::vector<std::string>(kFitTypeNames.begin(), kFitTypeNames.end())));
  catalogue->add_flag("--inch", options->inch, "SIZE is in inches");
  catalogue->add_flag("--json", options->json, "Write JSON instead of text");
  addLanguageOption(*catalogue, options->lang);
  catalogue->callback(
      [&ctx, options, size] { ctx.exitCode = runCatalogue(*options, size->count() > 0, ctx); });
}

}  // namespace kalmo::cli
