#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/common/message_sink.h"
#include "core/game/score_list.h"

namespace fjordheim {

inline constexpr const char* ScoreFileName = "nothing.tpl";

/// What the end-of-game score window shows.
struct TScoreOutcome {
  std::string ScoreText;            ///< "Du fikk 120 poeng."
  bool Listed = false;              ///< the congratulation is shown exactly then
  std::vector<std::string> Lines;   ///< the ten list lines
  bool Saved = false;               ///< the score file holds the list shown
  std::string Cause;                ///< why a deposed chief was deposed; empty otherwise
};

/// The score list kept in the game folder: entered at the end of a game, and left again
/// when a saved game is loaded so that one game never stands on the list twice.
class TScoreFile {
 public:
  /// path is the score file itself, normally PathIn(GamePath).
  explicit TScoreFile(std::string path);

  /// GamePath (ending with a backslash) + "nothing.tpl".
  static std::string PathIn(const std::string& gamePath);

  /// Enters the chief's score and writes the file, listed or not. Without a file the chief
  /// starts a new list at place 1. A file that exists but cannot be read is reported and
  /// left as it is: nothing is listed and nothing written. A failed write is reported.
  TScoreOutcome RecordGameEnd(const std::string& chiefName, std::int32_t score, TMessageSink& sink);

  /// Takes the entry of this name and score off the list and writes the file; true when it
  /// was on the list and the file was written. Without a file, or without such an entry,
  /// nothing is written.
  bool RemoveEntry(const std::string& chiefName, std::int32_t score, TMessageSink& sink);

  /// "Du fikk %d poeng." with the score.
  static std::string ScoreText(std::int32_t score);

 private:
  bool Exists() const;
  bool Read(TScoreList& list, TMessageSink& sink) const;
  bool Write(const TScoreList& list, TMessageSink& sink) const;

  std::string FPath;
};

}  // namespace fjordheim
