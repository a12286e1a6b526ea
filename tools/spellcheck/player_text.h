#pragma once

#include <string>
#include <vector>

namespace fjordheim {

/// One line of a data file as the player reads it.
struct TPlayerLine {
  /// The file's path in the game folder, "Data/advice.txt".
  std::string File;
  /// The line's number in the file, from 1.
  int Line = 0;
  /// The words the player sees on that line, without keys, file names or markup.
  std::string Text;
};

/// The text a player reads in one file of the game folder, given as UTF-8 lines. The file's
/// name decides how it is read: the advice, the tasks and explanations of the decision
/// files, the events' headings and texts, the tips, both quiz files, the names of the
/// markets and merchants, and the text, titles and picture captions of every page.
/// Other files give nothing.
std::vector<TPlayerLine> PlayerTextOf(const std::string& file, const std::vector<std::string>& lines);

}  // namespace fjordheim
