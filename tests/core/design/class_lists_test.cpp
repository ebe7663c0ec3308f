#include "design/class_lists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace kalmo {
namespace {

std::vector<std::string> texts(Side side, bool above500) {
  std::vector<std::string> out;
  for (const ClassListItem& item : classList(side, above500)) {
    out.push_back(Designation(side, item.cls));
  }
  return out;
}

TEST(ClassLists, SizesEndsAndBoldItems) {
  struct Case {
    Side side;
    bool above500;
    std::size_t size;
    const char* first;
    const char* last;
    std::size_t bold;  // A11, B11, C11 (a11, b11, c11) exist only up to 500 mm
  };
  const Case cases[] = {
      {Side::Hole, false, 201, "A9", "ZC11", 17},
      {Side::Hole, true, 82, "D6", "U8", 14},
      {Side::Shaft, false, 202, "a9", "zc11", 17},
      {Side::Shaft, true, 87, "d7", "u8", 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first);
    const std::vector<std::string> items = texts(c.side, c.above500);
    EXPECT_EQ(items.size(), c.size);
    EXPECT_EQ(items.front(), c.first);
    EXPECT_EQ(items.back(), c.last);
    const auto list = classList(c.side, c.above500);
    EXPECT_EQ(std::count_if(list.begin(), list.end(), [](const auto& i) { return i.preferred; }),
              static_cast<long>(c.bold));
  }
  EXPECT_FALSE(isAbove500(500));
  EXPECT_TRUE(isAbove500(500.001));
}

// A class offered above 500 mm is one of the classes up to 500 mm; a slipped
// range in either list breaks this.
TEST(ClassLists, ReducedListsAreSubsetsOfTheFullLists) {
  for (Side side : {Side::Hole, Side::Shaft}) {
    const std::vector<std::string> full = texts(side, false);
    const std::set<std::string> fullSet(full.begin(), full.end());
    EXPECT_EQ(fullSet.size(), full.size());
    for (const std::string& item : texts(side, true)) EXPECT_TRUE(fullSet.count(item)) << item;
  }
  const std::vector<std::string> shafts = texts(Side::Shaft, true);
  EXPECT_NE(std::find(shafts.begin(), shafts.end(), "g9"), shafts.end());
  EXPECT_EQ(std::find(shafts.begin(), shafts.end(), "g8"), shafts.end());
}

}  // namespace
}  // namespace kalmo
