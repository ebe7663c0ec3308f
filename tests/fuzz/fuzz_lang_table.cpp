// Raw bytes of a language resource.
#include <cstddef>
#include <cstdint>
#include <span>

#include "lang/lang_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kalmo::LangTable table = kalmo::LoadLangTable(std::span<const std::uint8_t>(data, size));
  for (int n : {0, 1, 5, 10, 110, -1}) {
    (void)kalmo::GetLangString(table, static_cast<kalmo::TextId>(n));
  }
  return 0;
}
