#include "fit_use_json.h"

#include "json_writer.h"

namespace kalmo::cli {

std::string_view UseJson::member(const ClassChoice& classes) {
  std::optional<TextId> id;
  if (classes.hole && classes.shaft) {
    if (!uses_) uses_.emplace();
    id = uses_->textId({*classes.hole, *classes.shaft});
  }
  if (!id) return ",\"use\":null";
  const auto number = static_cast<std::size_t>(*id);
  if (number >= members_.size()) members_.resize(number + 1);
  std::string& member = members_[number];
  if (member.empty()) {
    member = ",\"use\":";
    appendJsonString(member, GetLangString(lang_, *id));
  }
  return member;
}

}  // namespace kalmo::cli
