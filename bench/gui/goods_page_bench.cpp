#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <memory>
#include <vector>

#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/separated_goods_container.h"

namespace fjordheim {
namespace {

QPixmap TableScene() {
  QImage image(640, 480, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 640, 480);
  gradient.setColorAt(0, QColor(90, 60, 40));
  gradient.setColorAt(1, QColor(170, 130, 80));
  painter.fillRect(image.rect(), gradient);
  return QPixmap::fromImage(image);
}

TPictureList GoodsPictures() {
  std::vector<QImage> pictures;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    QImage picture(20, 20, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(QColor::fromHsv(kind * 60, 200, 220));
    painter.drawEllipse(1, 1, 18, 18);
    painter.end();
    pictures.push_back(picture);
  }
  return TPictureList(QSize(20, 20), std::move(pictures));
}

// Sixty selected units of the player are dragged to and fro across the trading page; each
// step is one pointer move and the repaint of what it changed, red dots and bubble included.
void BM_TradingPageDragSixtyUnits(benchmark::State& state) {
  const TPictureList pictures = GoodsPictures();
  TGoodsDivider page(nullptr, TableScene());
  TGoodsContainer theirs(&page, SideCounterpart, {16, 30, 213, 219});
  TGoodsContainer mine(&page, SidePlayer, {16, 227, 213, 394});
  TSeparatedGoodsContainer table(&page, SideAny, {215, 267, 553, 412});
  table.MarginY = 30;
  for (TGoodsContainer* container : {&theirs, &mine, static_cast<TGoodsContainer*>(&table)}) {
    page.AddGoodsContainer(container);
  }
  mine.Demands.fill(12);
  std::vector<std::unique_ptr<TGoodsIcon>> units;
  for (int i = 0; i < 60; ++i) {
    units.push_back(std::make_unique<TGoodsIcon>(static_cast<TGoodsKind>(i % GoodsKindCount), 0, 0, SidePlayer, &pictures));
    units.back()->SetContainer(&mine);
    page.AddIcon(units.back().get());
  }
  page.ArrangeAll();
  page.show();
  QApplication::processEvents();
  for (auto& unit : units) unit->SetSelected(true);
  const TWorkRect first = units.front()->Bounds();
  const QPoint start(first.Left + 10, first.Top + 10);
  QTest::mousePress(&page, Qt::LeftButton, {}, start);
  int step = 0;
  for (auto _ : state) {
    const int dx = (step / 40) % 2 == 0 ? 6 : -6;
    const QPoint to(start.x() + 100 + dx * (step % 40), start.y() - 2 * (step % 40));
    QTest::mouseMove(&page, to);
    QApplication::processEvents();
    ++step;
  }
  QTest::mouseRelease(&page, Qt::LeftButton, {}, start);
  state.SetLabel("one pointer move of 60 units and its repaint");
}
BENCHMARK(BM_TradingPageDragSixtyUnits)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fjordheim
