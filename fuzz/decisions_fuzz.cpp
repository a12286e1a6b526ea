#include <cstddef>
#include <cstdint>
#include <set>
#include <string_view>

#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/decisions/decision_board.h"

// A decision file from arbitrary bytes: it is read, drawn a few times and played through the
// board; a complete file must always offer three right tasks and two different wrong ones.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TRandom random(size);
  TDecisionGenerator generator(SplitLines(Utf8From1252(bytes)), "elsesumm.dec", random);
  TDecisionBoard board;
  board.SetGenerator(&generator, random);
  for (int round = 0; round < 4; ++round) {
    board.Redraw(random);
    board.Open();
    if (generator.IsComplete()) {
      std::set<const TDecisionNode*> wrong;
      int right = 0;
      for (int i = 0; i < generator.OptionCount(); ++i) {
        if (generator.Option(i)->Right) {
          ++right;
        } else {
          wrong.insert(generator.Option(i));
        }
      }
      if (generator.OptionCount() != 5 || right != 3 || wrong.size() != 2) __builtin_trap();
    }
    for (int row = 0; row < TDecisionBoard::RowCount; ++row) {
      if (bytes.size() > static_cast<std::size_t>(row) && (bytes[static_cast<std::size_t>(row)] & (1 << round))) {
        (void)board.Tick(row);
      }
    }
    (void)board.Confirm();
    (void)board.Score();
  }
  (void)generator.IgnoredLines();
  return 0;
}
