#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/spellcheck/player_text.h"

namespace fjordheim {

/// A word of the data set that neither the dictionary nor the list of accepted words knows.
struct TMisspelling {
  std::string File;
  int Line = 0;
  std::string Word;
};

/// Checks what a player reads against hunspell's Norwegian Bokmål dictionary (nb_NO) and a
/// list of accepted words (names, old Norse words, forms the dictionary lacks).
class TSpellingCheck {
 public:
  /// The accepted words, one a line; blanks around a word and lines from '#' on are ignored.
  explicit TSpellingCheck(std::string_view acceptedWords);

  /// True for an accepted word, also when only its first letter is a capital the list lacks.
  bool IsAccepted(const std::string& word) const;

  /// Every unknown word of the lines, in their order; false (with the reason in `error`)
  /// when hunspell or its Bokmål dictionary cannot be run.
  bool Check(const std::vector<TPlayerLine>& lines, std::vector<TMisspelling>& misspellings, std::string& error) const;

  /// Every place in the lines where a word of hunspell's list of unknown words (-l, one a
  /// line) stands as a whole word, in the lines' order; accepted words left out.
  std::vector<TMisspelling> FromUnknownWords(const std::vector<TPlayerLine>& lines, const std::string& unknown) const;

  /// The line a misspelling is reported with: `Html/gods.htm:23: unknown word "Torshamer"`.
  static std::string Report(const TMisspelling& misspelling);

 private:
  std::set<std::string> FAccepted;
};

}  // namespace fjordheim
