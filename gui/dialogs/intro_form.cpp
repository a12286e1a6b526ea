#include "gui/dialogs/intro_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStackedWidget>

#include <array>
#include <exception>

#include "core/common/message_sink.h"
#include "core/game/land.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/picture_loader.h"
#include "gui/controls/zone_image.h"

namespace fjordheim {

namespace {

QLabel* Label(QWidget* parent, const TGameLayout& layout, const char* text, QRect where) {
  auto* label = new QLabel(QString::fromStdString(Tr(text)), parent);
  layout.Place(label, where.x(), where.y(), where.width(), where.height());
  label->setWordWrap(true);
  return label;
}

// Where each land's name stands on the map: over its own coast, clear of the others.
constexpr std::array<QRect, Lands.size()> LandNamePlaces{{{2, 96, 92, 38}, {170, 140, 99, 52}, {150, 232, 100, 38}}};

// A land's name and below it what its village makes, on a pale ground that keeps it
// readable over sea and land; clicks pass through to the map below.
QLabel* LandName(QWidget* parent, const TGameLayout& layout, const TLand& land, QRect where) {
  auto* label = new QLabel(parent);
  label->setText(QStringLiteral("<b>%1</b><br><small>%2</small>")
                     .arg(QString::fromStdString(Tr(land.Name)), QString::fromStdString(Tr(land.Goods))));
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignCenter);
  label->setAutoFillBackground(true);
  QPalette colours = label->palette();
  colours.setColor(QPalette::Window, QColor(255, 250, 230, 215));
  colours.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(colours);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  layout.Place(label, where.x(), where.y(), where.width(), where.height());
  return label;
}

}  // namespace

TIntroForm::TIntroForm(const std::string& picsPath, TPictureLoader& pictures, TMessageSink& sink, QWidget* parent,
                       TGameLayout layout)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FPicsPath(picsPath),
      FPictures(pictures),
      FLayout(layout),
      FSink(sink) {
  // Translators: the title of the window where the new chief writes a name and chooses a face and a land.
  setWindowTitle(QString::fromStdString(Tr("Høvding")));
  setFont(FLayout.Font(font()));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  setPalette(colours);
  FNotebook = new QStackedWidget(this);

  auto* sida1 = new QWidget;
  auto* introImage = new TCustomImage(sida1);
  FLayout.Place(introImage, 0, 0, 157, 210);
  introImage->SetScale(FLayout.Scale());
  introImage->SetPicture(FPictures.Load(FPicsPath + "IChief.bmp"));
  Label(sida1, FLayout, TrMark("En ny høvding velges..."), {170, 12, 240, 20});
  Label(sida1, FLayout, TrMark("Byrådet har valgt deg til byens nye høvding."), {170, 40, 240, 36});
  Label(sida1, FLayout, TrMark("Hva heter du? Skriv navnet ditt, og trykk OK."), {170, 80, 240, 36});
  Label(sida1, FLayout, TrMark("Jeg heter:"), {170, 124, 80, 20});
  NameEdit = new QLineEdit(sida1);
  FLayout.Place(NameEdit, 170, 144, 160, 22);
  Button3 = new QPushButton(QString::fromStdString(Tr("OK")), sida1);
  FLayout.Place(Button3, 340, 143, 60, 24);
  Button3->setDefault(true);
  connect(Button3, &QPushButton::clicked, this, &TIntroForm::Button3Click);

  auto* sida2 = new QWidget;
  Label(sida2, FLayout, TrMark("Hvordan vil du se ut?"), {8, 8, 250, 20});
  FFaceImage = new TCustomImage(sida2);
  FFaceImage->move(FLayout.Scaled(58), FLayout.Scaled(36));
  FFaceImage->SetScale(FLayout.Scale());
  FFaceImage->SetAutoSize(true);
  FaceSB = new QScrollBar(Qt::Horizontal, sida2);
  FaceSB->setRange(0, FaceCount - 1);
  // One face a step, also when the bar beside the handle is clicked; the handle stays a
  // handle rather than half the bar.
  FaceSB->setPageStep(1);
  FLayout.Place(FaceSB, 8, 250, 257, 18);
  connect(FaceSB, &QScrollBar::valueChanged, this, &TIntroForm::ShowFace);
  Button1 = new QPushButton(QString::fromStdString(Tr("OK")), sida2);
  FLayout.Place(Button1, 96, 290, 80, 26);
  connect(Button1, &QPushButton::clicked, this, &TIntroForm::Button1Click);

  auto* sida3 = new QWidget;
  Image2 = new TZoneImage(sida3);
  FLayout.Place(Image2, 0, 0, 273, 300);
  Image2->SetScale(FLayout.Scale());
  connect(Image2, &TZoneImage::MouseReleased, this, &TIntroForm::Image2MouseUp);
  for (std::size_t land = 0; land < Lands.size(); ++land) LandName(sida3, FLayout, Lands[land], LandNamePlaces[land]);
  Label(sida3, FLayout, TrMark("Klikk på det landet du vil at byen din skal ligge i."), {4, 302, 265, 36});
  Label(sida3, FLayout, LandChoiceText, {4, 338, 265, 52});

  FNotebook->addWidget(sida1);
  FNotebook->addWidget(sida2);
  FNotebook->addWidget(sida3);
  FNotebook->setCurrentIndex(0);
  setFixedSize(FLayout.Size(418, 210));
  FNotebook->setGeometry(rect());
}

std::string TIntroForm::ChiefName() const { return NameEdit->text().toStdString(); }
int TIntroForm::ChiefFace() const { return FaceSB->value(); }
int TIntroForm::PageIndex() const { return FNotebook->currentIndex(); }

void TIntroForm::Button3Click() {
  if (NameEdit->text().isEmpty()) {
    FSink.ShowMessage(Tr(MissingNameMessage));
    return;
  }
  ShowFace(FaceSB->value());
  setFixedSize(FLayout.Size(273, 347));
  FNotebook->setGeometry(rect());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
  FNotebook->setCurrentIndex(1);
}

void TIntroForm::ShowFace(int face) {
  FFaceImage->SetPicture(FPictures.Load(FPicsPath + "face" + std::to_string(face) + ".bmp"));
}

void TIntroForm::Button1Click() {
  Image2->SetPicture(FPictures.Load(FPicsPath + "norden.bmp"));
  try {
    Image2->SetMaskFile(FPicsPath + "norden.map");
  } catch (const std::exception& error) {
    FMaskMissing = true;
    FSink.ShowMessage(error.what());
  }
  // The map's page is taller than the face page: the sentence on what the land changes
  // stands below the map.
  setFixedSize(FLayout.Size(273, 394));
  FNotebook->setGeometry(rect());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
  FNotebook->setCurrentIndex(2);
}

void TIntroForm::Image2MouseUp(QPoint at) {
  const std::uint8_t zone = Image2->ZoneAt(at.x(), at.y());
  // Without its mask the map has no lands; any click takes the first rather than
  // holding the player in a window that cannot close.
  if (zone == 0 && !FMaskMissing) return;
  if (const auto land = LandOfZone(zone)) FLand = *land;
  FAccepted = true;
  done(1);
}

void TIntroForm::reject() {
  if (FAccepted) QDialog::reject();
}

void TIntroForm::closeEvent(QCloseEvent* event) {
  if (!FAccepted) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace fjordheim
