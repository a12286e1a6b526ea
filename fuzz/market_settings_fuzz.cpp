#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/random.h"
#include "core/settings/ini_file.h"
#include "core/trade/manual_scheduler.h"
#include "core/trade/market_settings.h"
#include "core/trade/market_visit.h"

using namespace fjordheim;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

std::string Written(const TGoodsCounts& counts) {
  std::string text = "(";
  for (int k = 0; k < GoodsKindCount; ++k) text += std::to_string(counts[k]) + (k + 1 < GoodsKindCount ? "," : ")");
  return text;
}

// Whatever the file says, every local market opens and each of its merchants can be invited
// and played to the end of its negotiation within a bounded number of ticks.
void VisitEveryLocalMarket(const TMarketSettings& settings) {
  for (std::size_t index = 0; index < settings.Markets.size() && index < 4; ++index) {
    TManualScheduler scheduler;
    TRandom random(7);
    TTrade village;
    village.Goods = {5, 5, 5, 5, 5, 5};
    village.Demands = {3, 3, 3, 3, 3, 3};
    TMarketVisit visit(settings, scheduler, random);
    if (!visit.Open(index, "Fuzz", 1, village, nullptr, nullptr).Opened) continue;
    for (std::size_t m = 0; m + 1 < visit.Market()->MerchantCount() && m < 4; ++m) {
      std::int32_t err = 0;
      if (!visit.Invite(visit.Market()->GetMerchant(m), err)) continue;
      for (int tick = 0; tick < 60 && scheduler.RunNextTimer(); ++tick) {
        if (visit.Player()->State == TMerchantState::MayPropose) visit.Propose({1, 0, 0, 0, 0, -1}, err);
        if (visit.Player()->State == TMerchantState::ProposalReceived) visit.AnswerProposal(TAnswer::Accept, err);
      }
      if (visit.Player()->Partner != nullptr) visit.Dismiss(err);
    }
  }
}

}  // namespace

// The bytes are both a settings file and a six-number list. A list that reads back must read
// the same when written out again; settings that read must open their markets safely.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string bad;
  if (const std::optional<TGoodsCounts> counts = ParseGoodsList(bytes, &bad)) {
    Require(ParseGoodsList(Written(*counts)) == counts);
  }
  const TMarketSettingsRead read = ReadMarketSettings(TIniFile::FromBytes(bytes));
  Require(read.Settings.Markets.size() <= static_cast<std::size_t>(MaxMarketSections));
  Require(read.Settings.CPUMerchants.size() <= static_cast<std::size_t>(MaxMarketSections));
  VisitEveryLocalMarket(read.Settings);
  return 0;
}
