#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  const std::vector<std::string> sections{"POPUP3", "POPUP1", "", "POPUP2", "POPUP6", "POPUP5", "POPUP4"};
  for (std::int32_t number = -1; number <= 8; ++number) {
    const TTip tip = tips.Tip(number, sections);
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
