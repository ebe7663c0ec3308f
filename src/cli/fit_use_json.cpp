#include "fit_use_json.h"

#include "json_writer.h"

namespace kalmo::cli {

void UseJson::append(std::string& out, const ClassChoice& classes) {
  std::optional<TextId> id;
  if (classes.hole && classes.shaft) {
    if (!uses_) uses_.emplace();
    id = uses_->textId({*classes.hole, *classes.shaft});
  }
  if (!id) {
    out += ",\"use\":null";
    return;
  }
  const auto number = static_cast<std::size_t>(*id);
  if (number >= texts_.size()) texts_.resize(number + 1);
  std::string& text = texts_[number];
  if (text.empty()) appendJsonString(text, GetLangString(lang_, *id));
  out += ",\"use\":";
  out += text;
}

}  // namespace kalmo::cli
