#include "core/common/command_line.h"

#include <algorithm>
#include <optional>

namespace fjordheim {

std::string ReadCommandLine(const std::vector<std::string>& arguments, std::initializer_list<std::string_view> valued,
                            const TSwitchSetter& setSwitch, const TOptionSetter& setOption) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string_view name = arguments[i];
    std::optional<std::string_view> value;
    if (const std::size_t equals = name.find('='); name.starts_with("--") && equals != std::string_view::npos) {
      value = name.substr(equals + 1);
      name = name.substr(0, equals);
    }
    if (!value && setSwitch(name)) continue;
    if (std::find(valued.begin(), valued.end(), name) == valued.end()) return "unknown argument '" + arguments[i] + "'";
    if (!value) {
      if (i + 1 == arguments.size()) return std::string(name) + " wants a value";
      value = arguments[++i];
    }
    if (std::string error = setOption(name, *value); !error.empty()) return error;
  }
  return {};
}

}  // namespace fjordheim
