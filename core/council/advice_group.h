#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/line_use.h"
#include "core/common/message_sink.h"
#include "core/common/random.h"
#include "core/council/advice_node.h"

namespace fjordheim {

/// The pool of advice of one advice season, in file order.
class TAdviceGroup {
 public:
  /// Reads the file and appends the advice of that season; a file that cannot be read gives
  /// "Kan inte läsa filen: " and the path, and adds nothing.
  void ReadSeason(const std::string& path, std::string_view seasonKeyword, TMessageSink& sink);

  /// Appends the advice of that season from lines already read; marks in `use` (when given)
  /// every line that took part in it.
  void ReadSeason(const std::vector<std::string>& lines, std::string_view seasonKeyword,
                  TLineUse* use = nullptr);

  /// A uniformly chosen advice of that area, whatever its place in the pool; none when the
  /// pool holds no advice of that area.
  const TAdviceNode* PickRandom(TAdviceArea area, TRandom& random) const;

  bool HasAdvice(TAdviceArea area) const;

  /// The pool in file order.
  const std::deque<TAdviceNode>& Nodes() const { return FNodes; }

 private:
  std::size_t ReadNodeBody(const std::vector<std::string>& lines, std::size_t index, TAdviceArea area,
                           TLineUse* use);

  // A deque keeps the addresses that the generator's current advice refers to.
  std::deque<TAdviceNode> FNodes;
};

}  // namespace fjordheim
