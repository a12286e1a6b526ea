#pragma once

#include <string>

#include "core/trade/table_proposal.h"
#include "core/trade/trade.h"

namespace fjordheim {

/// The goods kind as a merchant names it: "sølv", "rav", "pelser", "jern", "smykker", "våpen".
const char* GoodsKindName(TGoodsKind kind);

/// Why a computer merchant holding own declined a proposal (seen from its side): the
/// shortage the trade would leave it with, or what it lacks instead of what it was offered.
std::string DeclineReason(const TTrade& own, const TProposal& proposal);

/// Why a computer merchant holding own leaves a partner holding partner: what it still
/// lacks, and whether the partner has any of it.
std::string DismissReason(const TTrade& own, const TTrade& partner);

}  // namespace fjordheim
