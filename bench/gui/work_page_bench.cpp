#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <memory>
#include <vector>

#include "core/work/work_places.h"
#include "gui/work/human.h"
#include "gui/work/human_container.h"
#include "gui/work/human_container_ii.h"
#include "gui/work/human_divider.h"

namespace fjordheim {
namespace {

QPixmap Background() {
  QImage image(563, 480, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient gradient(0, 0, 563, 480);
  gradient.setColorAt(0, QColor(40, 90, 40));
  gradient.setColorAt(1, QColor(150, 120, 60));
  painter.fillRect(image.rect(), gradient);
  return QPixmap::fromImage(image);
}

TIconPictures PeoplePictures() {
  std::vector<QImage> pictures;
  for (QColor colour : {QColor(40, 40, 160), QColor(160, 40, 40), QColor(40, 160, 40)}) {
    QImage picture(32, 45, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setBrush(colour);
    painter.drawEllipse(4, 2, 24, 40);
    painter.end();
    pictures.push_back(picture);
  }
  return TPictureList(QSize(32, 45), std::move(pictures));
}

// Thirty selected people are dragged to and fro across the work page; each step is one
// pointer move and the repaint of what it changed.
void BM_WorkPageDragThirtyIcons(benchmark::State& state) {
  const QPixmap background = Background();
  const TIconPictures pictures = PeoplePictures();
  THumanDivider divider(nullptr, background);
  for (const TWorkPlace& place : WorkPlaces) {
    divider.AddContainer(std::make_unique<THumanContainer>(&divider, place.Bounds, place.Kind));
  }
  auto* idle = divider.AddContainer(std::make_unique<THumanContainerII>(&divider, IdleStripBounds, TWorkKind::Idle));
  std::vector<THumanInfo> people;
  for (int i = 0; i < 30; ++i) people.emplace_back(i % 2 == 0 ? TSex::Male : TSex::Female, 10 + i, TWorkKind::Idle);
  std::vector<std::unique_ptr<THuman>> icons;
  for (auto& person : people) {
    icons.push_back(std::make_unique<THuman>(&divider, 0, 0, &person, &pictures, idle));
    divider.AddIcon(icons.back().get());
  }
  idle->Arrange();
  divider.show();
  QApplication::processEvents();
  for (auto& icon : icons) icon->SetSelected(true);
  const TWorkRect first = icons.back()->Bounds();
  const QPoint start(first.Left + 20, first.Top + 20);
  QTest::mousePress(&divider, Qt::LeftButton, {}, start);
  int step = 0;
  for (auto _ : state) {
    const int dx = (step / 40) % 2 == 0 ? 5 : -5;
    const QPoint to(start.x() + dx * (step % 40), start.y() + 3 * (step % 40));
    QTest::mouseMove(&divider, to);
    QApplication::processEvents();
    ++step;
  }
  QTest::mouseRelease(&divider, Qt::LeftButton, {}, start);
  state.SetLabel("one pointer move and its repaint");
}
BENCHMARK(BM_WorkPageDragThirtyIcons)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fjordheim

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
