#pragma once

namespace fjordheim {

/// Qt's own texts (the columns, side bar and buttons of the file boxes, the buttons of
/// the message boxes) in Bokmål, from the translation built into the program. Call once,
/// after the application object is made.
void InstallNorwegianQtTexts();

}  // namespace fjordheim
