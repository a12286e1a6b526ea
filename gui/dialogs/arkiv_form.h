#pragma once

#include <QDialog>

#include <string>

class QFileDialog;

namespace fjordheim {

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

  TArkivForm(const std::string& picsPath, TPictureLoader& pictures, QWidget* parent = nullptr);

  /// The folder of saved games and the chief's name, for the proposed file name.
  void SetGame(const std::string& gamePath, const std::string& chiefName);

  /// The open box alone, as the title's "Hent lagret spill" uses it; empty when cancelled.
  std::string ChooseOpenFile();

  std::string SaveFileName() const;
  std::string OpenFileName() const;

  TPictureButton* BtnSave;
  TPictureButton* BtnLoad;
  TPictureButton* BtnExit;
  QFileDialog* SaveDialog1;
  QFileDialog* OpenDialog1;

 private:
  void BtnSaveClick();
  void BtnLoadClick();
  QString GameFolder() const;

  std::string FGamePath;
  std::string FChiefName;
  bool FOpenFolderSet = false;
};

}  // namespace fjordheim
