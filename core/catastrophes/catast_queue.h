#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/catastrophes/catast_node.h"
#include "core/common/message_sink.h"
#include "core/common/random.h"

namespace fjordheim {

/// The events of "Catasts.txt", dealt one at a time in a shuffled order: every event comes
/// once per cycle, each cycle in a fresh order, and the cycles follow each other without
/// end. The event at the head waits there until its season comes.
class TCatastQueue {
 public:
  /// Reads the events of the file and deals the first. A file that cannot be read gives
  /// "Kan ikke lese filen: " and the path as passed; the queue is then empty and deals none.
  void ReadFile(const std::string& path, TMessageSink& messages, TRandom& random);

  /// Replaces the events by these and deals the first.
  void Fill(std::vector<TCatastNode> nodes, TRandom& random);

  /// Makes the next event of the cycle current; when the cycle is used up, shuffles a new
  /// one first, drawing one index per event.
  void Next(TRandom& random);

  /// The event at the head of the queue; none while the queue holds no events.
  const TCatastNode* Current() const;

  /// Every event, in file order.
  const std::vector<TCatastNode>& All() const { return FAll; }

  /// The events of this cycle still to come after the current one.
  std::size_t PendingCount() const { return FPending.size(); }

  /// The lines the last ReadFile passed over, as `Data/Catasts.txt:42: ignored: "text"`.
  const std::vector<std::string>& IgnoredLines() const { return FIgnoredLines; }

 private:
  void Shuffle(TRandom& random);

  std::vector<TCatastNode> FAll;
  std::deque<std::size_t> FPending;
  std::optional<std::size_t> FCurrent;
  std::vector<std::string> FIgnoredLines;
};

}  // namespace fjordheim
