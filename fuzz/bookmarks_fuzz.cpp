#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/pages/bookmark_page.h"
#include "core/pages/html_text.h"

// Any bytes read as the player's page (and as an information page, whose charset is looked for). A table the program may write back reads again as a
// page it may write; from then on writing and reading change nothing more. (The first
// round may still fold blanks that met when a hand-written "</a>" was taken out.)
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TBookmarkPage page = TBookmarkPage::FromBytes(bytes);
  page.BytesWithSection("NAME", "Olavs <vikingasida>");
  page.BytesWithPicture("FACE", "../Bilder/face7.bmp");
  // The browser reads the same bytes as an information page.
  (void)DeclaresCharset(bytes);
  const auto written = page.BytesWithTable(page.Entries());
  if (!written) return 0;
  const TBookmarkPage once = TBookmarkPage::FromBytes(*written);
  if (!once.CanWriteTable() || once.Entries().size() != page.Entries().size()) std::abort();
  const auto rewritten = once.BytesWithTable(once.Entries());
  const TBookmarkPage twice = TBookmarkPage::FromBytes(rewritten.value());
  if (twice.Entries() != once.Entries() || twice.BytesWithTable(twice.Entries()) != rewritten) std::abort();
  return 0;
}
