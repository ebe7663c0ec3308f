#include "design_output.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "cli_common.h"
#include "fit_use_json.h"
#include "format/number_format.h"
#include "format/units.h"
#include "json_writer.h"

namespace kalmo::cli {

std::string langText(const LangTable& lang, TextId id) {
  const std::string text = GetLangString(lang, id);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

ShownResults shownResults(const RankedFits& results, const DesignRequest& request,
                          const DesignCheck& check, bool insideOnly, int countIndex) {
  ShownResults shown{TargetWindow(request.fitType, check.targets, request.inchMode), {}, 0, 0};
  for (std::size_t i = 0; i < results.size(); ++i) {
    const FitMm fit = results.fit(i);
    const bool inside = shown.target.contains(fit.value1Mm(), fit.value2Mm());
    if (inside) ++shown.insideCount;
    if (inside || !insideOnly) shown.ranks.push_back(i);
  }
  shown.rows = designRowsToShow(countIndex, shown.ranks.size());
  return shown;
}

std::string tableText(const RankedFits& results, const ShownResults& shown,
                      const DesignRequest& request, const LangTable& lang) {
  const bool inch = request.inchMode;
  const TargetCaptionIds captions = targetCaptionIds(request.fitType);
  std::string text = langText(lang, TextId::Fit) + '\t' + langText(lang, captions.max) + '\t' +
                     langText(lang, captions.min) + '\t' + langText(lang, TextId::Deviation) +
                     '\t' + langText(lang, TextId::InsideColumn) + '\n';
  for (std::size_t i = 0; i < shown.rows; ++i) {
    const DesignResult fit = results.record(shown.ranks[i]);
    text += fit.Designation + (fit.Preferred ? "*" : "") + '\t' + lengthText(fit.FitValue1, inch) +
            '\t' + lengthText(fit.FitValue2, inch) + '\t' + lengthText(fit.Deviation, inch) + '\t' +
            (shown.isInside(fit) ? "\u2713" : "") + '\n';
  }
  return text;
}

namespace {

// Bytes written through a pointer into a block that goes to the stream
// whenever the next piece might not fit: the block stays in the cache, and a
// list of any length takes no memory of its own size.
class BlockWriter {
 public:
  explicit BlockWriter(std::ostream& out) : out_(out), block_(kBlockBytes), at_(block_.data()) {}
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // The write position, with room for `bytes` (at most the block) behind it;
  // pass the end of what was written to done().
  char* room(std::size_t bytes) {
    if (static_cast<std::size_t>(block_.data() + block_.size() - at_) < bytes) flush();
    return at_;
  }
  void done(char* end) { at_ = end; }
  void put(std::string_view text) {
    if (text.size() > block_.size()) {
      flush();
      out_.write(text.data(), static_cast<std::streamsize>(text.size()));
      return;
    }
    char* at = room(text.size());
    std::memcpy(at, text.data(), text.size());
    done(at + text.size());
  }
  void flush() {
    out_.write(block_.data(), at_ - block_.data());
    at_ = block_.data();
  }

 private:
  static constexpr std::size_t kBlockBytes = 64 * 1024;
  std::ostream& out_;
  std::vector<char> block_;
  char* at_;
};

// The JSON texts of the numbers written last, by their bits: a design list
// writes some 4000 different values 36000 to 58000 times (the limits of 200
// holes against those of 200 shafts), so most numbers are a copy of a text
// made before. Direct-mapped, 8192 slots of 32 bytes.
class NumberTexts {
 public:
  NumberTexts() : slots_(kSlots) {}

  // Writes the JSON text of a value at `at` (room for kJsonNumberMaxChars)
  // and returns its end.
  char* write(char* at, double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    Slot& slot = slots_[(bits * 0x9E3779B97F4A7C15u) >> (64 - kSlotBits)];
    if (slot.bits != bits || slot.length == 0) {
      char* const end = writeJsonNumber(at, value);
      const auto length = static_cast<std::size_t>(end - at);
      if (length > slot.text.size()) return end;  // too long to keep
      slot.bits = bits;
      slot.length = static_cast<std::uint8_t>(length);
      std::memcpy(slot.text.data(), at, length);
      return end;
    }
    std::memcpy(at, slot.text.data(), slot.text.size());  // all of it: one fixed copy
    return at + slot.length;
  }

 private:
  static constexpr int kSlotBits = 13;
  static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;
  struct Slot {
    std::uint64_t bits = 0;
    std::uint8_t length = 0;  // 0: empty
    std::array<char, 23> text{};
  };
  static_assert(sizeof(Slot::text) <= kJsonNumberMaxChars);
  std::vector<Slot> slots_;
};

// Copies a piece of text to `at` and returns its end.
char* put(char* at, std::string_view text) {
  std::memcpy(at, text.data(), text.size());
  return at + text.size();
}

}  // namespace

void writeResultsJson(std::ostream& stream, const RankedFits& results, const ShownResults& shown,
                      const DesignRequest& request, const DesignCheck& check,
                      const LangTable& lang) {
  std::string head = "{\"max\":";
  appendJsonNumber(head, check.targets.max);
  head += ",\"min\":";
  appendJsonNumber(head, check.targets.min);
  head += ",\"rows\":";
  appendJsonNumber(head, static_cast<double>(shown.rows));
  head += ",\"inside_count\":";
  appendJsonNumber(head, static_cast<double>(shown.insideCount));
  head += ",\"results\":[";
  BlockWriter out(stream);
  out.put(head);

  // A designation is plain ASCII: letters, digits and the slash. Each result
  // opens with its hole's text and goes on with its shaft's.
  std::vector<std::string> holeTexts;
  holeTexts.reserve(results.holes().size());
  for (const RankedFits::EvaluatedClass& hole : results.holes()) {
    holeTexts.push_back("{\"designation\":\"" +
                        std::string(letterText(Side::Hole, hole.cls.letter)) +
                        std::string(gradeText(hole.cls.grade)) + '/');
  }
  std::vector<std::string> shaftTexts;
  shaftTexts.reserve(results.shafts().size());
  for (const RankedFits::EvaluatedClass& shaft : results.shafts()) {
    shaftTexts.push_back(std::string(letterText(Side::Shaft, shaft.cls.letter)) +
                         std::string(gradeText(shaft.cls.grade)) + "\",\"deviation\":");
  }
  const auto longest = [](const std::vector<std::string>& texts) {
    std::size_t size = 0;
    for (const std::string& text : texts) size = std::max(size, text.size());
    return size;
  };
  // By preferred * 2 + inside.
  constexpr std::array<std::string_view, 4> kFlags = {
      ",\"preferred\":false,\"inside\":false", ",\"preferred\":false,\"inside\":true",
      ",\"preferred\":true,\"inside\":false", ",\"preferred\":true,\"inside\":true"};
  constexpr std::string_view kValue1 = ",\"value1\":";
  constexpr std::string_view kValue2 = ",\"value2\":";
  constexpr std::string_view kTolerance = ",\"tolerance\":";
  // Everything of a result but its use text: comma, class texts, numbers,
  // keys, flags and the closing brace.
  const std::size_t recordBytes = 1 + longest(holeTexts) + longest(shaftTexts) +
                                  4 * kJsonNumberMaxChars + kValue1.size() + kValue2.size() +
                                  kTolerance.size() + kFlags.back().size() + 1;

  UseJson use(lang);
  NumberTexts numbers;
  for (std::size_t i = 0; i < shown.ranks.size(); ++i) {
    const std::size_t rank = shown.ranks[i];
    const RankedFits::Row& row = results.row(rank);
    const RankedFits::EvaluatedClass& hole = results.holes()[row.hole];
    const RankedFits::EvaluatedClass& shaft = results.shafts()[row.shaft];
    const FitMm fit = results.fit(rank);
    const std::string_view useText = use.member(ClassChoice{hole.cls, shaft.cls});
    char* at = out.room(recordBytes + useText.size());
    if (i > 0) *at++ = ',';
    at = put(at, holeTexts[row.hole]);
    at = put(at, shaftTexts[row.shaft]);
    at = numbers.write(at, row.deviation);
    at = put(at, kValue1);
    at = numbers.write(at, fit.value1Mm());
    at = put(at, kValue2);
    at = numbers.write(at, fit.value2Mm());
    at = put(at, kTolerance);
    at = numbers.write(at, fit.toleranceMm());
    const bool inside = shown.target.contains(fit.value1Mm(), fit.value2Mm());
    at = put(at, kFlags[(results.preferred(rank) ? 2 : 0) + (inside ? 1 : 0)]);
    at = put(at, useText);
    *at++ = '}';
    out.done(at);
  }

  std::string tail = "]";
  if (const std::optional<OperatingConditions>& op = request.operating) {
    const auto appendPart = [&tail](const PartTemperature& p) {
      tail += "{\"temperature\":";
      appendJsonNumber(tail, p.temperatureC);
      tail += ",\"alpha\":";
      appendJsonNumber(tail, p.alphaUmPerMK);
      tail += '}';
    };
    tail += ",\"operating\":{\"hole\":";
    appendPart(op->hole);
    tail += ",\"shaft\":";
    appendPart(op->shaft);
    tail += '}';
  }
  tail += "}\n";
  out.put(tail);
  out.flush();
}

}  // namespace kalmo::cli
