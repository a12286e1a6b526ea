#pragma once

#include <QDialog>

#include <string>

#include "gui/dialogs/game_layout.h"

class QFileDialog;

namespace fjordheim {

class TCustomImage;
class TPictureButton;
class TPictureLoader;

/// "Arkiv": save the game, open a saved one, or leave. It only picks a file name and
/// reports the choice: 201 leave, 202 save, 203 load, 2 when a file box was cancelled.
class TArkivForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int ExitResult = 201;
  static constexpr int SaveResult = 202;
  static constexpr int LoadResult = 203;
  static constexpr int NothingResult = 2;

  TArkivForm(const std::string& picsPath, TPictureLoader& pictures, QWidget* parent = nullptr,
             TGameLayout layout = TGameLayout());

  /// Lays the window out anew at the game's present scale; the file boxes keep Qt's own.
  void SetLayout(TGameLayout layout);

  /// The folder of saved games and the chief's name, for the proposed file name.
  void SetGame(const std::string& gamePath, const std::string& chiefName);

  /// The open box alone, as the title's "Hent lagret spill" uses it; empty when cancelled.
  std::string ChooseOpenFile();

  std::string SaveFileName() const;
  std::string OpenFileName() const;

  TPictureButton* BtnSave;
  TPictureButton* BtnLoad;
  TPictureButton* BtnExit;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void WriteTexts();
  void BtnSaveClick();
  bool ChooseSaveFile();
  void BtnLoadClick();
  QString GameFolder() const;
  void PrepareBox(QFileDialog& box);
  void PlaceButton(TPictureButton* button, int x, int y, int width, int height);
  // The file boxes are made at their first use: they are slow to build and most runs
  // never need both.
  QFileDialog& SaveDialog1();
  QFileDialog& OpenDialog1();

  TGameLayout FLayout;
  QFont FBaseFont;
  TCustomImage* FBackground;
  std::string FGamePath;
  std::string FChiefName;
  QFileDialog* FSaveDialog1 = nullptr;
  QFileDialog* FOpenDialog1 = nullptr;
};

}  // namespace fjordheim
