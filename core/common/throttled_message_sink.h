#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/common/message_sink.h"

namespace fjordheim {

/// Shows at most one message at a time. The game's message boxes are modal, and while one is open
/// the network keeps delivering, so a flood of bad input would stack up boxes; the messages that
/// come while a box is open are only counted, and the count is shown in one box when it closes
/// (what comes while that box is open is summed after the next message). Between Hold and Release
/// (one arrival of network data) only the first message is kept, to be shown on Release; the
/// others are counted the same way.
class TThrottledMessageSink : public TMessageSink {
 public:
  /// Passes messages on to inner, which shows them and returns when the player has closed the box.
  explicit TThrottledMessageSink(TMessageSink& inner);

  void ShowMessage(const std::string& text) override;

  /// Keeps messages back until the matching Release; holds may nest.
  void Hold();
  /// Shows the first message kept since the outermost Hold, and the count of the others.
  void Release();

  /// How many messages were held back, in all.
  std::size_t HeldBack() const { return FHeldBackTotal; }

 private:
  void Show(const std::string& text);
  void Count();

  TMessageSink& FInner;
  bool FShowing = false;
  std::size_t FHoldDepth = 0;
  std::optional<std::string> FFirstHeld;
  std::size_t FHeldBack = 0;
  std::size_t FHeldBackTotal = 0;
};

/// The line that sums up the messages not shown while a box was open.
std::string MessagesNotShownText(std::size_t count);

}  // namespace fjordheim
