#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/settings/settings.h"
#include "gui/app/main_form.h"
#include "gui/app/scaled_view.h"
#include "gui/app/screen_game.h"
#include "gui/controls/picture_button.h"
#include "gui/trade/market_dlg.h"
#include "gui/trade/market_form.h"

namespace fjordheim {
namespace {

QString GameFolder() { return QCoreApplication::applicationDirPath() + "/../game"; }

// Notes the first paint of any widget of a window of the given kind.
template <typename TWindow>
class TFirstPaint : public QObject {
 public:
  TFirstPaint() { qApp->installEventFilter(this); }
  ~TFirstPaint() override { qApp->removeEventFilter(this); }
  bool Painted() const { return FPainted; }
  void Reset() { FPainted = false; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !FPainted) {
      if (auto* widget = qobject_cast<QWidget*>(watched); widget && dynamic_cast<TWindow*>(widget->window())) {
        FPainted = true;
      }
    }
    return false;
  }

 private:
  bool FPainted = false;
};

// The chief presses the trade button of the real game with the real data set: the time
// until the choice of markets is painted, plus the time from his choice of Kaupang until the
// market page is painted. His own thinking between the two is not counted.
void BM_TradeButtonToMarketPagePainted(benchmark::State& state) {
  if (!QFileInfo::exists(GameFolder() + "/Bilder/market.bmp")) {
    state.SkipWithError("the game's files are not made");
    return;
  }
  TRandom random(7);
  TSettings settings((GameFolder() + "/fjordheim").toStdString(), random);
  TCollectingMessageSink sink;
  TMainForm form(settings, random, sink);
  auto* game = dynamic_cast<TScreenGame*>(&form.Actions());
  game->Controller().SetAutosave(false);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    state.SkipWithError("the game's window never showed");
    return;
  }
  settings.ChiefName = "Ingrid";
  form.Actions().NewGame();
  form.ShowGame();
  TPictureButton* trade = form.Button(TMainForm::TButton::Trade);
  const QPointF shown = form.View()->Scale().ToScreen(trade->mapTo(form.Screen(), trade->rect().center()));
  const QPoint press(static_cast<int>(shown.x()), static_cast<int>(shown.y()));

  TFirstPaint<TMarketDlg> choicePainted;
  TFirstPaint<TMarketForm> marketPainted;
  QElapsedTimer clock;
  qint64 toChoice = 0;
  qint64 toMarket = 0;
  QTimer watcher;
  watcher.setInterval(0);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* choice = dynamic_cast<TMarketDlg*>(modal); choice && choicePainted.Painted() && toChoice == 0) {
      toChoice = clock.nsecsElapsed();
      choice->MarketLB()->setCurrentRow(0);
      clock.restart();
      choice->OkBtn()->click();
    } else if (auto* market = dynamic_cast<TMarketForm*>(modal); market && marketPainted.Painted() && toMarket == 0) {
      toMarket = clock.nsecsElapsed();
      market->Avsluta()->click();
    }
  });
  watcher.start();
  for (auto _ : state) {
    if (!trade->isVisible()) {
      state.SkipWithError("the trade button went away after a visit without a trade");
      break;
    }
    choicePainted.Reset();
    marketPainted.Reset();
    toChoice = toMarket = 0;
    clock.start();
    QTest::mouseClick(form.View()->viewport(), Qt::LeftButton, {}, press);
    state.SetIterationTime(static_cast<double>(toChoice + toMarket) / 1e9);
  }
  state.SetLabel("press to choice painted + Kaupang chosen to market page painted");
}
BENCHMARK(BM_TradeButtonToMarketPagePainted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace fjordheim
