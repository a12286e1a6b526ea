// Measures the start of the game: it builds the main window exactly as the game does,
// shows it, and ends the process once the title has been painted, without tearing the
// window down again (the player waits for the title, not for the end of a probe).
// "--bare" shows a plain 640 x 480 window instead, the floor to compare with, and ends
// the same way. Run it under /usr/bin/time.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/common/random.h"
#include "core/settings/settings.h"
#include "gui/app/main_form.h"
#include "gui/app/scaled_view.h"
#include "gui/app/message_box_sink.h"
#include "gui/app/window_fonts.h"

namespace {

// Ends the process once the first paint of the watched widget has been handled.
class TFirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !FSeen) {
      FSeen = true;
      QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool FSeen = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TFirstPaint firstPaint;
  // A run that never paints still ends.
  QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
  if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) {
    QWidget window;
    window.resize(640, 480);
    window.installEventFilter(&firstPaint);
    window.show();
    return QApplication::exec();
  }
  fjordheim::SubstituteWindowFonts();
  fjordheim::TRandom random;
  fjordheim::TSettings settings(QCoreApplication::applicationFilePath().toStdString(), random);
  QApplication::setApplicationName(QStringLiteral("Fjordheim"));
  fjordheim::TMessageBoxSink sink;
  fjordheim::TMainForm mainForm(settings, random, sink);
  mainForm.View()->viewport()->installEventFilter(&firstPaint);
  mainForm.show();
  return QApplication::exec();
}
