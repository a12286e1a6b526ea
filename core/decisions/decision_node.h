#pragma once

#include <cstdint>
#include <string>

namespace fjordheim {

/// One task offered in the decision window. A right task scores +1; a wrong one carries
/// the explanation shown when it was picked and a negative score (its penalty negated).
struct TDecisionNode {
  bool Right = false;
  std::string Text;
  std::string Explanation;
  std::int32_t Score = 0;
};

}  // namespace fjordheim
