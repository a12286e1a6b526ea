#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fjordheim {

/// Sets the switch of that name, one without a value; false when there is none of that name.
using TSwitchSetter = std::function<bool(std::string_view name)>;
/// Applies the option of that name with its value; returns what was wrong, or nothing.
using TOptionSetter = std::function<std::string(std::string_view name, std::string_view value)>;

/// Reads the arguments of a tool's command line: switches, and options with a value given as
/// "--name=value" or as "--name value" (the option names are listed in valued). Returns what
/// was wrong with the first argument that is not right, or nothing.
std::string ReadCommandLine(const std::vector<std::string>& arguments, std::initializer_list<std::string_view> valued,
                            const TSwitchSetter& setSwitch, const TOptionSetter& setOption);

}  // namespace fjordheim
