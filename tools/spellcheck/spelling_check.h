#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tools/spellcheck/player_text.h"

namespace fjordheim {

/// A word of the data set that neither the dictionary nor the list of accepted words knows,
/// or one the list refuses.
struct TMisspelling {
  std::string File;
  int Line = 0;
  std::string Word;
  bool Refused = false;
};

/// Checks what a player reads against a dictionary of hunspell (Bokmål's nb_NO unless told,
/// nn_NO for Nynorsk, en_GB for English) and a list of accepted words (names, old Norse words, forms the dictionary lacks). The list
/// also names the program's own texts a page may quote, whose words pass only inside the
/// quote, and the words our own sentences must not use even where the dictionary has them.
class TSpellingCheck {
 public:
  /// The accepted words, one a line; blanks around a word and lines from '#' on are ignored.
  /// A line between « and » is a quote of the program's own text, a line after '!' a
  /// refused word.
  explicit TSpellingCheck(std::string_view acceptedWords, std::string dictionary = "nb_NO");

  /// True for an accepted word, also when only its first letter is a capital the list
  /// lacks; a refused word never is.
  bool IsAccepted(const std::string& word) const;

  /// Every unknown word of the lines, in their order; false (with the reason in `error`)
  /// when hunspell or its dictionary cannot be run.
  bool Check(const std::vector<TPlayerLine>& lines, std::vector<TMisspelling>& misspellings, std::string& error) const;

  /// Every place in the lines where a word of hunspell's list of unknown words (-l, one a
  /// line) or a refused word stands as a whole word outside the quotes, in the lines' order;
  /// accepted words left out.
  std::vector<TMisspelling> FromUnknownWords(const std::vector<TPlayerLine>& lines, const std::string& unknown) const;

  /// The line a misspelling is reported with: `Html/gods.htm:23: unknown word "Torshamer"`,
  /// `Html/gods.htm:24: refused word "landsbyen"`.
  static std::string Report(const TMisspelling& misspelling);

 private:
  std::vector<TPlayerLine> WithoutQuotes(const std::vector<TPlayerLine>& lines) const;
  bool IsRefused(const std::string& word) const;

  std::set<std::string> FAccepted;
  std::vector<std::string> FQuotes;
  std::set<std::string> FRefused;
  std::string FDictionary;
};

}  // namespace fjordheim
