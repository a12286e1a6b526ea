#include "gui/dialogs/first_decision_form.h"

#include <QEvent>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>

#include "core/common/translation.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/picture_loader.h"

namespace fjordheim {

TFirstDecisionForm::TFirstDecisionForm(const std::string& picsPath, TPictureLoader& pictures,
                                       const std::array<std::string, 3>& answers, QWidget* parent,
                                       TGameLayout layout)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setWindowTitle(QString::fromStdString(Tr("Din første beslutning")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Size(467, 203));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
  setPalette(colours);
  auto* bevel = new QFrame(this);
  bevel->setFrameStyle(QFrame::Box | QFrame::Raised);
  layout.Place(bevel, 4, 4, 166, 195);
  auto* image = new TCustomImage(this);
  image->move(layout.Scaled(8), layout.Scaled(8));
  image->SetScale(layout.Scale());
  image->SetAutoSize(true);
  image->SetPicture(pictures.Load(picsPath + "firstdec.bmp"));
  auto* bask = new QLabel(QString::fromStdString(Tr("Innbyggerne i byen venter spent på din første beslutning. Hva gjør du?")), this);
  layout.Place(bask, 176, 8, 283, 40);
  bask->setWordWrap(true);
  constexpr std::array<int, 3> Tops{56, 104, 152};
  for (int i = 0; i < 3; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    Labels[slot] = new QLabel(QString::fromStdString(answers[slot]), this);
    layout.Place(Labels[slot], 208, Tops[slot], 246, 41);
    Labels[slot]->setWordWrap(true);
    // An answer begins beside its button, whether it takes one line or two.
    Labels[slot]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Labels[slot]->setCursor(Qt::PointingHandCursor);
    Labels[slot]->installEventFilter(this);
    // The button carries the answer's number, and the number key chooses it too.
    Buttons[slot] = new QPushButton(QString::number(i + 1), this);
    Buttons[slot]->setShortcut(QKeySequence(Qt::Key_1 + i));
    layout.Place(Buttons[slot], 176, Tops[slot], 21, 21);
    connect(Buttons[slot], &QPushButton::clicked, this, [this, i] { done(FirstResult + i); });
  }
}

bool TFirstDecisionForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    for (int i = 0; i < 3; ++i) {
      if (watched == Labels[static_cast<std::size_t>(i)]) {
        done(FirstResult + i);
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace fjordheim
