#pragma once

#include <QImage>

#include <string>

#include "core/common/message_sink.h"

namespace fjordheim {

/// Loads the game's pictures from game paths. A picture that is missing or unreadable
/// gives a null image, drawn as an empty area. The first such picture of a run is
/// reported; a data set without its pictures would otherwise greet the player with one
/// box per picture.
class TPictureLoader {
 public:
  explicit TPictureLoader(TMessageSink* sink = nullptr) : FSink(sink) {}

  QImage Load(const std::string& gamePath);
  void SetSink(TMessageSink* sink) { FSink = sink; }

 private:
  TMessageSink* FSink;
  bool FReported = false;
};

}  // namespace fjordheim
