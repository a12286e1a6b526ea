#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/catastrophes/catast_file.h"
#include "core/catastrophes/catast_queue.h"
#include "core/catastrophes/catastrophe_check.h"
#include "core/common/text.h"

using namespace fjordheim;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

bool IsTrimmed(const std::string& text) { return Trim(text) == text; }

}  // namespace

// Any bytes make an event file: every field comes out trimmed, a whole cycle deals every
// event once, and the check may run at any season without harm.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TCatastFile file = TCatastFile::FromBytes(bytes);
  for (const TCatastNode& node : file.Nodes) {
    Require(IsTrimmed(node.Key) && IsTrimmed(node.Sound) && IsTrimmed(node.Picture) && IsTrimmed(node.Heading));
    for (const std::string& line : node.Text) Require(IsTrimmed(line));
  }
  file.IgnoredLines("Data/Catasts.txt");

  const std::size_t count = file.Nodes.size();
  TRandom random(static_cast<std::uint32_t>(size));
  TCatastQueue queue;
  queue.Fill(std::move(file.Nodes), random);
  Require((queue.Current() == nullptr) == (count == 0));
  Require(count == 0 || queue.PendingCount() == count - 1);

  TVillage village;
  TCatastropheCheck check(queue, random, 2, 0);
  check.NewGame();
  for (int change = 0; change < 16; ++change) {
    check.CountDown();
    check.CheckCatastrophe(static_cast<TSeason>(change % 4), village, nullptr);
  }
  return 0;
}
