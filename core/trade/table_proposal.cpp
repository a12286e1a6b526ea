#include "core/trade/table_proposal.h"

namespace fjordheim {

TTableProposal ProposalOnTable(const std::vector<TGoodsUnit>& tableUnits) {
  TTableProposal proposal;
  for (const TGoodsUnit& unit : tableUnits) {
    const auto kind = static_cast<std::size_t>(unit.Kind);
    if (unit.Owner == SideCounterpart) {
      ++proposal.Deltas[kind];
      proposal.HasCounterpartUnits = true;
    } else {
      --proposal.Deltas[kind];
      proposal.HasPlayerUnits = true;
    }
  }
  return proposal;
}

std::vector<bool> UnitsShowingProposal(const std::vector<TGoodsUnit>& units, const TProposal& deltas) {
  TProposal left = deltas;
  std::vector<bool> onTable(units.size(), false);
  for (std::size_t i = 0; i < units.size(); ++i) {
    std::int32_t& delta = left[static_cast<std::size_t>(units[i].Kind)];
    if (units[i].Owner == SideCounterpart && delta > 0) {
      --delta;
      onTable[i] = true;
    } else if (units[i].Owner != SideCounterpart && delta < 0) {
      ++delta;
      onTable[i] = true;
    }
  }
  return onTable;
}

}  // namespace fjordheim
