#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/common/text.h"
#include "core/game/popup_tips.h"

using namespace fjordheim;

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

// Any bytes make a popup file: a tip is either found with its text or missing with the
// message naming its number, and the page button follows the page name.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TPopupTips tips = TPopupTips::FromBytes(bytes);
  for (std::int32_t number = 0; number <= 6; ++number) {
    const TTip tip = tips.Tip(number, number == 0 ? std::string() : "POPUP" + std::to_string(number));
    if (tip.Found) {
      Require(!tip.Text.empty());
      Require(tip.MoreButton == !tip.PageName.empty());
      Require(Trim(tip.PictureName) == tip.PictureName);
    } else {
      Require(tip.Text == "Kan ikke finne node nummer " + std::to_string(number));
      Require(tip.PageName.empty() && tip.PictureName.empty());
    }
  }
  tips.Problems("Data/popup.txt", 6);
  return 0;
}
