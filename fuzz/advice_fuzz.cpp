#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/common/lines.h"
#include "core/common/text.h"
#include "core/council/advice_generator.h"

// advice.txt from arbitrary bytes: every pool is read and every meeting drawn.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TAdviceGenerator generator(SplitLines(Utf8From1252(bytes)), "advice.txt");
  TRandom random(size);
  for (int season = 0; season < AdviceSeasonCount; ++season) {
    generator.SelectAdvice(static_cast<TAdviceSeason>(season), random);
    for (int area = 0; area < AdviceAreaCount; ++area) {
      const TAdviceNode* node = generator.AdviceNode(area);
      if (node && static_cast<int>(node->Area) != area) __builtin_trap();
      (void)generator.AdviceText(area);
    }
  }
  (void)generator.MissingAdvice();
  (void)generator.IgnoredLines();
  return 0;
}
