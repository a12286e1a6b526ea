#include "core/trade/trade_reason.h"

#include <algorithm>
#include <array>
#include <vector>

namespace fjordheim {

namespace {

constexpr std::array<const char*, GoodsKindCount> KindNames{"sølv", "rav", "pelser", "jern", "smykker", "våpen"};

TGoodsKind KindOf(int index) { return static_cast<TGoodsKind>(index); }

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
    names += KindNames[static_cast<std::size_t>(kinds[i])];
  }
  return names;
}

}  // namespace

const char* GoodsKindName(TGoodsKind kind) { return KindNames[static_cast<std::size_t>(kind)]; }

std::string DeclineReason(const TTrade& own, const TProposal& proposal) {
  const std::vector<int> shortAfter = ShortKinds(own, proposal);
  for (const int kind : shortAfter) {
    if (proposal[static_cast<std::size_t>(kind)] < 0) return std::string("Da får jeg for lite ") + KindNames[kind] + ".";
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
  const std::string wanted = std::string("Jeg trenger ") + KindNames[static_cast<std::size_t>(shortAfter.front())];
  if (offered < 0) return wanted + ".";
  return wanted + ", ikke " + KindNames[static_cast<std::size_t>(offered)] + ".";
}

std::string DismissReason(const TTrade& own, const TTrade& partner) {
  const std::vector<int> lacking = ShortKinds(own, {});
  if (lacking.empty()) return "Jeg har alt jeg trenger.";
  bool partnerHasSome = false;
  for (const int kind : lacking) partnerHasSome = partnerHasSome || partner.GetGoods(KindOf(kind)) > 0;
  const std::string lacks = "Jeg mangler fortsatt " + NameList(lacking);
  if (!partnerHasSome) return lacks + ", og du har ikke noe av det.";
  return lacks + ".";
}

}  // namespace fjordheim
