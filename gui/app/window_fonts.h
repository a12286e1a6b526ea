#pragma once

namespace fjordheim {

/// The windows name the fonts they were laid out with ("MS Sans Serif", "Arial", "Times
/// New Roman"); each is given the free font of the same widths, so that texts fill their
/// places as drawn instead of running over in a wider stand-in.
void SubstituteWindowFonts();

}  // namespace fjordheim
