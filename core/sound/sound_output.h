#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace fjordheim {

class TMixer;

/// The audio device as the sound player sees it. The game's output pulls mixed frames
/// from the mixer; tests pull by hand.
class TSoundOutput {
 public:
  virtual ~TSoundOutput() = default;

  /// Starts pulling from mixer; false when there is no device to play on.
  virtual bool Start(TMixer& mixer) = 0;
  /// Stops pulling; afterwards the mixer may go away.
  virtual void Stop() = 0;
  /// True while the device started by Start is still pulling without fault.
  virtual bool Running() const = 0;

  /// Keeps the output pulling, without taking user input, until done() holds or limit has
  /// passed.
  virtual void WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) = 0;

  /// The simple single-voice player of fallback mode: plays a file (a path on disk) at
  /// once, replacing what it played, when some output is still available.
  virtual void PlaySimple(const std::string& path, bool loop) = 0;
  virtual void StopSimple() = 0;
};

}  // namespace fjordheim
