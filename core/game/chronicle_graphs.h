#pragma once

#include <string>
#include <vector>

#include "core/game/chronicle.h"

namespace fjordheim {

/// One line of a graph: a value for every season of the chronicle.
struct TGraphLine {
  std::string Name;
  std::vector<double> Values;
  /// Drawn against the graph's second scale, on the right.
  bool RightScale = false;
};

/// Something that happened in one season (0 = the first of the chronicle).
struct TGraphMark {
  int Season = 0;
  std::string Text;
  /// The decisions' score for a verdict; 0 for an event.
  int Score = 0;
};

/// One graph of a theme of the chronicle.
struct TGraph {
  std::string Title;
  std::string LeftUnit;
  std::string RightUnit;
  std::vector<TGraphLine> Lines;
  /// A level drawn across the graph (the rating below which the chief is deposed); none when
  /// LimitName is empty.
  double Limit = 0;
  std::string LimitName;
};

/// What the chronicle window draws: the seasons played, one graph per theme (people, food,
/// animals, goods, the chief's rating) and the events and decision verdicts on the time line.
class TChronicleGraphs {
 public:
  explicit TChronicleGraphs(const TChronicle& chronicle);

  /// "Høst 852" for each season of the chronicle.
  std::vector<std::string> SeasonNames;
  std::vector<TGraph> Graphs;
  std::vector<TGraphMark> Events;
  /// The verdict of every season's decisions (a season cannot end without them): "+3", "0", "-1".
  std::vector<TGraphMark> Verdicts;

  /// The rating below which the council deposes the chief.
  static constexpr double DepositionLevel = 0.2;
};

}  // namespace fjordheim
