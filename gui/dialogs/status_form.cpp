#include "gui/dialogs/status_form.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

#include <utility>

#include "core/game/village_status.h"
#include "gui/dialogs/picture_area_image.h"

namespace fjordheim {

namespace {

const QColor ButtonFace(240, 240, 240);

}  // namespace

TVillageStatusForm::TVillageStatusForm(QWidget* parent, const TPictureList* smallCattle,
                                       const TPictureList* goods, const QPixmap& thermometer, TGameLayout layout)
    : QDialog(parent), FLayout(layout), FSmallCattle(smallCattle), FGoods(goods) {
  setWindowTitle("Slik ligger det an...");
  setFont(layout.PixelFont("MS Sans Serif", 11));
  setFixedSize(layout.Scaled(453), layout.Scaled(291));
  auto* status = new QGroupBox("Status", this);
  layout.Place(status, 8, 8, 225, 273);
  for (int x : {32, 96, 152}) {
    auto* image = new QLabel(status);
    layout.Place(image, x, 32, 43, 227);
    if (thermometer.isNull()) {
      image->setStyleSheet("border: 2px solid #808080; border-radius: 8px; background: white;");
    } else {
      image->setPixmap(thermometer.scaled(image->size()));
    }
  }
  const auto text = [&](QWidget* parentWidget, const QString& caption, int x, int y, int w) {
    auto* label = new QLabel(caption, parentWidget);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font());
    layout.Place(label, x, y, w, 16);
    return label;
  };
  text(status, "Byen", 32, 16, 50);
  text(status, QString::fromUtf8("Høvding"), 90, 16, 60);
  text(status, "Handel", 152, 16, 50);
  for (const auto& [caption, top] : {std::pair{"Høy", 72}, std::pair{"Normal", 128}, std::pair{"Lav", 181}}) {
    text(status, QString::fromUtf8(caption), 0, top, 32)->setFont(layout.PixelFont("MS Sans Serif", 9));
  }
  for (std::size_t i = 0; i < FBars.size(); ++i) {
    FBars[i] = new QFrame(status);
    FBars[i]->setStyleSheet("background: red; border: none;");
  }
  PlaceBar(0, 0.5L);
  PlaceBar(1, 0.5L);
  PlaceBar(2, 0.5L);

  FPages = new QTabWidget(this);
  layout.Place(FPages, 240, 16, 201, 225);
  auto* humans = new QWidget;
  const char* groups[] = {"Gamle", "Menn", "Kvinner", "Barn", "Nyfødte"};
  for (int r = 0; r < 5; ++r) {
    text(humans, groups[r], 5, 40 * r, 60);
    FPeopleCounts[static_cast<std::size_t>(r)] = text(humans, {}, 70, 40 * r, 60);
  }
  FHumanImage = new QLabel(humans);
  layout.Place(FHumanImage, 5, 17, 187, 181);
  FPages->addTab(humans, "Mennesker");
  auto* cattle = new QWidget;
  const int tops[] = {8, 55, 103, 151};
  const int countTops[] = {33, 81, 129, 177};
  for (int k = 0; k < AnimalKindCount; ++k) {
    auto* picture = new QLabel(cattle);
    layout.Place(picture, 8, tops[k], 48, 48);
    if (smallCattle != nullptr && !smallCattle->Picture(k).isNull()) {
      picture->setPixmap(QPixmap::fromImage(smallCattle->Picture(k)).scaled(picture->size()));
    }
    FAnimalCounts[static_cast<std::size_t>(k)] = text(cattle, {}, 40, countTops[k], 24);
  }
  FCattleImage = new QLabel(cattle);
  layout.Place(FCattleImage, 64, 0, 129, 193);
  FPages->addTab(cattle, "Dyr");
  auto* trade = new QWidget;
  text(trade, "Behov", 8, 8, 70);
  text(trade, "Overskudd", 88, 8, 90);
  FTradeImage = new QLabel(trade);
  layout.Place(FTradeImage, 8, 32, 177, 161);
  FPages->addTab(trade, "Handel");
  FPages->setCurrentIndex(1);

  auto* close = new QPushButton("Lukk", this);
  layout.Place(close, 296, 248, 89, 33);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TVillageStatusForm::PlaceBar(int bar, long double factor) {
  const TStatusBar place = TVillageStatus::Bar(factor);
  QFrame* shape = FBars[static_cast<std::size_t>(bar)];
  shape->hide();
  shape->setGeometry(FLayout.Rect(FBarLefts[static_cast<std::size_t>(bar)], place.Top, 8, place.Height));
  shape->show();
}

void TVillageStatusForm::SetVillageFactor(long double factor) { PlaceBar(0, factor); }
void TVillageStatusForm::SetChiefFactor(long double factor) { PlaceBar(1, factor); }
void TVillageStatusForm::SetTradeFactor(long double factor) { PlaceBar(2, factor); }

void TVillageStatusForm::Update() {
  if (FVillage == nullptr) return;
  const TVillageStatus status(*FVillage);
  for (std::size_t r = 0; r < FPeopleCounts.size(); ++r) FPeopleCounts[r]->setText(QString::fromStdString(status.PeopleCounts[r]));
  for (std::size_t k = 0; k < FAnimalCounts.size(); ++k) FAnimalCounts[k]->setText(QString::fromStdString(status.AnimalCounts[k]));
  FHumanImage->setPixmap(PictureAreaImage(status.People, FSmallCattle, ButtonFace, 12).scaled(FHumanImage->size()));
  FCattleImage->setPixmap(PictureAreaImage(status.Animals, FSmallCattle, ButtonFace, 14).scaled(FCattleImage->size()));
  QPixmap goods = PictureAreaImage(status.Goods, FGoods, ButtonFace, 20);
  QPainter painter(&goods);
  painter.setPen(Qt::red);
  painter.setBrush(Qt::red);
  for (const TPicturePlacement& dot : status.MissingDots) painter.drawEllipse(dot.X, dot.Y, 6, 6);
  painter.end();
  FTradeImage->setPixmap(goods.scaled(FTradeImage->size()));
}

}  // namespace fjordheim
