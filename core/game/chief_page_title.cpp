#include "core/game/chief_page_title.h"

namespace fjordheim {

// The last byte of a UTF-8 letter outside ASCII is never 's', so only a real s is seen.
std::string ChiefPageTitle(std::string_view chiefName) {
  std::string title(chiefName);
  const bool endsInS = !title.empty() && (title.back() == 's' || title.back() == 'S');
  if (!endsInS) title += 's';
  return title + " vikingasida";
}

std::string ChiefFacePicture(std::int32_t face) { return "face" + std::to_string(face) + ".bmp"; }

std::string ChiefPagePicture(std::int32_t face) { return "../Bilder/" + ChiefFacePicture(face); }

}  // namespace fjordheim
