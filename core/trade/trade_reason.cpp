#include "core/trade/trade_reason.h"

#include <algorithm>
#include <vector>

#include "core/common/translation.h"
#include "core/trade/goods_names.h"

namespace fjordheim {

namespace {

constexpr std::int64_t LargestCount = 65535;

TGoodsKind KindOf(int index) { return static_cast<TGoodsKind>(index); }

std::string Word(int kind) { return GoodsWord(KindOf(kind)); }

bool Counted(int kind) { return GoodsName(KindOf(kind)).Counted; }

std::int64_t SurplusAfter(const TTrade& own, const TProposal& proposal, int kind) {
  return static_cast<std::int64_t>(own.Surplus(KindOf(kind))) + proposal[static_cast<std::size_t>(kind)];
}

// The kinds in shortage, the deepest first; equal shortages keep kind order.
std::vector<int> ShortKinds(const TTrade& own, const TProposal& proposal) {
  std::vector<int> kinds;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    if (SurplusAfter(own, proposal, kind) < 0) kinds.push_back(kind);
  }
  std::stable_sort(kinds.begin(), kinds.end(), [&](int a, int b) {
    return SurplusAfter(own, proposal, a) < SurplusAfter(own, proposal, b);
  });
  return kinds;
}

// "smykker, rav og våpen": the last two joined as the language joins a list.
std::string NameList(const std::vector<int>& kinds) {
  if (kinds.empty()) return {};
  std::string names = Word(kinds.back());
  for (std::size_t i = kinds.size() - 1; i-- > 0;) {
    if (i + 2 == kinds.size()) {
      // Translators: the last two kinds of a list of goods ("rav og våpen").
      names = Tr("{0} og {1}", Word(kinds[i]), names);
    } else {
      // Translators: a kind of goods before the rest of a list ("smykker, rav og våpen").
      names = Tr("{0}, {1}", Word(kinds[i]), names);
    }
  }
  return names;
}

// The first kind a store would have fewer than none of, or more than it can count, after
// receiving deltas.
struct TCountFault {
  int Kind = -1;
  bool TooMany = false;
};

TCountFault FirstCountFault(const TTrade& store, const TProposal& deltas) {
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const std::int64_t after = static_cast<std::int64_t>(store.Goods[static_cast<std::size_t>(kind)]) +
                               deltas[static_cast<std::size_t>(kind)];
    if (after < 0) return {kind, false};
    if (after > LargestCount) return {kind, true};
  }
  return {};
}

std::string VillageCountFault(const TCountFault& fault) {
  const std::string word = Word(fault.Kind);
  // Translators: {0} in this and the next sentences is the word of a kind of goods ("pels", "smykker").
  if (!fault.TooMany) return Tr("Du har ikke nok {0} til dette byttet.", word);
  return Counted(fault.Kind) ? Tr("Du kan ikke ta imot så mange {0}.", word) : Tr("Du kan ikke ta imot så mye {0}.", word);
}

std::string PartnerCountFault(const TCountFault& fault) {
  const std::string word = Word(fault.Kind);
  if (!fault.TooMany) return Tr("Handelspartneren har ikke nok {0} til dette byttet.", word);
  return Counted(fault.Kind) ? Tr("Handelspartneren kan ikke ta imot så mange {0}.", word)
                             : Tr("Handelspartneren kan ikke ta imot så mye {0}.", word);
}

std::string TooLittleAfter(int kind) {
  // Translators: the merchant speaks; {0} is the word of a kind of goods ("pels", "smykker").
  return Counted(kind) ? Tr("Da får jeg for få {0}.", Word(kind)) : Tr("Da får jeg for lite {0}.", Word(kind));
}

std::string HasAll(TSex merchant) {
  return merchant == TSex::Female ? Tr("Hun har alt hun trenger.") : Tr("Han har alt han trenger.");
}

std::string StillLacks(TSex merchant, const std::string& names, bool partnerHasSome) {
  if (merchant == TSex::Female) {
    // Translators: {0} is the list of goods the merchant lacks ("smykker, rav og våpen").
    return partnerHasSome ? Tr("Hun mangler fortsatt {0}.", names) : Tr("Hun mangler fortsatt {0}, og du har ikke noe av det.", names);
  }
  return partnerHasSome ? Tr("Han mangler fortsatt {0}.", names) : Tr("Han mangler fortsatt {0}, og du har ikke noe av det.", names);
}

}  // namespace

std::string DeclineReason(const TTrade& own, const TProposal& proposal) {
  const std::vector<int> shortAfter = ShortKinds(own, proposal);
  for (const int kind : shortAfter) {
    if (proposal[static_cast<std::size_t>(kind)] < 0) return TooLittleAfter(kind);
  }
  if (shortAfter.empty()) return Tr("Jeg gir mer enn jeg får.");
  int offered = -1;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const std::int32_t units = proposal[static_cast<std::size_t>(kind)];
    if (units > 0 && own.Surplus(KindOf(kind)) >= 0 &&
        (offered < 0 || units > proposal[static_cast<std::size_t>(offered)])) {
      offered = kind;
    }
  }
  // Translators: {0} is the kind of goods the merchant needs, {1} the kind it was offered.
  if (offered >= 0) return Tr("Jeg trenger {0}, ikke {1}.", Word(shortAfter.front()), Word(offered));
  return Tr("Jeg trenger {0}.", Word(shortAfter.front()));
}

std::string DismissReason(const TTrade& own, const TTrade& partner, TSex merchant) {
  const std::vector<int> lacking = ShortKinds(own, {});
  if (lacking.empty()) return HasAll(merchant);
  bool partnerHasSome = false;
  for (const int kind : lacking) partnerHasSome = partnerHasSome || partner.GetGoods(KindOf(kind)) > 0;
  return StillLacks(merchant, NameList(lacking), partnerHasSome);
}

std::string UnpayableReason(const TTrade& village, const TTrade* partner, const TProposal& proposal) {
  if (const TCountFault own = FirstCountFault(village, proposal); own.Kind >= 0) return VillageCountFault(own);
  if (partner == nullptr) return {};
  if (const TCountFault other = FirstCountFault(*partner, Negated(proposal)); other.Kind >= 0) {
    return PartnerCountFault(other);
  }
  return {};
}

}  // namespace fjordheim
