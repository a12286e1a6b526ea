#pragma once

#include <QWidget>

#include <functional>
#include <utility>

#include "core/common/message_sink.h"
#include "gui/dialogs/game_layout.h"

namespace fjordheim {

/// Shows each message in a plain modal message box titled "Fjordheim", its text at the
/// scale the layout source gives (the game's, once the game window is up).
class TMessageBoxSink : public TMessageSink {
 public:
  explicit TMessageBoxSink(QWidget* parent = nullptr) : FParent(parent) {}
  void ShowMessage(const std::string& text) override;
  void SetParent(QWidget* parent) { FParent = parent; }
  void SetLayoutSource(std::function<TGameLayout()> layout) { FLayout = std::move(layout); }

 private:
  QWidget* FParent;
  std::function<TGameLayout()> FLayout;
};

}  // namespace fjordheim
