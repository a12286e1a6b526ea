#pragma once

#include <QWidget>

#include "core/game/chronicle_graphs.h"

namespace fjordheim {

/// The time line under the chronicle's graphs: a mark for every season, the verdict of its
/// decisions (green when they were right on the whole, red when not) and the events, lined
/// up with the seasons of the graph above it. The pointer resting on a season tells what its
/// marks mean.
class TChronicleTimeLine : public QWidget {
 public:
  explicit TChronicleTimeLine(QWidget* parent = nullptr);

  void SetMarks(const TChronicleGraphs& graphs);
  /// The x of the first and the last season in this widget's pixels.
  void SetSpan(double first, double last);
  /// Where season i stands.
  double SeasonX(int season) const;
  /// What the marks of the season under x mean, one line each; empty beside every season.
  QString TipAt(double x) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  int FSeasons = 0;
  std::vector<TGraphMark> FEvents;
  std::vector<TGraphMark> FVerdicts;
  double FFirst = 0;
  double FLast = 0;
};

}  // namespace fjordheim
