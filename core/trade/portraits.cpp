#include "core/trade/portraits.h"

namespace fjordheim {

TSex PortraitSex(std::int32_t imageNo) {
  const bool known = imageNo >= 0 && imageNo < PortraitCount;
  return known && imageNo % 2 == 1 ? TSex::Female : TSex::Male;
}

}  // namespace fjordheim
