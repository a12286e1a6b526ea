#include "tools/assetgen/speaker.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThreadPool>
#include <QtConcurrent>
#include <atomic>
#include <utility>

#include "tools/assetgen/sound_book.h"

namespace fjordheim {

namespace {

constexpr int SpeechTimeoutMs = 30000;
constexpr int ParallelVoices = 4;

QString FilePath(const QString& soundFolder, const QString& name) {
  return QDir(soundFolder).filePath(QString(name).replace('\\', '/'));
}

}  // namespace

TSpeaker::TSpeaker(QString voice)
    : FProgram(QStandardPaths::findExecutable("espeak-ng")), FVoice(std::move(voice)) {}

TWave TSpeaker::Speak(const QString& text, const QString& name) const {
  const std::optional<TWave> spoken = Spoken(text);
  return spoken ? *spoken : TSoundBook::StandInTone(name);
}

std::optional<TWave> TSpeaker::Spoken(const QString& text) const {
  if (!Available() || text.trimmed().isEmpty()) return std::nullopt;
  QProcess espeak;
  espeak.start(FProgram, {"-v", FVoice, "-s", "150", "--stdout", text});
  if (!espeak.waitForFinished(SpeechTimeoutMs) || espeak.exitCode() != 0) {
    espeak.kill();
    espeak.waitForFinished();
    return std::nullopt;
  }
  std::optional<TWave> wave = TWave::Parse(espeak.readAllStandardOutput());
  if (!wave || wave->Samples.empty()) return std::nullopt;
  return wave;
}

int TSpeaker::SpeakAll(const std::vector<TSpokenLine>& lines, const QString& soundFolder) const {
  std::atomic<int> tones = 0;
  QThreadPool pool;
  pool.setMaxThreadCount(ParallelVoices);
  QtConcurrent::blockingMap(&pool, lines.begin(), lines.end(), [&](const TSpokenLine& line) {
    const QString path = FilePath(soundFolder, line.Sound);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::optional<TWave> spoken = Spoken(line.Text);
    if (!spoken) ++tones;
    (spoken ? *spoken : TSoundBook::StandInTone(line.Sound)).Save(path);
  });
  return tones;
}

}  // namespace fjordheim
