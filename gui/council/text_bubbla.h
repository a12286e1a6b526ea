#pragma once

#include <QString>

#include "core/work/work_rect.h"
#include "gui/controls/picture_list.h"

class QPainter;
class QWidget;

namespace fjordheim {

/// A speech bubble drawn on its owner: a bubble picture with a text centred in its text
/// area, broken into centred lines at word boundaries, bold 10 point. A concern may follow
/// the text in the colour of a warning; the picture may be mirrored and drawn larger.
class TTextBubbla {
 public:
  static constexpr QSize FallbackSize{210, 150};

  /// The pictures are not owned; every frame has the size of the first one.
  TTextBubbla(QWidget* owner, const TPictureList* pictures, int x, int y);

  void SetText(const QString& text) { FText = text; }
  /// A sentence drawn under the text in dark red; empty for none.
  void SetConcern(const QString& concern) { FConcern = concern; }
  /// Draws the picture mirrored left to right, so that a tail on its left leaves its right.
  void SetMirrored(bool mirrored) { FMirrored = mirrored; }
  /// The size the picture is stretched to; the picture's own size after construction.
  void SetSize(QSize size);
  /// The size of the pictures.
  QSize PictureSize() const;
  /// The text as the bubble can hold it: a word wider than a line may break anywhere, and
  /// what does not fit ends in "…". For texts of unknown length, such as another player's.
  QString Fitted(const QString& text) const;
  /// Repaints where the bubble was and where it now is.
  void MoveTo(int x, int y);
  void Invalidate() const;
  void Draw(QPainter& painter) const;
  /// The rectangle the text and the concern are drawn in, in owner pixels.
  QRect TextBlock(QPainter& painter) const;
  /// The part of the block that holds the concern; empty without one.
  QRect ConcernBlock(QPainter& painter) const;

  void SetTextRect(const TWorkRect& rect) { FTextRect = rect; }
  void SetFrame(int frame) { FFrame = frame; }
  void SetVisible(bool visible) { FVisible = visible; }
  const TWorkRect& Bounds() const { return FBounds; }
  const QString& Text() const { return FText; }
  const QString& Concern() const { return FConcern; }
  bool Mirrored() const { return FMirrored; }
  bool Visible() const { return FVisible; }
  int Frame() const { return FFrame; }

 private:
  int TextHeight(QPainter& painter, const QString& text) const;

  QWidget* FOwner;
  const TPictureList* FPictures;
  TWorkRect FBounds;
  TWorkRect FTextRect;
  QString FText;
  QString FConcern;
  bool FMirrored = false;
  int FFrame = 0;
  bool FVisible = false;
};

}  // namespace fjordheim
