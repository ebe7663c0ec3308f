#pragma once

#include "calc/evaluation.h"
#include "json_writer.h"
#include "lang/lang_table.h"
#include "mech_options.h"

namespace kalmo::cli {

// "clearance", "transition", "interference", or nullptr for an undefined fit.
const char* fitKindName(FitKind kind);

// Adds "statistics" (null for an undefined fit) and, with operating
// conditions, "operating" to the JSON answer of one fit:
//   "statistics": {"model", "mean", "sd", "p_interference", "p_clearance"}
//   "operating": {"hole": {"temperature", "alpha", "upper", "lower"}, "shaft": {...},
//                 "fit": {"kind", "value1", "value2", "tolerance"},
//                 "statistics": {...}, "kind_changed"}
// hole and shaft are the limits at 20 °C at sizeMm; lengths in mm.
void addOperatingJson(JsonObject& answer, double sizeMm, const ClassResult& hole,
                      const ClassResult& shaft, const OperatingRequest& request);

// The object `kalmo-cli fit --json` writes for one pair, without line end
// (defined with the fit command, fit_command.cpp).
std::string fitAnswerJson(const SizeArgument& size, const FitClasses& classes,
                          const LangTable& lang, const OperatingRequest& operating);

}  // namespace kalmo::cli
