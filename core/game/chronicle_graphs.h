#pragma once

#include <string>
#include <vector>

#include "core/common/translation.h"
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
  /// What the mark means, for the pointer resting on it: "Høst 852: avgjørelsene ga +3 poeng hos rådet."
  std::string Tip;
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
  /// A sentence under the graph that tells how to read it; empty for none.
  std::string Explanation;
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

  /// What the marks of the time line mean, in one line under it.
  static constexpr const char* MarksLegend =
      TrMark("Tallet i ringen: poeng for avgjørelsene (grønn er gode, rød er dårlige). Oransje: hendelser.");
  /// The event that closes the chronicle of a chief whom the council deposed.
  static constexpr const char* DepositionEvent = TrMark("Rådet avsatte høvdingen");
};

}  // namespace fjordheim
