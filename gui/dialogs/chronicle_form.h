#pragma once

#include <QDialog>
#include <QImage>
#include <QString>

#include <memory>
#include <vector>

#include "core/game/chronicle.h"
#include "core/game/chronicle_graphs.h"
#include "gui/dialogs/game_layout.h"

class QChart;
class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;

namespace fjordheim {

class TChronicleTimeLine;

/// "Krønike": the game's history for the class, one graph a theme over the seasons played
/// with the events and decision verdicts on the time line below; it saves the graphs as a
/// picture and the history as a table. Made once and reused.
class TChronicleForm : public QDialog {
 public:
  explicit TChronicleForm(QWidget* parent, TGameLayout layout = TGameLayout());

  /// Where the save boxes open: the game's own folder.
  void SetFolder(const QString& folder) { FFolder = folder; }
  /// Draws the chronicle; the tab shown stays.
  void SetChronicle(const TChronicle& chronicle);
  /// All graphs one under the other, each of the given size, with the time line under each.
  QImage GraphsPicture(QSize each) const;
  /// Writes the picture (PNG) or the table (CSV) to path; false when it could not be written.
  bool ExportPicture(const QString& path) const;
  bool ExportTable(const QString& path) const;

  QTabWidget* Pages() const { return FPages; }
  QChart* Chart(int graph) const;
  TChronicleTimeLine* TimeLine() const { return FTimeLine; }
  QLabel* MarksLegend() const { return FLegend; }
  QPushButton* PictureButton() const { return FPictureButton; }
  QPushButton* TableButton() const { return FTableButton; }

 private:
  void AlignTimeLine();
  QString AskPath(const char* title, const QString& extension);
  void TellUnwritten(const QString& path);
  void AskAndExportPicture();
  void AskAndExportTable();

  TGameLayout FLayout;
  QString FFolder;
  TChronicle FChronicle;
  std::unique_ptr<TChronicleGraphs> FGraphs;
  QTabWidget* FPages = nullptr;
  std::vector<QChartView*> FViews;
  TChronicleTimeLine* FTimeLine = nullptr;
  QLabel* FLegend = nullptr;
  QPushButton* FPictureButton = nullptr;
  QPushButton* FTableButton = nullptr;
};

}  // namespace fjordheim
