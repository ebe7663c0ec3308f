#include "format/share_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalmo {
namespace {

// The blanks are no-break spaces: a wrapped line keeps a number and its "%".
TEST(ShareFormat, PercentWithATailThatNeverReadsAsZero) {
  struct Case {
    double p;
    const char* text;
  };
  const Case cases[] = {
      {0, "0\u00a0%"},
      {1, "100\u00a0%"},
      {0.30665200669491405, "30.7\u00a0%"},
      {0.5, "50.0\u00a0%"},
      {0.001, "0.1\u00a0%"},
      {0.999, "99.9\u00a0%"},
      {0.9995, ">\u00a099.9\u00a0%"},
      {4.249922840248127e-22, "<\u00a00.001\u00a0%"},
      {0.000999, "1.0·10⁻¹\u00a0%"},  // 0.0999 % carries to the next power
      {0.0000123, "1.2·10⁻³\u00a0%"},
      {0.0000101, "1.0·10⁻³\u00a0%"},  // just above 0.001 %: still digits
      {0.00000999, "<\u00a00.001\u00a0%"},
      {-0.1, "–"},
      {std::nan(""), "–"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p);
    EXPECT_EQ(formatShare(c.p), c.text);
  }
  EXPECT_EQ(formatShare(0.382, ","), "38,2\u00a0%");
}

}  // namespace
}  // namespace kalmo
