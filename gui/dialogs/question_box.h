#pragma once

#include <QString>

class QWidget;

namespace fjordheim {

/// Asks the player a question in the box titled "Spør", with the answers in Norwegian
/// ("Ja", "Nei"); true for yes. Closing the box answers no.
bool AskYesNo(QWidget* parent, const QString& question);

}  // namespace fjordheim
