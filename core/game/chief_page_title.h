#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fjordheim {

/// The title of the chief's own page: the name in the genitive, "Olavs vikingasida"; a name
/// that already ends in s or S takes no second one, "Hans vikingasida".
std::string ChiefPageTitle(std::string_view chiefName);

/// The picture of the face the chief chose, in the pictures folder: "face7.bmp".
std::string ChiefFacePicture(std::int32_t face);

/// That picture as the chief's own page names it, from the bookmarks folder beside the
/// pictures folder: "../Bilder/face7.bmp".
std::string ChiefPagePicture(std::int32_t face);

}  // namespace fjordheim
