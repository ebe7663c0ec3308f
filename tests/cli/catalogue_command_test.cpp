#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "cli_test_support.h"

namespace kalmo::cli {
namespace {

std::size_t fitLines(const std::string& text) {
  const auto all = lines(text);
  return static_cast<std::size_t>(std::count_if(all.begin(), all.end(), [](const std::string& l) {
    return l.find('/') != std::string::npos;
  }));
}

TEST(CatalogueCommand, SizeBandChoosesTheList) {
  const struct {
    const char* size;
    std::vector<std::string> options;
    std::size_t fits;
  } cases[] = {
      {"500", {"--system", "hole-basis", "--type", "clearance"}, 49},
      {"500.001", {"--system", "hole-basis", "--type", "clearance"}, 42},
      {"500", {"--system", "shaft-basis", "--type", "interference"}, 9},
      {"500.001", {"--system", "shaft-basis", "--type", "interference"}, 7},
      {"0.001", {}, 158},           // every position but the separator
      {"10000", {}, 133},           // neither the separator nor the trailing blank
      {"19.685", {"--inch"}, 158},  // 499.999 mm
      {"19.69", {"--inch"}, 133},   // 500.126 mm
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    std::vector<std::string> args = {"catalogue", c.size};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun r = run(args);
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(fitLines(r.out), c.fits);
    // One section is listed bare, several under headings.
    EXPECT_EQ(lines(r.out).size(), c.options.size() == 4 ? c.fits : c.fits + 6 + 5);
  }
}

TEST(CatalogueCommand, MarksThePreferredEntriesOfTheSection) {
  EXPECT_EQ(run({"catalogue", "600", "--system", "shaft-basis", "--type", "interference"}).out,
            "N6/h5\nP6/h5\nP7/h6*\nR7/h6*\nS7/h6*\nU7/h6\nU8/h7\n");
  const CliRun transition =
      run({"catalogue", "30", "--system", "hole-basis", "--type", "transition"});
  const auto text = lines(transition.out);
  ASSERT_EQ(text.size(), 19u);
  std::vector<std::string> bold;
  std::copy_if(text.begin(), text.end(), std::back_inserter(bold),
               [](const std::string& l) { return l.back() == '*'; });
  EXPECT_EQ(bold, (std::vector<std::string>{"H7/js6*", "H7/k6*", "H7/n6*"}));

  // The mark belongs to the entry: H8/h9 is preferred in the shaft-basis
  // section only, D10/h9 only up to 500 mm.
  const auto all = lines(run({"catalogue", "400"}).out);
  EXPECT_EQ(std::count(all.begin(), all.end(), "H8/h9"), 1);
  EXPECT_EQ(std::count(all.begin(), all.end(), "H8/h9*"), 1);
  EXPECT_EQ(std::count(all.begin(), all.end(), "D10/h9*"), 1);
  const auto above = lines(run({"catalogue", "600"}).out);
  EXPECT_EQ(std::count(above.begin(), above.end(), "D10/h9"), 1);
}

TEST(CatalogueCommand, HeadingsNameSystemAndTypeInTheLanguage) {
  const auto en = lines(run({"catalogue", "30"}).out);
  EXPECT_EQ(en.front(), "Hole basis system, Clearance fit");
  EXPECT_NE(std::find(en.begin(), en.end(), "Shaft basis system, Interference fit"), en.end());
  EXPECT_EQ(std::count(en.begin(), en.end(), ""), 5);

  const auto de = lines(run({"catalogue", "30", "--type", "transition", "--lang", "de"}).out);
  EXPECT_EQ(de.front(), "Einheitsbohrung, Übergangspassung");
  EXPECT_NE(std::find(de.begin(), de.end(), "Einheitswelle, Übergangspassung"), de.end());
  EXPECT_EQ(de.size(), 19u + 17u + 2u + 1u);

  const auto shaft = lines(run({"catalogue", "30", "--system", "shaft-basis"}).out);
  EXPECT_EQ(shaft.front(), "Shaft basis system, Clearance fit");
  EXPECT_EQ(shaft.size(), 44u + 17u + 9u + 3u + 2u);
}

TEST(CatalogueCommand, WritesJson) {
  EXPECT_EQ(
      run({"catalogue", "600", "--system", "shaft-basis", "--type", "interference", "--json"}).out,
      "{\"size\":600,\"sections\":[{\"system\":\"shaft-basis\",\"type\":\"interference\","
      "\"fits\":[{\"designation\":\"N6/h5\",\"preferred\":false},"
      "{\"designation\":\"P6/h5\",\"preferred\":false},"
      "{\"designation\":\"P7/h6\",\"preferred\":true},"
      "{\"designation\":\"R7/h6\",\"preferred\":true},"
      "{\"designation\":\"S7/h6\",\"preferred\":true},"
      "{\"designation\":\"U7/h6\",\"preferred\":false},"
      "{\"designation\":\"U8/h7\",\"preferred\":false}]}]}\n");
  const CliRun all = run({"catalogue", "30", "--json"});
  ASSERT_EQ(all.status, kExitOk);
  EXPECT_EQ(lines(all.out).size(), 1u);
  EXPECT_EQ(all.out.rfind("{\"size\":30,\"sections\":[{\"system\":\"hole-basis\","
                          "\"type\":\"clearance\",\"fits\":[{\"designation\":\"H5/g4\"",
                          0),
            0u);
}

TEST(CatalogueCommand, BadOptionsGiveOneLineAndStatus2) {
  const std::vector<std::vector<std::string>> cases = {
      {"catalogue"},
      {"catalogue", "0"},
      {"catalogue", "-5"},
      {"catalogue", "30", "--system", "hole"},
      {"catalogue", "30", "--type", "sliding"},
      {"catalogue", "30", "--count", "10"},
  };
  for (const auto& args : cases) {
    SCOPED_TRACE(args.back());
    const CliRun r = run(args);
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
  }
}

}  // namespace
}  // namespace kalmo::cli
