#include <QApplication>
#include <QStandardPaths>
#include <cstdlib>
#include <string>

#include "core/common/random.h"
#include "core/settings/installation.h"
#include "core/settings/language.h"
#include "core/settings/settings.h"
#include "gui/app/main_form.h"
#include "gui/app/message_box_sink.h"
#include "gui/app/window_fonts.h"

namespace {

// The installed data set lies where the build put it relative to the program; the player's
// own folders are the desktop's (the XDG data and config homes).
fjordheim::TInstallation ThisInstallation() {
  const auto own = [](QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    return folder.isEmpty() ? std::string() : (folder + "/fjordheim/").toStdString();
  };
  return {FJORDHEIM_INSTALLED_DATA_DIR, own(QStandardPaths::GenericDataLocation),
          own(QStandardPaths::GenericConfigLocation)};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  fjordheim::SubstituteWindowFonts();
  fjordheim::TRandom random;
  fjordheim::TSettings settings(QCoreApplication::applicationFilePath().toStdString(), random, ThisInstallation(),
                                fjordheim::DesktopLanguage([](const char* variable) { return std::getenv(variable); }));
  QApplication::setApplicationName(QStringLiteral("Fjordheim"));
  QApplication::setApplicationDisplayName(QStringLiteral("Fjordheim"));
  fjordheim::TMessageBoxSink sink;
  fjordheim::TMainForm mainForm(settings, random, sink);
  sink.SetParent(&mainForm);
  sink.SetLayoutSource([&mainForm] { return mainForm.GameLayout(); });
  mainForm.show();
  return QApplication::exec();
}
