#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli_common.h"
#include "design/fit_use.h"
#include "lang/lang_table.h"

namespace kalmo::cli {

// The "use" member of a JSON answer: what a standard fit is for, in the
// table's language, or null for a fit outside the standard catalogue and for
// a single class. Each text is looked up and escaped once per run, when it is
// first needed; a batch or a design list asks for the same few texts again
// and again.
class UseJson {
 public:
  explicit UseJson(const LangTable& lang) : lang_(lang) {}

  // Appends ,"use":"..." or ,"use":null.
  void append(std::string& out, const ClassChoice& classes) { out += member(classes); }
  // The same text, valid until the next call.
  std::string_view member(const ClassChoice& classes);

 private:
  const LangTable& lang_;
  std::optional<FitUses> uses_;       // built at the first fit with both members
  std::vector<std::string> members_;  // ,"use":"..." by text number; empty until needed
};

}  // namespace kalmo::cli
