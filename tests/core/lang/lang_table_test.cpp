#include "lang/lang_table.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kalmo {
namespace {

std::vector<std::uint8_t> utf16le(std::u16string_view text, bool bom = true) {
  std::vector<std::uint8_t> bytes;
  if (bom) bytes = {0xFF, 0xFE};
  for (char16_t u : text) {
    bytes.push_back(static_cast<std::uint8_t>(u & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(u >> 8));
  }
  return bytes;
}

TEST(LangTable, LookupTakesTheFirstExactNumber) {
  const LangTable table =
      LoadLangTable(utf16le(u"10=Ten\r\n1=One\r\nno equals\r\n5=\r\n1=Again\r\n7= Seven"));
  EXPECT_EQ(table.lines.size(), 6u);
  EXPECT_EQ(GetLangString(table, TextId{1}), "One");
  EXPECT_EQ(GetLangString(table, TextId{10}), "Ten");
  EXPECT_EQ(GetLangString(table, TextId{5}), "");
  EXPECT_EQ(GetLangString(table, TextId{7}), " Seven");
  EXPECT_EQ(GetLangString(table, TextId{500}), "");
}

TEST(LangTable, EmbeddedLanguagesHoldEveryFetchedNumber) {
  const int numbers[] = {
      1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,  18,  19,
      20,  21,  22,  24,  25,  26,  27,  61,  69,  70,  71,  72,  76,  81,  82,  86,  87,  88,  89,
      90,  91,  93,  94,  95,  96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106, 107, 108, 109,
      110, 300, 301, 302, 310, 311, 312, 313, 314, 315, 316, 317, 318, 319, 320, 321, 322, 323, 324,
      325, 400, 401, 402, 403, 404, 407, 408, 409, 410, 411, 450, 451, 453, 454, 455, 456, 457, 458,
      459, 460, 461, 462, 463, 464, 465, 466, 467, 468, 469, 470, 471, 472, 473, 474, 475, 476, 477,
      500, 501, 502, 503, 504, 505, 506, 507, 508, 509, 510, 511, 512, 513, 514, 515, 516, 517, 518,
      519, 520, 521, 522, 523, 524, 525, 526, 527, 528, 529, 530, 531, 532, 533, 534, 535, 536, 537,
      538, 539, 540, 541, 542, 543, 544, 545, 546, 547, 548, 549, 550, 551, 552, 553, 554, 555, 556,
      557, 558, 559, 560, 561, 562, 563, 564, 565, 566, 567, 568, 569, 570, 571, 572, 573, 574, 575,
      576, 577, 580, 581, 583, 584, 585, 586, 587, 588, 589, 590, 591, 592, 593, 594, 610, 611, 612,
      613, 614, 615, 616, 617, 650, 651, 652, 653, 654, 655, 656, 657, 658, 700, 701, 702, 703, 704,
      705, 706, 707, 708, 709, 710, 711, 712, 713, 714, 715, 716, 717, 718, 719, 720, 721, 722, 723,
      724, 725, 726, 730, 731, 732, 733, 734, 735, 736, 737, 738, 739};
  std::vector<int> all(std::begin(numbers), std::end(numbers));
  // Later texts come in blocks of consecutive numbers, first to last.
  const std::pair<int, int> blocks[] = {{807, 813},   {850, 859},   {900, 903},   {940, 961},
                                        {1000, 1044}, {1200, 1240}, {1250, 1289}, {1320, 1379},
                                        {1400, 1407}, {1430, 1432}};
  for (const auto& [first, last] : blocks) {
    for (int n = first; n <= last; ++n) all.push_back(n);
  }
  for (LanguageCode code : {kLanguageBulgarian, kLanguageGerman, kLanguageEnglish}) {
    const LangTable table = LoadLanguage(code);
    EXPECT_EQ(table.lines.size(), all.size());
    for (int n : all) {
      EXPECT_FALSE(GetLangString(table, static_cast<TextId>(n)).empty())
          << "language " << languageNumber(code) << " text " << n;
    }
    EXPECT_EQ(GetLangString(table, TextId{9999}), "");
  }
  EXPECT_EQ(GetLangString(LoadLanguage(kLanguageEnglish), TextId{1}), "Hole");
  EXPECT_EQ(GetLangString(LoadLanguage(kLanguageGerman), TextId{1}), " Bohrung");
  EXPECT_EQ(GetLangString(LoadLanguage(kLanguageBulgarian), TextId{1}), "Отвор");
  EXPECT_EQ(GetLangString(LoadLanguage(kLanguageGerman), TextId{17}), " Übermasspassung");
  EXPECT_FALSE(languageFromNumber(0));
  EXPECT_FALSE(languageFromNumber(4));
}

TEST(LangTable, ResourceLookupLeavesTheStreamOnFailure) {
  std::vector<std::uint8_t> stream = {1, 2, 3};
  EXPECT_FALSE(LoadLangResource("FR", stream));
  EXPECT_EQ(stream, (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_TRUE(LoadLangResource("EN", stream));
  ASSERT_GE(stream.size(), 2u);
  EXPECT_EQ(stream[0], 0xFF);
  EXPECT_EQ(stream[1], 0xFE);
}

TEST(LangTable, MalformedBytesNeverFail) {
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> lines;
  };
  std::vector<std::uint8_t> odd = utf16le(u"1=A");
  odd.push_back(0x41);
  const Case cases[] = {
      {"empty", {}, {}},
      {"mark only", {0xFF, 0xFE}, {}},
      {"no mark", utf16le(u"1=A", false), {}},
      {"odd length", odd, {"1=A"}},
      {"lone high surrogate", utf16le(u"1=\xD800x"), {"1=\xEF\xBF\xBDx"}},
      {"lone low surrogate", utf16le(u"1=\xDC00"), {"1=\xEF\xBF\xBD"}},
      {"surrogate pair", utf16le(u"1=\xD83D\xDE00"), {"1=\xF0\x9F\x98\x80"}},
      {"lone CR and LF", utf16le(u"1=a\r2=b\n3=c\r\n"), {"1=a", "2=b", "3=c"}},
      {"no equals", utf16le(u"abc"), {"abc"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LoadLangTable(c.bytes).lines, c.lines);
  }
}

}  // namespace
}  // namespace kalmo
