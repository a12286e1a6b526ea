#pragma once

#include <QMessageBox>

#include "gui/dialogs/game_layout.h"

namespace fjordheim {

/// Gives a message box its text and symbol at the game's scale.
void ScaleMessageBox(QMessageBox& box, const TGameLayout& layout);

/// Shows a modal message box whose text is at the game's scale; the button pressed.
QMessageBox::StandardButton ShowGameMessageBox(QWidget* parent, const TGameLayout& layout, QMessageBox::Icon icon,
                                               const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok);

}  // namespace fjordheim
