#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/pages/bookmark_page.h"

// Any bytes read as the player's page: the table that is read writes back, when it may,
// into a page that reads as the same table and keeps the lines outside the markers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TBookmarkPage page = TBookmarkPage::FromBytes(bytes);
  page.BytesWithSection("NAME", "Olavs <vikingasida>");
  const auto written = page.BytesWithTable(page.Entries());
  if (!written) return 0;
  const TBookmarkPage reread = TBookmarkPage::FromBytes(*written);
  if (!reread.CanWriteTable() || reread.Entries() != page.Entries()) std::abort();
  if (reread.BytesWithTable(reread.Entries()) != written) std::abort();
  return 0;
}
