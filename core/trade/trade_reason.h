#pragma once

#include <string>

#include "core/trade/table_proposal.h"
#include "core/trade/trade.h"
#include "core/village/human_info.h"

namespace fjordheim {

/// Why a computer merchant holding own declined a proposal (seen from its side), in its own
/// words and one sentence: the shortage the trade would leave it with, or what it lacks instead
/// of what it was offered.
std::string DeclineReason(const TTrade& own, const TProposal& proposal);

/// Why a computer merchant holding own leaves a partner holding partner, told of the merchant
/// ("Hun mangler fortsatt jern.") in one sentence: what it still lacks, and whether the partner
/// has any of it.
std::string DismissReason(const TTrade& own, const TTrade& partner, TSex merchant);

/// Why the player cannot accept a proposal (seen from the village's side), or empty when both
/// stores can carry it out: "Du har ikke nok sølv til dette byttet." Partner is null when its
/// store is not known.
std::string UnpayableReason(const TTrade& village, const TTrade* partner, const TProposal& proposal);

}  // namespace fjordheim
