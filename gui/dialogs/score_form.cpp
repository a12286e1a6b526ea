#include "gui/dialogs/score_form.h"

#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/common/translation.h"

namespace fjordheim {

TScoreForm::TScoreForm(QWidget* parent, const TScoreOutcome& outcome, TGameLayout layout)
    : QDialog(parent) {
  setWindowTitle(QString::fromStdString(Tr("Topplistan")));
  setFont(layout.Font(font()));
  setFixedSize(layout.Scaled(429), layout.Scaled(329));
  FScore = new QLabel(QString::fromStdString(outcome.ScoreText), this);
  layout.Place(FScore, 8, 16, 405, 16);
  FCongratulation = new QLabel(QString::fromStdString(Tr("Gratulerer! Du har kommet med på topplisten.")), this);
  layout.Place(FCongratulation, 8, 36, 405, 16);
  FCongratulation->setVisible(outcome.Listed);
  // Why a deposed chief was deposed, in the free line above the list's heading.
  FCause = new QLabel(QString::fromStdString(outcome.Cause), this);
  FCause->setTextFormat(Qt::PlainText);
  FCause->setStyleSheet("color: #781e14;");
  layout.Place(FCause, 8, 52, 405, 16);
  FCause->setVisible(!outcome.Cause.empty());
  auto* heading = new QLabel(QString::fromStdString(Tr("De ti mest fremgangsrike høvdingene")), this);
  layout.Place(heading, 8, 68, 405, 16);
  auto* panel = new QFrame(this);
  layout.Place(panel, 4, 88, 413, 177);
  FMemo = new QPlainTextEdit(panel);
  FMemo->setReadOnly(true);
  FMemo->setStyleSheet("background: #f0f0f0;");
  // The lines line their scores up with blanks, which only a fixed-width font keeps.
  FMemo->setFont(layout.Font(QFontDatabase::systemFont(QFontDatabase::FixedFont)));
  QStringList lines;
  for (const std::string& line : outcome.Lines) lines.push_back(QString::fromStdString(line));
  FMemo->setPlainText(lines.join('\n'));
  layout.Place(FMemo, 4, 4, 405, 169);
  auto* close = new QPushButton(QString::fromStdString(Tr("Lukk")), this);
  close->setDefault(true);
  layout.Place(close, 176, 272, 75, 25);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace fjordheim
