#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

namespace fjordheim {

/// One of the twelve people of the face choice and the market: the colours and the
/// layers of the person drawing ("person.svg") that make this one look like no other.
struct TPerson {
  QString Skin;
  QString Hair;
  QString Clothes;
  QString Trim;
  QStringList Layers;

  /// The template colours of the drawing replaced by this person's, on that background.
  QMap<QString, QString> Colours(const QString& background) const;
};

/// The twelve people, in picture-number order (face0 and trade0 are person 0).
const std::vector<TPerson>& People();

/// The old chief of the name page, in helmet and cloak.
TPerson Chief();

}  // namespace fjordheim
