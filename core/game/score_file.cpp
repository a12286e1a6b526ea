#include "core/game/score_file.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "core/common/atomic_file.h"
#include "core/common/file_messages.h"
#include "core/common/lines.h"
#include "core/common/path_resolver.h"
#include "core/common/translation.h"

namespace fjordheim {

TScoreFile::TScoreFile(std::string path) : FPath(std::move(path)) {}

std::string TScoreFile::PathIn(const std::string& gamePath) { return gamePath + ScoreFileName; }

TScoreOutcome TScoreFile::RecordGameEnd(const std::string& chiefName, std::int32_t score, TMessageSink& sink) {
  TScoreOutcome outcome;
  outcome.ScoreText = ScoreText(score);
  TScoreList list;
  if (!Exists()) {
    list = TScoreList::StartedBy(chiefName, score);
    outcome.Listed = true;
  } else if (Read(list, sink)) {
    outcome.Listed = list.Insert(chiefName, score);
  } else {
    outcome.Lines = list.Lines();
    return outcome;
  }
  outcome.Saved = Write(list, sink);
  outcome.Lines = list.Lines();
  return outcome;
}

bool TScoreFile::RemoveEntry(const std::string& chiefName, std::int32_t score, TMessageSink& sink) {
  TScoreList list;
  if (!Exists() || !Read(list, sink)) return false;
  if (!list.Remove(chiefName, score)) return false;
  return Write(list, sink);
}

std::string TScoreFile::ScoreText(std::int32_t score) {
  return TrPlural("Du fikk {0} poeng.", "Du fikk {0} poeng.", score, score);
}

bool TScoreFile::Exists() const {
  std::error_code error;
  return std::filesystem::exists(ResolvePath(FPath), error);
}

bool TScoreFile::Read(TScoreList& list, TMessageSink& sink) const {
  std::string bytes;
  if (!ReadWholeFile(FPath, bytes)) {
    sink.ShowMessage(CannotReadFileMessage(FPath));
    return false;
  }
  list = TScoreList::FromBytes(bytes);
  return true;
}

bool TScoreFile::Write(const TScoreList& list, TMessageSink& sink) const {
  if (WriteFileAtomically(FPath, list.ToBytes())) return true;
  sink.ShowMessage(CannotWriteFileMessage(FPath));
  return false;
}

}  // namespace fjordheim
