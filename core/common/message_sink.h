#pragma once

#include <string>
#include <vector>

namespace fjordheim {

/// Where core sends a plain message for the player (a data file that cannot be read, a
/// damaged saved game). The game shows it in a message box; tests collect it.
class TMessageSink {
 public:
  virtual ~TMessageSink() = default;
  virtual void ShowMessage(const std::string& text) = 0;
};

/// Keeps every message in order; for tests and for the headless tools.
class TCollectingMessageSink : public TMessageSink {
 public:
  void ShowMessage(const std::string& text) override { Messages.push_back(text); }
  std::vector<std::string> Messages;
};

}  // namespace fjordheim
