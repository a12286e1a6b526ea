#include <QApplication>

#include "core/common/random.h"
#include "core/settings/settings.h"
#include "gui/app/main_form.h"
#include "gui/app/message_box_sink.h"
#include "gui/app/norwegian_texts.h"
#include "gui/app/window_fonts.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  fjordheim::SubstituteWindowFonts();
  fjordheim::InstallNorwegianQtTexts();
  fjordheim::TRandom random;
  fjordheim::TSettings settings(QCoreApplication::applicationFilePath().toStdString(), random);
  QApplication::setApplicationName(QStringLiteral("Fjordheim"));
  QApplication::setApplicationDisplayName(QStringLiteral("Fjordheim"));
  fjordheim::TMessageBoxSink sink;
  fjordheim::TMainForm mainForm(settings, random, sink);
  sink.SetParent(&mainForm);
  sink.SetLayoutSource([&mainForm] { return mainForm.GameLayout(); });
  mainForm.show();
  return QApplication::exec();
}
