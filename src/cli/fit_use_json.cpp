#include "fit_use_json.h"

#include "design/fit_use.h"

namespace kalmo::cli {

JsonObject& addUse(JsonObject& o, const ClassChoice& classes, const LangTable& lang) {
  if (classes.hole && classes.shaft) {
    if (const std::optional<TextId> id = fitUseTextId({*classes.hole, *classes.shaft})) {
      return o.add("use", GetLangString(lang, *id));
    }
  }
  return o.addNull("use");
}

}  // namespace kalmo::cli
