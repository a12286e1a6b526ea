#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/game/chronicle.h"

// Any bytes read as the chronicle beside a saved game are refused or give a chronicle that
// writes back to a file which reads as the same chronicle.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace fjordheim;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TChronicleRead read = TChronicle::FromCsv(bytes);
  if (!read.Ok) {
    if (read.Problem.empty()) std::abort();
    return 0;
  }
  if (read.Chronicle.Records().size() > TChronicle::MostRecords) std::abort();
  const std::string written = read.Chronicle.ToCsv();
  const TChronicleRead again = TChronicle::FromCsv(written);
  if (!again.Ok || again.Chronicle.ToCsv() != written) std::abort();
  return 0;
}
