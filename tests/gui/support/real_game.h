#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <string>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/settings/settings.h"
#include "gui/app/main_form.h"
#include "gui/app/screen_game.h"

namespace fjordheim {

/// The game folder the build makes, with the real pictures, sounds and pages.
inline QString GameFolder() { return QCoreApplication::applicationDirPath() + "/../../game"; }

/// The build has made the data set (the tests of the real game skip without it).
inline bool GameIsBuilt() { return QFileInfo::exists(GameFolder() + "/Bilder/viautumn.bmp"); }

/// A game folder of the test's own that reaches the built data set and settings through links,
/// so that the score list, saved games and chiefs' pages a test makes never land in the
/// folder a player starts with `make play`.
class TPlayFolder {
 public:
  /// Links the built data set; writes `settings` as the folder's "tunstad.ini", or copies the
  /// built one when it is empty.
  explicit TPlayFolder(const std::string& settings = {}) {
    const QDir root(FDir.path());
    for (const char* folder : {"Bilder", "Sound", "Data", "Html"}) {
      FLinked = QFile::link(GameFolder() + "/" + folder, root.filePath(folder)) && FLinked;
    }
    // The catalogs and the other languages' data sets, which a test of the language choice reads.
    for (const char* folder : {"locale", "nn", "en"}) QFile::link(GameFolder() + "/" + folder, root.filePath(folder));
    if (settings.empty()) {
      QFile::copy(GameFolder() + "/tunstad.ini", root.filePath("tunstad.ini"));
    } else {
      QFile ini(root.filePath("tunstad.ini"));
      FLinked = ini.open(QIODevice::WriteOnly) && ini.write(settings.data(), static_cast<qint64>(settings.size())) >= 0 && FLinked;
    }
    root.mkpath("Game");
    root.mkpath("Bookm");
  }
  /// Every link and the settings were made.
  bool Made() const { return FLinked; }
  std::string ProgramFile() const { return QDir(FDir.path()).filePath("fjordheim").toStdString(); }
  QString GamePath() const { return QDir(FDir.path()).filePath("Game"); }

 private:
  QTemporaryDir FDir;
  bool FLinked = true;
};

/// The real game's main window on the built data set, played through its own controller.
/// Saving after each season is off, so that a test leaves no saved game behind; messages are
/// collected instead of shown. The warning before a dangerous season is off too: the tests
/// of the warning turn it on.
struct TRealGame {
  explicit TRealGame(std::uint32_t seed)
      : Random(seed), Settings(Folder.ProgramFile(), Random), Form(Settings, Random, Sink) {
    Game = dynamic_cast<TScreenGame*>(&Form.Actions());
    if (Game == nullptr) return;
    Game->Controller().SetAutosave(false);
    Game->Controller().SetWarnings(false);
  }

  /// Shows the window; false when it is not the screen game or never showed.
  bool Show() {
    Form.show();
    return Game != nullptr && QTest::qWaitForWindowExposed(&Form);
  }
  /// Starts a new game for the chief and shows the village.
  void NewGame(const std::string& chief) {
    Settings.ChiefName = chief;
    Form.Actions().NewGame();
    Form.ShowGame();
  }
  TGameController& Controller() { return Game->Controller(); }

  TPlayFolder Folder;
  TRandom Random;
  TSettings Settings;
  TCollectingMessageSink Sink;
  TMainForm Form;
  TScreenGame* Game = nullptr;
};

}  // namespace fjordheim
