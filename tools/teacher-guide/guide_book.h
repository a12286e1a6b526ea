#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <map>

class QTextDocument;

namespace fjordheim {

/// The teacher's pages of the game folder as one printable book: the bodies of the pages one
/// after the other, each beginning on a new sheet, without the menu line that leads back to
/// the start page on screen, with the pictures the pages show and the pages' own colours and
/// fonts on white paper.
class TGuideBook {
 public:
  /// Reads the pages (file names in the html folder, in the order they are printed) and
  /// every picture they show. False, with what is missing in problem, when a page or a
  /// picture cannot be read; the book is then empty.
  bool Read(const QString& htmlFolder, const QStringList& pages, QString& problem);

  /// Writes the book as a PDF of A4 sheets, numbered at the foot. Returns the number of
  /// sheets, or 0 with the reason in problem when the file cannot be written.
  int WritePdf(const QString& path, const QString& title, QString& problem) const;

  /// The book as one HTML text, pictures named as the pages name them.
  const QString& Html() const { return FHtml; }

 private:
  void Clear();
  bool ReadPage(const QString& htmlFolder, const QString& page, QString& problem);
  void Lay(QTextDocument& document) const;

  QString FStyle;
  QString FHtml;
  std::map<QString, QImage> FPictures;
};

}  // namespace fjordheim
