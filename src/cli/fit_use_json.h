#pragma once

#include "cli_common.h"
#include "json_writer.h"
#include "lang/lang_table.h"

namespace kalmo::cli {

// Adds "use": what a standard fit is for, in the table's language, or null
// for a fit outside the standard catalogue and for a single class.
JsonObject& addUse(JsonObject& o, const ClassChoice& classes, const LangTable& lang);

}  // namespace kalmo::cli
