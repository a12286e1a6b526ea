#pragma once

#include <QWidget>

#include "core/common/message_sink.h"

namespace fjordheim {

/// Shows each message in a plain modal message box titled "Fjordheim".
class TMessageBoxSink : public TMessageSink {
 public:
  explicit TMessageBoxSink(QWidget* parent = nullptr) : FParent(parent) {}
  void ShowMessage(const std::string& text) override;
  void SetParent(QWidget* parent) { FParent = parent; }

 private:
  QWidget* FParent;
};

}  // namespace fjordheim
