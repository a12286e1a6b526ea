#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <string>

#include "core/common/text.h"

namespace fjordheim {

/// A game folder with just what the intro needs: the quiz, the page template and the
/// map of the North with its three lands. No sound, no other pictures.
class TTestGameFolder {
 public:
  static constexpr const char* RightAnswer = "Jeg samler byrådet.";
  static constexpr const char* RightExplanation = "Byrådet er fornøyd.";
  static constexpr const char* WrongExplanation1 = "Folket ler.";

  TTestGameFolder() {
    QDir root(FDir.path());
    for (const char* folder : {"Data", "Bilder", "Html", "Bookm", "Game"}) root.mkpath(folder);
    Write("Data/Correct.que", std::string(RightAnswer) + "\r\n" + RightExplanation + "\r\n");
    Write("Data/False.que", std::string("Jeg drar på tokt.\r\n") + WrongExplanation1 + "\r\nJeg sover.\r\nFolket gråter.\r\n");
    Write("Data/template.htm",
          "<html>\r\n<!-- SECTION FACE START -->\r\n<img src=\"../Bilder/h_skjold.bmp\">\r\n"
          "<!-- SECTION NAME START -->\r\n<h1>Vikingasida</h1>\r\n<!--BEGIN Tunstad-->\r\n"
          "<!--END Tunstad-->\r\n</html>\r\n");
    Write("Html/pets.htm", "<html><body><p>Dyr</p><a href=\"food.htm\">Mat</a></body></html>");
    Write("Html/food.htm", "<html><body><p>Mat</p></body></html>");
    QImage map(4, 2, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    map.save(Path("Bilder/norden.bmp"), "BMP");
    // Lands 97, 50 and 128 in the top row; a zone of no land below them.
    Write("Bilder/norden.map", std::string("\x61\x32\x80\x00\x07\x00\x00\x00", 8));
  }

  QString Path(const QString& relative) const { return FDir.filePath(relative); }
  std::string ProgramFile() const { return Path("fjordheim").toStdString(); }

 private:
  void Write(const QString& relative, const std::string& utf8) {
    QFile file(Path(relative));
    file.open(QIODevice::WriteOnly);
    const std::string bytes = relative.endsWith(".que") ? Cp1252FromUtf8(utf8) : utf8;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  QTemporaryDir FDir;
};

}  // namespace fjordheim
