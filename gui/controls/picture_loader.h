#pragma once

#include <QImage>

#include <set>
#include <string>

#include "core/common/message_sink.h"

namespace fjordheim {

inline constexpr const char* MissingPicturePrefix = "Finner ikke bildet ";

/// Loads the game's pictures from game paths. A picture that is missing or unreadable
/// gives a null image, drawn as an empty area, and is reported once per path, so that a
/// gap in the data set is seen without a box at every repaint.
class TPictureLoader {
 public:
  explicit TPictureLoader(TMessageSink* sink = nullptr) : FSink(sink) {}

  QImage Load(const std::string& gamePath);
  void SetSink(TMessageSink* sink) { FSink = sink; }

 private:
  TMessageSink* FSink;
  std::set<std::string> FReported;
};

}  // namespace fjordheim
