#include "core/trade/trade_reason.h"

#include <algorithm>
#include <vector>

#include "core/trade/goods_names.h"

namespace fjordheim {

namespace {

constexpr std::int64_t LargestCount = 65535;

TGoodsKind KindOf(int index) { return static_cast<TGoodsKind>(index); }

const char* Word(int kind) { return GoodsName(KindOf(kind)).Word; }

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

std::string NameList(const std::vector<int>& kinds) {
  std::string names;
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    if (i > 0) names += i + 1 == kinds.size() ? " og " : ", ";
    names += Word(kinds[i]);
  }
  return names;
}

std::string Lower(const char* pronoun) {
  std::string word(pronoun);
  word[0] = static_cast<char>(word[0] - 'A' + 'a');
  return word;
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

std::string CountFaultText(const TCountFault& fault, const char* who) {
  const TGoodsName& name = GoodsName(KindOf(fault.Kind));
  if (fault.TooMany) {
    return std::string(who) + " kan ikke ta imot så " + (name.Counted ? "mange " : "mye ") + name.Word + ".";
  }
  return std::string(who) + " har ikke nok " + name.Word + " til dette byttet.";
}

}  // namespace

std::string DeclineReason(const TTrade& own, const TProposal& proposal) {
  const std::vector<int> shortAfter = ShortKinds(own, proposal);
  for (const int kind : shortAfter) {
    if (proposal[static_cast<std::size_t>(kind)] < 0) return "Da får jeg " + TooLittleOf(KindOf(kind)) + ".";
  }
  if (shortAfter.empty()) return "Jeg gir mer enn jeg får.";
  int offered = -1;
  for (int kind = 0; kind < GoodsKindCount; ++kind) {
    const std::int32_t units = proposal[static_cast<std::size_t>(kind)];
    if (units > 0 && own.Surplus(KindOf(kind)) >= 0 &&
        (offered < 0 || units > proposal[static_cast<std::size_t>(offered)])) {
      offered = kind;
    }
  }
  const std::string wanted = std::string("Jeg trenger ") + Word(shortAfter.front());
  if (offered < 0) return wanted + ".";
  return wanted + ", ikke " + Word(offered) + ".";
}

std::string DismissReason(const TTrade& own, const TTrade& partner, TSex merchant) {
  const char* pronoun = merchant == TSex::Female ? "Hun" : "Han";
  const std::vector<int> lacking = ShortKinds(own, {});
  if (lacking.empty()) return std::string(pronoun) + " har alt " + Lower(pronoun) + " trenger.";
  bool partnerHasSome = false;
  for (const int kind : lacking) partnerHasSome = partnerHasSome || partner.GetGoods(KindOf(kind)) > 0;
  const std::string lacks = std::string(pronoun) + " mangler fortsatt " + NameList(lacking);
  if (!partnerHasSome) return lacks + ", og du har ikke noe av det.";
  return lacks + ".";
}

std::string UnpayableReason(const TTrade& village, const TTrade* partner, const TProposal& proposal) {
  if (const TCountFault own = FirstCountFault(village, proposal); own.Kind >= 0) return CountFaultText(own, "Du");
  if (partner == nullptr) return {};
  if (const TCountFault other = FirstCountFault(*partner, Negated(proposal)); other.Kind >= 0) {
    return CountFaultText(other, "Handelspartneren");
  }
  return {};
}

}  // namespace fjordheim
