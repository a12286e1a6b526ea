#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/game/first_decision_quiz.h"

// "Correct.que" and "False.que" from arbitrary bytes, split at the first zero byte.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = std::min(bytes.find('\0'), bytes.size());
  const std::string_view correct = bytes.substr(0, split);
  const std::string_view wrong = split < bytes.size() ? bytes.substr(split + 1) : std::string_view();
  const TFirstDecisionQuiz quiz(SplitLines(Utf8From1252(correct)), SplitLines(Utf8From1252(wrong)));
  TRandom random(size);
  const auto draw = quiz.Draw(random);
  if (draw.has_value() != quiz.CanDraw()) __builtin_trap();
  (void)quiz.IgnoredLines();
  return 0;
}
