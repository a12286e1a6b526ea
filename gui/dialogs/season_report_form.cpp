#include "gui/dialogs/season_report_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/common/translation.h"
#include "gui/dialogs/picture_area_image.h"

namespace fjordheim {

namespace {

const QColor WindowColour(255, 255, 225);
const QColor WhyColour(120, 30, 20);
// The lines that say why sit in a band below the report's own panels.
constexpr int ReportHeight = 305;
constexpr int WhyBand = 152;

QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

}  // namespace

TSeasonInfoForm::TSeasonInfoForm(QWidget* parent, const TPictureList* smallHumans,
                                 const TPictureList* smallCattle, TGameLayout layout)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      FLayout(layout),
      FSmallHumans(smallHumans),
      FSmallCattle(smallCattle) {
  setWindowTitle(QString::fromStdString(Tr("Dette hendte...")));
  setFont(layout.PixelFont("MS Sans Serif", 10));
  setFixedSize(layout.Scaled(488), layout.Scaled(ReportHeight + WhyBand));
  // A style sheet on the window would keep its scaled font from the controls in its panels.
  QPalette colours = palette();
  colours.setColor(QPalette::Window, WindowColour);
  setPalette(colours);
  const auto group = [&](const char* title, int x, int y) {
    auto* box = new QGroupBox(Translated(title), this);
    layout.Place(box, x, y, 225, 113);
    return box;
  };
  const auto label = [&](QWidget* parentBox, const QString& text, int x, int y, int w, int h, bool wrap) {
    auto* l = new QLabel(text, parentBox);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font());
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.Place(l, x, y, w, h);
    return l;
  };
  QGroupBox* born = group(TrMark("Fødte barn"), 8, 8);
  label(born, QString::fromStdString(Tr("Gutter")), 8, 24, 60, 16, false);
  label(born, QString::fromStdString(Tr("Jenter")), 112, 24, 60, 16, false);
  FBornHumanImage = label(born, {}, 8, 40, 209, 25, false);
  FBirthLabel = label(born, {}, 8, 74, 209, 31, true);
  QGroupBox* bornAnimals = group(TrMark("Fødte dyr"), 248, 8);
  FBornCattleImage = label(bornAnimals, {}, 8, 16, 209, 57, false);
  // The sentences may run a line longer than the design height where the font is wider.
  FCattleBirthLabel = label(bornAnimals, {}, 8, 80, 209, 32, true);
  QGroupBox* deadAnimals = group(TrMark("Døde dyr"), 248, 128);
  FDeadCattleImage = label(deadAnimals, {}, 8, 16, 209, 57, false);
  FCattleDeathLabel = label(deadAnimals, {}, 8, 81, 209, 31, true);
  QGroupBox* dead = group(TrMark("Døde mennesker"), 8, 128);
  label(dead, QString::fromStdString(Tr("Gamle")), 8, 24, 50, 16, false);
  label(dead, QString::fromStdString(Tr("Voksne")), 8, 40, 50, 16, false);
  label(dead, QString::fromStdString(Tr("Barn")), 8, 56, 50, 16, false);
  FDeadHumanImage = label(dead, {}, 64, 24, 153, 50, false);
  FDeathLabel = label(dead, {}, 8, 80, 213, 30, true);
  const auto why = [&](int x, int y, int w, int h) {
    QLabel* line = label(this, {}, x, y, w, h, true);
    QPalette lineColours = line->palette();
    lineColours.setColor(QPalette::WindowText, WhyColour);
    line->setPalette(lineColours);
    return line;
  };
  // The numbers make the lines longer than the report's own sentences: room for six lines.
  FPeopleWhyLabel = why(8, 246, 225, 112);
  // Beside the lines that say why: the young by their own names and what the slaughter gave.
  FAnimalNoteLabel = label(this, {}, 248, 246, 225, 50, true);
  FAnimalsWhyLabel = why(248, 298, 225, 62);
  FCropWhyLabel = why(8, 362, 465, 30);
  auto* close = new QPushButton(QString::fromStdString(Tr("Lukk")), this);
  layout.Place(close, 184, 248 + WhyBand, 113, 25);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void TSeasonInfoForm::ShowArea(QLabel* target, const TPictureArea& area, const TPictureList* pictures,
                               int fallbackSize) {
  const QPixmap image = PictureAreaImage(area, pictures, WindowColour, fallbackSize);
  target->setPixmap(image.scaled(target->size()));
}

void TSeasonInfoForm::FillReport(const TSeasonChangeInfo& info) { FillReport(TSeasonReport(info)); }

void TSeasonInfoForm::FillReport(const TSeasonReport& report) {
  setWindowTitle(QString::fromStdString(report.Caption));
  FBirthLabel->setText(QString::fromStdString(report.BirthText));
  FDeathLabel->setText(QString::fromStdString(report.DeathText));
  FCattleBirthLabel->setText(QString::fromStdString(report.AnimalBirthText));
  FCattleDeathLabel->setText(QString::fromStdString(report.AnimalDeathText));
  FPeopleWhyLabel->setText(QString::fromStdString(report.PeopleWhy));
  FAnimalsWhyLabel->setText(QString::fromStdString(report.AnimalsWhy));
  std::string note = report.YoungText;
  if (!note.empty() && !report.SlaughterText.empty()) note += "\n";
  FAnimalNoteLabel->setText(QString::fromStdString(note + report.SlaughterText));
  std::string bottom = report.CropWhy;
  if (!bottom.empty() && !report.DepositionWhy.empty()) bottom += "\n";
  FCropWhyLabel->setText(QString::fromStdString(bottom + report.DepositionWhy));
  ShowArea(FBornHumanImage, report.BornHumans, FSmallHumans, TSeasonReport::HumanPictureSize);
  ShowArea(FDeadHumanImage, report.DeadHumans, FSmallHumans, TSeasonReport::HumanPictureSize);
  ShowArea(FBornCattleImage, report.BornAnimals, FSmallCattle, TSeasonReport::AnimalPictureSize);
  ShowArea(FDeadCattleImage, report.DeadAnimals, FSmallCattle, TSeasonReport::AnimalPictureSize);
}

}  // namespace fjordheim
