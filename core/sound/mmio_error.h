#pragma once

#include <stdexcept>
#include <string>

namespace fjordheim {

/// A wave file that cannot be opened, positioned or understood. Read failures inside the
/// sample data are raised as plain std::runtime_error, the base of this class.
class EMMIOError : public std::runtime_error {
 public:
  explicit EMMIOError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fjordheim
