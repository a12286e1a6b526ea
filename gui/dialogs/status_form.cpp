#include "gui/dialogs/status_form.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <array>
#include <optional>
#include <utility>

#include "core/common/translation.h"
#include "core/game/village_status.h"
#include "gui/controls/draw_transparent.h"
#include "gui/controls/forecast_line.h"
#include "gui/dialogs/picture_area_image.h"
#include "gui/dialogs/status_goods_image.h"

namespace fjordheim {

namespace {

const QColor ButtonFace(240, 240, 240);
const QColor ReasonColour(120, 30, 20);
constexpr int WindowWidth = 453;
// The tabs reach down to the foot of the status box; the buttons stand below them.
constexpr int WindowHeight = 329;
constexpr int TabsHeight = 265;
constexpr int ButtonsTop = 288;
constexpr int ReasonsBand = 84;

// A picture of the window at the window's scale, its transparent colour showing the face beneath.
QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

// The tabs from left to right.
constexpr std::array<const char*, 4> TabTitles{TrMark("Mennesker"), TrMark("Dyr"), TrMark("Handel"), TFoodStatus::TabTitle};

QPixmap KeyedPixmap(const QImage& picture, QRgb transparent, QSize size) {
  return QPixmap::fromImage(KeyedImage(picture, transparent).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

TVillageStatusForm::TVillageStatusForm(QWidget* parent, const TStatusPictures& pictures, TGameLayout layout)
    : QDialog(parent), FLayout(layout), FPictures(pictures) {
  setFont(layout.PixelFont("MS Sans Serif", 11));
  setFixedSize(layout.Scaled(WindowWidth), layout.Scaled(WindowHeight));
  FStatusBox = new QGroupBox(this);
  QGroupBox* status = FStatusBox;
  layout.Place(status, 8, 8, 225, 273);
  BuildThermometers(status, pictures.Thermometer);

  FPages = new QTabWidget(this);
  layout.Place(FPages, 240, 16, 201, TabsHeight);
  // Four tabs share the width the three were drawn for: narrower margins keep every name whole.
  FPages->setStyleSheet(QString("QTabBar::tab { padding: %1px %2px; }").arg(layout.Scaled(2)).arg(layout.Scaled(3)));
  FPages->tabBar()->setUsesScrollButtons(false);
  FPages->addTab(BuildPeoplePage(), {});
  FPages->addTab(BuildAnimalPage(pictures.BigAnimals), {});
  FPages->addTab(BuildTradePage(), {});
  FPages->addTab(BuildFoodPage(), {});
  ShowTab(TTab::Animals);

  FCloseButton = new QPushButton(this);
  layout.Place(FCloseButton, 296, ButtonsTop, 89, 33);
  connect(FCloseButton, &QPushButton::clicked, this, &QDialog::accept);
  FChronicleButton = new QPushButton(this);
  layout.Place(FChronicleButton, 392, ButtonsTop, 53, 33);
  FChronicleButton->hide();
  FReasonsLabel = Text(this, {}, 8, WindowHeight - 4, WindowWidth - 16, ReasonsBand - 6, true);
  QPalette reasonColours = FReasonsLabel->palette();
  reasonColours.setColor(QPalette::WindowText, ReasonColour);
  FReasonsLabel->setPalette(reasonColours);
  FReasonsLabel->hide();
  WriteTexts();
}

// The window is made once for the whole run: it speaks anew when the title's language changes.
void TVillageStatusForm::WriteTexts() {
  // Translators: the title of the status window.
  setWindowTitle(Translated(TrMark("Slik ligger det an...")));
  // Translators: the heading of the box with the three thermometers of the status window.
  FStatusBox->setTitle(Translated(TrMark("Status")));
  for (std::size_t tab = 0; tab < TabTitles.size(); ++tab) {
    FPages->setTabText(static_cast<int>(tab), Translated(TabTitles[tab]));
  }
  FCloseButton->setText(Translated(TrMark("Lukk")));
  // Translators: a narrow button (about 9 letters) that opens the chronicle of the village.
  FChronicleButton->setText(Translated(TrMark("Krønike")));
  for (const auto& [label, bokmal] : FFixedTexts) label->setText(Translated(bokmal));
  ShowReasons();
}

void TVillageStatusForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) WriteTexts();
  QDialog::changeEvent(event);
}

QLabel* TVillageStatusForm::FixedText(QWidget* parent, const char* bokmal, int x, int y, int w, int h, bool wrap) {
  QLabel* label = Text(parent, Translated(bokmal), x, y, w, h, wrap);
  FFixedTexts.emplace_back(label, bokmal);
  return label;
}

void TVillageStatusForm::SetReasons(const std::string& reasons) {
  FReasons = reasons;
  ShowReasons();
  FReasonsLabel->setVisible(!reasons.empty());
  setFixedSize(FLayout.Scaled(WindowWidth), FLayout.Scaled(WindowHeight + (reasons.empty() ? 0 : ReasonsBand)));
}

void TVillageStatusForm::ShowReasons() {
  // Translators: {0} is what happened in the last season, one or more whole sentences.
  FReasonsLabel->setText(FReasons.empty() ? QString() : QString::fromStdString(Tr("Sist årstid: {0}", FReasons)));
}

QLabel* TVillageStatusForm::Text(QWidget* parent, const QString& caption, int x, int y, int w, int h, bool wrap) {
  auto* label = new QLabel(caption, parent);
  label->setTextFormat(Qt::PlainText);
  label->setFont(font());
  label->setWordWrap(wrap);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FLayout.Place(label, x, y, w, h);
  return label;
}

QLabel* TVillageStatusForm::Picture(QWidget* parent, const QImage& picture, int x, int y, int w, int h) {
  auto* label = new QLabel(parent);
  FLayout.Place(label, x, y, w, h);
  if (!picture.isNull()) label->setPixmap(KeyedPixmap(picture, picture.pixel(0, 0), label->size()));
  return label;
}

void TVillageStatusForm::BuildThermometers(QWidget* status, const QImage& thermometer) {
  for (int x : {32, 96, 152}) {
    if (thermometer.isNull()) {
      auto* plain = new QLabel(status);
      FLayout.Place(plain, x, 32, 43, 227);
      plain->setStyleSheet("border: 2px solid #808080; border-radius: 8px; background: white;");
    } else {
      // The thermometer's white, taken at its upper left, lets the group box show through.
      Picture(status, thermometer, x, 32, 43, 227);
    }
  }
  // Translators: the captions above the three thermometers, each about 8 letters wide.
  FixedText(status, TrMark("Byen"), 32, 16, 50);
  FixedText(status, TrMark("Høvding"), 90, 16, 60);
  FixedText(status, TrMark("Handel"), 152, 16, 50);
  // Translators: the marks on the thermometers' scale, in a column 5 letters wide.
  const std::array marks{std::pair{TrMark("Høy"), 72}, std::pair{TrMark("Normal"), 128}, std::pair{TrMark("Lav"), 181}};
  for (const auto& [caption, top] : marks) {
    FixedText(status, caption, 0, top, 32)->setFont(FLayout.PixelFont("MS Sans Serif", 9));
  }
  for (std::size_t i = 0; i < FBars.size(); ++i) {
    FBars[i] = new QFrame(status);
    FBars[i]->setStyleSheet("background: red; border: none;");
  }
  PlaceBar(0, 0.5L);
  PlaceBar(1, 0.5L);
  PlaceBar(2, 0.5L);
}

QWidget* TVillageStatusForm::BuildPeoplePage() {
  auto* humans = new QWidget;
  FHumanImage = new QLabel(humans);
  FLayout.Place(FHumanImage, 5, 17, 187, 181);
  // Each row's label and count stand above its pictures, so they are made after the picture.
  const char* groups[] = {TrMark("Gamle"), TrMark("Menn"), TrMark("Kvinner"), TrMark("Barn"), TrMark("Nyfødte")};
  for (int r = 0; r < 5; ++r) {
    FixedText(humans, groups[r], 5, 40 * r, 60);
    FPeopleCounts[static_cast<std::size_t>(r)] = Text(humans, {}, 70, 40 * r, 60);
  }
  return humans;
}

// The big pictures stand at the left edge and their counts right of them, before the
// rows of small pictures: nothing is drawn over anything else.
QWidget* TVillageStatusForm::BuildAnimalPage(const std::array<QImage, AnimalKindCount>& bigAnimals) {
  auto* cattle = new QWidget;
  FCattleImage = new QLabel(cattle);
  FLayout.Place(FCattleImage, 64, 0, 129, 193);
  const int tops[] = {8, 55, 103, 151};
  const int countTops[] = {33, 81, 129, 177};
  for (int k = 0; k < AnimalKindCount; ++k) {
    const auto kind = static_cast<std::size_t>(k);
    FAnimalPictures[kind] = Picture(cattle, bigAnimals[kind], 0, tops[k], 48, 48);
    FAnimalCounts[kind] = Text(cattle, {}, 49, countTops[k], 40);
    FAnimalCounts[kind]->setFont(FLayout.PixelFont("MS Sans Serif", 10, true));
  }
  return cattle;
}

QWidget* TVillageStatusForm::BuildTradePage() {
  auto* trade = new QWidget;
  // Translators: the headings of the goods the village lacks and the goods it can sell.
  FixedText(trade, TrMark("Behov"), 8, 8, 70);
  FixedText(trade, TrMark("Overskudd"), 88, 8, 90);
  FTradeImage = new TStatusGoodsImage(trade, TVillageStatus::TradeHeight, TVillageStatus::GoodsRowHeight);
  FLayout.Place(FTradeImage, 8, 32, TVillageStatus::TradeWidth, TVillageStatus::TradeHeight);
  return trade;
}

// The store and what it lasts, the need and what one picture is, then the last season and
// the next, from the top down.
QWidget* TVillageStatusForm::BuildFoodPage() {
  constexpr int Left = 5;
  constexpr int Width = 187;
  const QFont heading = FLayout.PixelFont("MS Sans Serif", 11, true);
  auto* food = new QWidget;
  FixedText(food, TFoodStatus::StoreHeading, Left, 2, Width)->setFont(heading);
  FStoreImage = new QLabel(food);
  FLayout.Place(FStoreImage, Left, 18, TFoodStatus::AreaWidth, TFoodStatus::StoreRows * TFoodStatus::PictureStep);
  FStoreLabel = Text(food, {}, Left, 62, Width, 28, true);
  FixedText(food, TFoodStatus::NeedHeading, Left, 92, Width)->setFont(heading);
  FNeedImage = new QLabel(food);
  FLayout.Place(FNeedImage, Left, 108, TFoodStatus::AreaWidth, TFoodStatus::NeedRows * TFoodStatus::PictureStep);
  FPortionLabel = FixedText(food, TFoodStatus::PortionText, Left, 131, Width, 22, true);
  FPortionLabel->setFont(FLayout.PixelFont("MS Sans Serif", 9));
  FFedLabel = Text(food, {}, Left, 155, Width, 28, true);
  FForecastLabel = Text(food, {}, Left - 2, 186, Width + 4, 44, true);
  FForecastLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  FForecastLabel->hide();
  return food;
}

void TVillageStatusForm::ShowTab(TTab tab) { FPages->setCurrentIndex(static_cast<int>(tab)); }

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
  FHumanImage->setPixmap(PictureAreaImage(status.People, FPictures.SmallCattle, ButtonFace, 12).scaled(FHumanImage->size()));
  FCattleImage->setPixmap(PictureAreaImage(status.Animals, FPictures.SmallCattle, ButtonFace, 12).scaled(FCattleImage->size()));
  QPixmap goods = PictureAreaImage(status.Goods, FPictures.Goods, ButtonFace, 20);
  QPainter painter(&goods);
  painter.setPen(Qt::red);
  painter.setBrush(Qt::red);
  for (const TPicturePlacement& dot : status.MissingDots) painter.drawEllipse(dot.X, dot.Y, 6, 6);
  painter.end();
  FTradeImage->SetGoods(goods.scaled(FTradeImage->size()), status.GoodsLabels);
  UpdateFood();
}

// Whole portions, then the last one cut to the share of a portion the rest of the food makes.
QPixmap TVillageStatusForm::FoodImage(const TFoodPictures& food, QSize size) const {
  TPictureArea whole = food.Area;
  std::optional<TPicturePlacement> part;
  if (food.LastShare < 1 && !whole.Pictures.empty()) {
    part = whole.Pictures.back();
    whole.Pictures.pop_back();
  }
  QPixmap image = PictureAreaImage(whole, FPictures.Food, ButtonFace, TFoodStatus::PictureSize);
  if (part) {
    TPictureArea last{food.Area.Width, food.Area.Height, {*part}};
    const QPixmap lastImage = PictureAreaImage(last, FPictures.Food, ButtonFace, TFoodStatus::PictureSize);
    QPainter painter(&image);
    const int shown = static_cast<int>(TFoodStatus::PictureSize * food.LastShare + 0.5);
    const QRect cut(part->X, part->Y, shown, TFoodStatus::PictureSize);
    painter.drawPixmap(cut, lastImage, cut);
    // The cut edge is drawn, so a part of a portion reads as a piece cut off.
    painter.setPen(QPen(QColor(90, 60, 30), 1));
    painter.drawLine(cut.topRight(), cut.bottomRight());
  }
  return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TVillageStatusForm::UpdateFood() {
  const TFoodStatus food(*FVillage, FForecast);
  FStoreImage->setPixmap(FoodImage(food.StorePictures, FStoreImage->size()));
  FNeedImage->setPixmap(FoodImage(food.NeedPictures, FNeedImage->size()));
  FFedLabel->setText(QString::fromStdString(food.FedText));
  FStoreLabel->setText(QString::fromStdString(food.StoreText));
  const QString forecast = QString::fromStdString(food.ForecastText);
  FForecastLabel->setText(forecast);
  FForecastLabel->setStyleSheet(QString("QLabel { border: 2px solid %1; border-radius: 4px; padding: 1px 3px; }")
                                    .arg(TForecastLine::EdgeColour(TForecastLine::FoodMoodOf(FForecast)).name()));
  FForecastLabel->setVisible(!forecast.isEmpty());
}

}  // namespace fjordheim
