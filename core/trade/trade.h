#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>

namespace fjordheim {

class TByteStream;

/// The six kinds of goods, stored as one byte and always walked in this order. The value of a
/// kind is also its index in the goods image list.
enum class TGoodsKind : std::uint8_t { Silver = 0, Amber = 1, Furs = 2, Iron = 3, Jewellery = 4, Weapons = 5 };

inline constexpr int GoodsKindCount = 6;

/// Six 16-bit counts, one per goods kind, indexed by the kind's value.
using TGoodsCounts = std::array<std::uint16_t, GoodsKindCount>;

/// An error of the goods store; carries the Norwegian message the player is shown.
class ETradeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The goods a party holds and the goods it wants, per kind. The village and every merchant own one.
class TTrade {
 public:
  /// Units held per kind.
  TGoodsCounts Goods{};
  /// Units wanted per kind (the village uses them up every winter).
  TGoodsCounts Demands{};

  std::uint16_t GetGoods(TGoodsKind kind) const;
  void SetGoods(TGoodsKind kind, std::uint16_t value);
  std::uint16_t GetDemand(TGoodsKind kind) const;
  void SetDemand(TGoodsKind kind, std::uint16_t value);

  /// Held minus wanted; negative means a shortage.
  std::int32_t Surplus(TGoodsKind kind) const;

  /// How well the held goods cover the wanted ones: each further wanted unit of a kind weighs one
  /// less than the one before, and every two spare units add one. 0 when nothing is wanted.
  float DemandCoverage() const;

  /// The 24-byte record of a saved game: `Goods`, then `Demands`. A short read raises
  /// ETradeError with "Det er feil eller skade på filen" and leaves the store as it was;
  /// a short write raises the same.
  void LoadFromStream(TByteStream& stream);
  void SaveToStream(TByteStream& stream) const;
};

}  // namespace fjordheim
