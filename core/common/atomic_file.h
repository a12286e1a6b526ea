#pragma once

#include <string>
#include <string_view>

namespace fjordheim {

/// The temporary file WriteFileAtomically writes beside `path` before renaming it.
std::string TemporaryPathFor(const std::string& path);

/// Replaces the file at `path` (a path on this disk) by `bytes` as one step: the bytes go
/// to a temporary file beside it, which is flushed, closed and renamed over the target.
/// False when any step fails; the old file is then as it was and the temporary file is
/// removed.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace fjordheim
