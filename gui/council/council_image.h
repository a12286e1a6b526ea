#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <string>

#include "core/council/council_meeting.h"
#include "gui/council/text_bubbla.h"

namespace fjordheim {

/// The council meeting on screen: the picture of the chief and his five advisers with their
/// names and roles, and the speech bubble of whoever was clicked last, its tail on the
/// speaker. An adviser worried about the village says so in a larger bubble, under the advice.
class TCouncilImage : public QWidget {
 public:
  /// The generator, the bubble pictures and the background are not owned.
  TCouncilImage(QWidget* parent, TAdviceGenerator& generator, const TPictureList* bubblePictures,
                const QPixmap& background);

  void StartMeeting(TAdviceSeason season, TRandom& random);
  /// A new meeting over the advice the generator holds already.
  void BeginMeeting();
  /// A new meeting picture of the same size, shown at the next repaint.
  void SetBackground(const QPixmap& background);
  /// The face the player chose for the chief, drawn in the chief's seat; its corner
  /// colour is its background and is left out. A null picture leaves the seat as drawn.
  void SetChiefPortrait(const QImage& face);
  const QImage& ChiefPortrait() const { return FChiefPortrait; }
  /// Where the portrait stands, in picture pixels.
  static QRect ChiefSeat();

  /// Asked for what an adviser adds about the village each time he speaks.
  void SetConcerns(std::function<std::string(TAdviceArea area)> concerns) { FMeeting.Concerns = std::move(concerns); }
  /// Where the name and role of the adviser of this area stand, in picture pixels.
  static QRect NamePlate(TAdviceArea area);
  /// The sentence for the pointer resting at this point; empty beside the advisers.
  static QString HintAt(QPoint point);

  const TCouncilMeeting& Meeting() const { return FMeeting; }
  const TTextBubbla& Bubble() const { return FBubble; }

  /// Raised once a meeting, when the fifth adviser is heard.
  std::function<void()> OnAllHeard;
  /// Raised every time an adviser speaks; the owner plays the advice's recording.
  std::function<void(const TAdviceNode& advice)> OnAdvice;
  /// The chief's recording, a file name in the sound folder, for channel 1.
  std::function<void(const std::string& soundFile)> OnChiefSound;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void ShowAnswer(const TCouncilAnswer& answer);
  void PlaceBubble(const TCouncilAnswer& answer);
  void DrawNamePlates(QPainter& painter) const;

  TCouncilMeeting FMeeting;
  TTextBubbla FBubble;
  QPixmap FBackground;
  QImage FChiefPortrait;
  QImage FBuffer;
};

}  // namespace fjordheim
