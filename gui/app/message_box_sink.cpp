#include "gui/app/message_box_sink.h"

#include "gui/dialogs/game_message_box.h"

namespace fjordheim {

void TMessageBoxSink::ShowMessage(const std::string& text) {
  ShowGameMessageBox(FParent, FLayout ? FLayout() : TGameLayout(), QMessageBox::Information, QStringLiteral("Fjordheim"),
                     QString::fromStdString(text));
}

}  // namespace fjordheim
