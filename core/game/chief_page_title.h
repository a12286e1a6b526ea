#pragma once

#include <string>
#include <string_view>

namespace fjordheim {

/// The title of the chief's own page: the name in the genitive, "Olavs vikingasida"; a name
/// that already ends in s or S takes no second one, "Hans vikingasida".
std::string ChiefPageTitle(std::string_view chiefName);

}  // namespace fjordheim
