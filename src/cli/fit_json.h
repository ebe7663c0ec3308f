#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/evaluation.h"
#include "calc/range_boundary.h"
#include "cli_common.h"
#include "fit_use_json.h"
#include "lang/lang_table.h"
#include "mech_options.h"

namespace kalmo::cli {

// Writes the JSON answers of `kalmo-cli fit --json`, one object per fit:
//   {"size", "hole", "shaft", "fit", "statistics", ["operating",] "boundary", "use"}
// Constant keys go out as they are, numbers in the shortest round-trip form;
// only the language's texts are escaped, each once per writer, so a batch
// keeps one writer for all its lines.
class FitJsonWriter {
 public:
  FitJsonWriter(const LangTable& lang, const OperatingRequest& operating);

  // Appends the object of one answer, without line end. e is the evaluation
  // at sizeMm (a member without a class undefined), neighbour the fit just
  // across a nearby size-range bound.
  void append(std::string& out, double sizeMm, const ClassChoice& classes, const Evaluation& e,
              const std::optional<RangeNeighbour>& neighbour);

 private:
  void appendMembers(std::string& out, const ClassChoice& classes, const Evaluation& e) const;
  void appendOperating(std::string& out, double sizeMm, const Evaluation& e) const;

  const OperatingRequest& operating_;
  // The fit value captions by FitKind, as JSON strings.
  std::array<std::string, 4> label1_;
  std::array<std::string, 4> label2_;
  UseJson use_;
};

// The object `kalmo-cli fit --json` writes for one pair, without line end.
std::string fitAnswerJson(const SizeArgument& size, const FitClasses& classes,
                          const LangTable& lang, const OperatingRequest& operating);

}  // namespace kalmo::cli
