// Tolerance-class and fit designations as typed by users and scripts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calc/evaluation.h"
#include "calc/tolerance_class.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const kalmo::FitParse fit = kalmo::parseFitDesignation(text);
  if (fit.value) {
    // A designation that parses must print back to the same text and evaluate.
    if (kalmo::FitDesignation(*fit.value) != text) __builtin_trap();
    (void)kalmo::Evaluate(10, fit.value->hole, fit.value->shaft);
  }
  for (kalmo::Side side : {kalmo::Side::Hole, kalmo::Side::Shaft}) {
    const kalmo::ClassParse cls = kalmo::parseToleranceClass(text, side);
    if (cls.value && kalmo::Designation(side, *cls.value) != text) __builtin_trap();
  }
  return 0;
}
