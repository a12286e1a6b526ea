#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/sim/sim_options.h"

// The bytes are a command line: arguments separated by NUL, as the program would get them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      arguments.emplace_back();
    else
      arguments.back().push_back(static_cast<char>(data[i]));
  }
  const fjordheim::TSimParseResult parsed = fjordheim::ParseSimArguments(arguments);
  if (parsed.Options.has_value() == !parsed.Error.empty()) __builtin_trap();
  return 0;
}
