#include "core/common/throttled_message_sink.h"

#include "core/common/translation.h"

namespace fjordheim {

TThrottledMessageSink::TThrottledMessageSink(TMessageSink& inner) : FInner(inner) {}

void TThrottledMessageSink::ShowMessage(const std::string& text) {
  if (FShowing || FFirstHeld) {
    Count();
  } else if (FHoldDepth > 0) {
    FFirstHeld = text;
  } else {
    Show(text);
  }
}

void TThrottledMessageSink::Count() {
  ++FHeldBack;
  ++FHeldBackTotal;
}

void TThrottledMessageSink::Hold() { ++FHoldDepth; }

void TThrottledMessageSink::Release() {
  if (FHoldDepth == 0 || --FHoldDepth > 0 || !FFirstHeld) return;
  const std::string first = std::move(*FFirstHeld);
  FFirstHeld.reset();
  if (FShowing) {
    Count();
  } else {
    Show(first);
  }
}

// The messages that come while the box is open are summed in one box after it; those that come
// while that one is open are summed after the next message, so a flood never opens box after box.
void TThrottledMessageSink::Show(const std::string& text) {
  FShowing = true;
  FInner.ShowMessage(text);
  if (FHeldBack > 0) {
    const std::size_t count = FHeldBack;
    FHeldBack = 0;
    FInner.ShowMessage(MessagesNotShownText(count));
  }
  FShowing = false;
}

std::string MessagesNotShownText(std::size_t count) {
  return TrPlural("1 melding til fra nettverket ble ikke vist.", "{0} meldinger til fra nettverket ble ikke vist.",
                  static_cast<std::int64_t>(count), count);
}

}  // namespace fjordheim
