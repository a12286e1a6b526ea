#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/trade/goods_layout.h"
#include "core/trade/merchant.h"

namespace fjordheim {

/// What the units on the table propose.
struct TTableProposal {
  /// Seen from the player: positive units come to him, negative units go from him.
  TProposal Deltas{};
  bool HasCounterpartUnits = false;
  bool HasPlayerUnits = false;

  /// A proposal in which both parties give something.
  bool FromBothSides() const { return HasCounterpartUnits && HasPlayerUnits; }
};

/// The counterpart's units on the table come to the player, the player's own go from him.
TTableProposal ProposalOnTable(const std::vector<TGoodsUnit>& tableUnits);

/// Which of the units, taken in the given order, lie on the table to show a proposal of
/// deltas: the player's units of the kinds he gives and the counterpart's of the kinds he
/// receives, as many as the proposal names and as there are.
std::vector<bool> UnitsShowingProposal(const std::vector<TGoodsUnit>& units, const TProposal& deltas);

}  // namespace fjordheim
