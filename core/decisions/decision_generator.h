#pragma once

#include <array>
#include <deque>
#include <string>
#include <vector>

#include "core/common/line_use.h"
#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/decisions/decision_node.h"

namespace fjordheim {

/// The tasks of one decision file (three groups of right tasks and one of wrong ones) and
/// the five of them offered this season: one of each right group and two different wrong
/// ones, in random order.
class TDecisionGenerator {
 public:
  static constexpr int OfferedCount = 5;
  static constexpr int RightGroupCount = 3;

  /// Reads the file and makes a first draw; a file that cannot be read gives
  /// "Kan ikke lese filen: " and the path once and leaves the generator without tasks.
  TDecisionGenerator(const std::string& path, TRandom& random, TMessageSink& sink);

  /// Reads lines already read and makes a first draw; `sourceName` names them in messages.
  TDecisionGenerator(const std::vector<std::string>& lines, std::string sourceName, TRandom& random);

  // The wrong list and the offered tasks point into the groups, so a copy would point into
  // the original.
  TDecisionGenerator(const TDecisionGenerator&) = delete;
  TDecisionGenerator& operator=(const TDecisionGenerator&) = delete;
  TDecisionGenerator(TDecisionGenerator&&) = default;
  TDecisionGenerator& operator=(TDecisionGenerator&&) = default;

  /// A new draw of the offered tasks. A generator with too few tasks offers what it has.
  void DrawOptions(TRandom& random);

  /// The offered task at position 0..4; none beyond what an incomplete file could offer.
  const TDecisionNode* Option(int i) const;

  /// How many tasks are offered: five, unless the file is incomplete.
  int OptionCount() const { return static_cast<int>(FOffered.size()); }

  /// True when every right group has a task and there are two different wrong tasks.
  bool IsComplete() const { return MissingTasks().empty(); }

  /// What keeps the file from a full draw, one sentence each for the player, as
  /// `elsesumm.dec: gruppe 2 har ingen oppgave`; empty when complete.
  std::vector<std::string> MissingTasks() const;

  /// Right group 1..3 in file order.
  const std::deque<TDecisionNode>& RightGroup(int group) const;

  /// The wrong list in file order; a task with two x lines stands in it twice.
  const std::vector<const TDecisionNode*>& WrongList() const { return FWrongList; }

  /// Every non-blank line that added nothing, as `elsesumm.dec:12: ignored: "GRUPP 4"`;
  /// the lines of a wrong task that never got its x line are among them.
  const std::vector<std::string>& IgnoredLines() const { return FIgnoredLines; }

 private:
  void Read(const std::vector<std::string>& lines);
  std::size_t ReadRightGroup(const std::vector<std::string>& lines, std::size_t index,
                             std::deque<TDecisionNode>& group, TLineUse& use);
  std::size_t ReadWrongGroup(const std::vector<std::string>& lines, std::size_t index, TLineUse& use);
  int DifferentWrongTasks() const;
  void InsertAtRandom(const TDecisionNode* task, TRandom& random);

  std::string FSourceName;
  std::array<std::deque<TDecisionNode>, RightGroupCount> FRightGroups;
  // Each wrong task is owned once here, though the wrong list may name it twice.
  std::deque<TDecisionNode> FWrongTasks;
  std::vector<const TDecisionNode*> FWrongList;
  std::vector<const TDecisionNode*> FOffered;
  std::vector<std::string> FIgnoredLines;
};

}  // namespace fjordheim
