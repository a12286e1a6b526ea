#pragma once

#include <QString>

#include "gui/dialogs/game_layout.h"

class QWidget;

namespace fjordheim {

/// Asks the player a question in the box titled "Spør", with the answers in Norwegian
/// ("Ja", "Nei"), its text at the game's scale; true for yes. Closing the box answers no.
bool AskYesNo(QWidget* parent, const QString& question, const TGameLayout& layout = TGameLayout());

}  // namespace fjordheim
