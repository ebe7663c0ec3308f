#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace kalmo {

// What F1 opens: the topic of the window or page with the focus. The pages
// carry the same names in every language.
enum class HelpTopic {
  Start,
  Fits,
  Design,
  Operating,
  Inspection,
  BatchTable,
  Press,
  BearingSeat,
  General,
  StackUp
};

// The topic as a path inside a help file ("::/press.htm#...") of a language;
// Start is the language's start page.
std::string helpTopic(HelpTopic topic, int languageCode);

// A compiled help file of one language and the page it opens at.
struct HelpTarget {
  std::string_view fileName;  // lies beside the executable
  std::string_view topic;     // "::/" and the start page, as help viewers take it
  friend constexpr bool operator==(const HelpTarget&, const HelpTarget&) = default;
};

// By language code: 1 Bulgarian, 2 German, English for 3 and any other code.
constexpr HelpTarget helpTarget(int languageCode) {
  switch (languageCode) {
    case 1: return {"TISO286_BG.chm", "::/TISO286BG.htm"};
    case 2: return {"TISO286_DE.chm", "::/TISO286DE.htm"};
    default: return {"TISO286_EN.chm", "::/TISO286EN.htm"};
  }
}

// The help file of a language in the given folder. Paths of any length are
// kept whole.
QString helpFilePath(const QString& directory, int languageCode);

// Whether the help file of a language in the given folder is the one this
// build compiled: its SHA-256 equals the recorded one. A damaged, truncated
// or foreign file (help-file parsers have crashed on such files) is not
// opened at all; neither is one larger than kMaxHelpFileBytes.
bool helpFileIntact(const QString& directory, int languageCode);
inline constexpr qint64 kMaxHelpFileBytes = 64 * 1024 * 1024;

// The topic as a path inside the help file: "::/TISO286EN.htm" -> "/TISO286EN.htm".
QString helpTopicPath(std::string_view topic);

}  // namespace kalmo
