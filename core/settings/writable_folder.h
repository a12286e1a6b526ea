#pragma once

#include <string>

namespace fjordheim {

/// Makes the folder (a game path) when it is missing and tells whether a file can be written
/// in it. A file is made there and removed again: only that answers for permissions, disks
/// mounted read-only and the user the program runs as alike.
bool MakeWritableFolder(const std::string& folder);

/// Makes link (a path without a trailing separator) a link to the folder target, so that
/// pages copied away from the data set still find its pictures and pages by their relative
/// links. A link to another place is moved to target; a real file or folder of that name is
/// left alone. False when the link does not point at target afterwards.
bool LinkFolder(const std::string& link, const std::string& target);

}  // namespace fjordheim
