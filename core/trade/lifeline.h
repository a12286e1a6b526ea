#pragma once

#include <memory>

namespace fjordheim {

/// What a deferred action keeps of an object so that it can tell, when it finally runs,
/// whether the object still exists.
using TLifeWatch = std::weak_ptr<const void>;

/// Held by an object that deferred actions refer to: it lives exactly as long as its owner,
/// so an event posted to an object that was destroyed meanwhile finds its watch expired and
/// is dropped. A copy is a new life, not a share of the old one.
class TLifeline {
 public:
  TLifeline() : FToken(std::make_shared<char>()) {}
  TLifeline(const TLifeline&) : TLifeline() {}
  TLifeline& operator=(const TLifeline&) { return *this; }

  /// A watch that expires when this lifeline ends.
  TLifeWatch Watch() const { return FToken; }

 private:
  std::shared_ptr<const char> FToken;
};

/// True while the object watched is alive.
inline bool IsAlive(const TLifeWatch& watch) { return !watch.expired(); }

}  // namespace fjordheim
