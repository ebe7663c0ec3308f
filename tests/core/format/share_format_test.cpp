#include "format/share_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kalmo {
namespace {

TEST(ShareFormat, PercentWithATailThatNeverReadsAsZero) {
  struct Case {
    double p;
    const char* text;
  };
  const Case cases[] = {
      {0, "0 %"},
      {1, "100 %"},
      {0.30665200669491405, "30.7 %"},
      {0.5, "50.0 %"},
      {0.001, "0.1 %"},
      {0.999, "99.9 %"},
      {0.9995, "> 99.9 %"},
      {4.249922840248127e-22, "4.2·10⁻²⁰ %"},
      {0.000999, "1.0·10⁻¹ %"},  // 0.0999 % carries to the next power
      {0.00000123, "1.2·10⁻⁴ %"},
      {-0.1, "–"},
      {std::nan(""), "–"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p);
    EXPECT_EQ(formatShare(c.p), c.text);
  }
  EXPECT_EQ(formatShare(0.382, ","), "38,2 %");
}

}  // namespace
}  // namespace kalmo
