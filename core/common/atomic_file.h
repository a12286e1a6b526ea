#pragma once

#include <string>
#include <string_view>

namespace fjordheim {

/// Replaces the file at path (a game path; see ResolvePath) with bytes, or creates it.
/// The bytes go to a new temporary file in the same folder, which is flushed, closed and
/// then renamed over the target, so a reader sees the old file or the new one and never a
/// half-written one. False when any step fails; the old file is then left as it was and
/// the temporary file is removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace fjordheim
