#include "core/catastrophes/catast_queue.h"

#include <bit>
#include <utility>

#include "core/catastrophes/catast_file.h"
#include "core/common/file_messages.h"
#include "core/common/lines.h"

namespace fjordheim {
namespace {

// The entries 0 .. n-1 still to be drawn, in their order; finding and removing the k-th of
// them takes logarithmic time, so a file with very many events is still dealt at once.
class TRemainingEntries {
 public:
  explicit TRemainingEntries(std::size_t count) : FTree(count + 1, 0), FCount(count) {
    for (std::size_t i = 1; i <= count; ++i) {
      FTree[i] += 1;
      const std::size_t parent = i + (i & (~i + 1));
      if (parent <= count) FTree[parent] += FTree[i];
    }
  }

  std::size_t Size() const { return FCount; }

  std::size_t TakeKth(std::size_t k) {
    std::size_t position = 0;
    for (std::size_t step = std::bit_floor(FTree.size() - 1); step > 0; step >>= 1) {
      if (position + step < FTree.size() && FTree[position + step] <= k) {
        position += step;
        k -= FTree[position];
      }
    }
    for (std::size_t i = position + 1; i < FTree.size(); i += i & (~i + 1)) FTree[i] -= 1;
    --FCount;
    return position;
  }

 private:
  std::vector<std::size_t> FTree;
  std::size_t FCount;
};

}  // namespace

void TCatastQueue::ReadFile(const std::string& path, TMessageSink& messages, TRandom& random) {
  std::vector<std::string> lines;
  if (!Read1252Lines(path, lines)) {
    messages.ShowMessage(CannotReadFileMessage(path));
  }
  TCatastFile file = TCatastFile::FromLines(lines);
  FIgnoredLines = file.IgnoredLines(path);
  Fill(std::move(file.Nodes), random);
}

void TCatastQueue::Fill(std::vector<TCatastNode> nodes, TRandom& random) {
  FAll = std::move(nodes);
  FPending.clear();
  FCurrent.reset();
  Next(random);
}

void TCatastQueue::Next(TRandom& random) {
  if (FPending.empty()) Shuffle(random);
  if (FPending.empty()) {
    FCurrent.reset();
    return;
  }
  FCurrent = FPending.front();
  FPending.pop_front();
}

// Draws the cycle one event at a time from the events not yet drawn.
void TCatastQueue::Shuffle(TRandom& random) {
  TRemainingEntries work(FAll.size());
  while (work.Size() > 0) {
    const auto k = static_cast<std::size_t>(random.Random(static_cast<std::int32_t>(work.Size())));
    FPending.push_back(work.TakeKth(k));
  }
}

const TCatastNode* TCatastQueue::Current() const { return FCurrent ? &FAll[*FCurrent] : nullptr; }

}  // namespace fjordheim
