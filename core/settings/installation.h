#pragma once

#include <string>

namespace fjordheim {

/// Where the game finds its parts when it is installed for every user of a machine rather
/// than run from the folder it was built in, and where each player's own files go. The
/// installed data set holds the shared "tunstad.ini" (a package makes it a link to the
/// file the administrator edits under /etc).
struct TInstallation {
  /// The installed data set, relative to the program's folder ("../share/games/fjordheim/"),
  /// so that an installation moved under another root (a package unpacked into a folder)
  /// still finds itself.
  std::string DataFolder;
  /// The player's own data folder, ending with a separator: saved games, the score list
  /// and the personal pages go here where the shared folders cannot be written.
  std::string UserDataFolder;
  /// The player's own settings folder, ending with a separator: a "tunstad.ini" there is
  /// read after the shared one and overrides it.
  std::string UserConfigFolder;
};

}  // namespace fjordheim
