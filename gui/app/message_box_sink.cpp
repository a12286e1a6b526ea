#include "gui/app/message_box_sink.h"

#include <QMessageBox>

namespace fjordheim {

void TMessageBoxSink::ShowMessage(const std::string& text) {
  QMessageBox::information(FParent, QStringLiteral("Fjordheim"), QString::fromStdString(text));
}

}  // namespace fjordheim
