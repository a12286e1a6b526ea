#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

#include "core/common/translation.h"
#include "gui/dialogs/game_layout.h"

class QLineEdit;
class QPushButton;
class QScrollBar;
class QStackedWidget;

namespace fjordheim {

class TCustomImage;
class TPictureLoader;
class TZoneImage;
class TMessageSink;

inline constexpr const char* MissingNameMessage = TrMark("Du må skrive navnet ditt!");

/// The new chief's name, face and land, page after page. It closes only once a land
/// was clicked.
class TIntroForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int FaceCount = 12;

  TIntroForm(const std::string& picsPath, TPictureLoader& pictures, TMessageSink& sink, QWidget* parent = nullptr,
             TGameLayout layout = TGameLayout());

  std::string ChiefName() const;
  int ChiefFace() const;
  std::uint8_t Land() const { return FLand; }
  bool Accepted() const { return FAccepted; }
  int PageIndex() const;

  QLineEdit* NameEdit;
  QPushButton* Button3;
  QScrollBar* FaceSB;
  QPushButton* Button1;
  TZoneImage* Image2;

  /// A mouse release on the map at pixel (x, y) of the map's picture.
  void Image2MouseUp(QPoint at);

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Button3Click();
  void ShowFace(int face);
  void Button1Click();

  std::string FPicsPath;
  TPictureLoader& FPictures;
  TGameLayout FLayout;
  TMessageSink& FSink;
  QStackedWidget* FNotebook;
  TCustomImage* FFaceImage;
  std::uint8_t FLand = 0;
  bool FAccepted = false;
  bool FMaskMissing = false;
};

}  // namespace fjordheim
