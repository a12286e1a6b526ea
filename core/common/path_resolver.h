#pragma once

#include <string>
#include <string_view>

namespace fjordheim {

/// Turns a game path ("Bilder\ListImgs\komini.bmp", folders joined with backslashes)
/// into a path on this disk: backslashes become '/', and where a component does not
/// exist with its exact name the entry of that folder whose name matches without
/// regard to letter case is taken ("Boo.wav" finds "boo.wav", "HØST" finds "høst").
/// A component that matches nothing is kept as written, so the result names a file
/// that may not exist.
std::string ResolvePath(std::string_view gamePath);

/// Folds letter case for matching file names: ASCII and the Latin-1 letters of UTF-8.
std::string FoldFileNameCase(std::string_view name);

}  // namespace fjordheim
