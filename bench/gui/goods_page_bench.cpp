#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "gui/controls/picture_list.h"
#include "gui/controls/picture_loader.h"
#include "gui/trade/goods_container.h"
#include "gui/trade/goods_divider.h"
#include "gui/trade/goods_icon.h"
#include "gui/trade/separated_goods_container.h"

namespace fjordheim {
namespace {

std::string PicturesFolder() { return (QCoreApplication::applicationDirPath() + "/../game/Bilder/").toStdString(); }

// Sixty selected units of the player are dragged to and fro across the trading page; each
// step is one pointer move and the repaint of what it changed, red dots and bubble included.
void BM_TradingPageDragSixtyUnits(benchmark::State& state) {
  TPictureLoader loader;
  const QPixmap scene = QPixmap::fromImage(loader.Load(PicturesFolder() + "Trade.bmp"));
  const TPictureList pictures = CreatePictureList(
      qRgb(255, 0, 255), {"i_silver", "i_barnst", "i_furs", "i_iron", "i_jewel", "i_weap"}, PicturesFolder(), loader);
  if (scene.isNull() || pictures.Size().isEmpty()) {
    state.SkipWithError("the game's pictures are not made");
    return;
  }
  TGoodsDivider page(nullptr, scene);
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
