#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/settings/language.h"
#include "core/settings/settings.h"
#include "gui/app/main_form.h"

namespace fjordheim {
namespace {

QString GameFolder() { return QCoreApplication::applicationDirPath() + "/../game"; }

// The built game with a settings file of its own, since a choice of language is written there.
bool MakePlayFolder(const QTemporaryDir& folder) {
  const QDir root(folder.path());
  bool made = true;
  for (const char* name : {"Bilder", "Sound", "Data", "Html", "locale", "nn", "en"}) {
    made = QFile::link(GameFolder() + "/" + name, root.filePath(name)) && made;
  }
  return QFile::copy(GameFolder() + "/tunstad.ini", root.filePath("tunstad.ini")) && root.mkpath("Game") &&
         root.mkpath("Bookm") && made;
}

// The pupil clicks the title's languages in turn, Nynorsk, English, Bokmål, with the real
// data set: each time until the game has read the language's content and the window has
// rewritten its texts and painted them.
void BM_LanguageChoiceToTitleRewritten(benchmark::State& state) {
  QTemporaryDir folder;
  if (!QFileInfo::exists(GameFolder() + "/en/Data/advice.txt") || !MakePlayFolder(folder)) {
    state.SkipWithError("the game's files are not made");
    return;
  }
  TRandom random(7);
  TSettings settings(QDir(folder.path()).filePath("fjordheim").toStdString(), random);
  TCollectingMessageSink sink;
  TMainForm form(settings, random, sink);
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) {
    state.SkipWithError("the game's window never showed");
    return;
  }
  std::size_t next = 1;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    form.LanguageButton(next)->click();
    QCoreApplication::processEvents();
    form.repaint();
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    if (settings.Language().Code() != GameLanguages[next]) {
      state.SkipWithError("the click did not change the language");
      break;
    }
    next = (next + 1) % GameLanguages.size();
  }
  if (!sink.Messages.empty()) state.SkipWithError(sink.Messages.front().c_str());
  state.SetLabel("click to content read and texts painted");
}
BENCHMARK(BM_LanguageChoiceToTitleRewritten)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
}  // namespace fjordheim
