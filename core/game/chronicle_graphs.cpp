#include "core/game/chronicle_graphs.h"

#include <functional>

namespace fjordheim {

namespace {

using TValueOf = std::function<double(const TChronicleRecord&)>;

TGraphLine Line(const TChronicle& chronicle, std::string name, const TValueOf& valueOf, bool rightScale = false) {
  TGraphLine line{std::move(name), {}, rightScale};
  for (const TChronicleRecord& record : chronicle.Records()) line.Values.push_back(valueOf(record));
  return line;
}

template <typename TArray>
double Sum(const TArray& values) {
  double sum = 0;
  for (const auto value : values) sum += value;
  return sum;
}

TGraph PeopleGraph(const TChronicle& c) {
  auto group = [](TPopulationGroup g) {
    return [g](const TChronicleRecord& r) { return static_cast<double>(r.People[static_cast<std::size_t>(g)]); };
  };
  return {"Folk",
          "personer",
          "",
          {Line(c, "Gamle", group(TPopulationGroup::Elder)), Line(c, "Menn", group(TPopulationGroup::AdultMan)),
           Line(c, "Kvinner", group(TPopulationGroup::AdultWoman)),
           Line(c, "Barn og unge",
                [](const TChronicleRecord& r) {
                  return static_cast<double>(r.People[static_cast<std::size_t>(TPopulationGroup::Youth)] +
                                             r.People[static_cast<std::size_t>(TPopulationGroup::Child)]);
                }),
           Line(c, "Nyfødte", group(TPopulationGroup::Infant))},
          0,
          ""};
}

TGraph FoodGraph(const TChronicle& c) {
  return {"Mat",
          "% av behovet",
          "matporsjoner",
          {Line(c, "Mat folket fikk", [](const TChronicleRecord& r) { return static_cast<double>(r.FoodRatio) * 100; }),
           Line(c, "Forrådet", [](const TChronicleRecord& r) { return static_cast<double>(r.FoodStore); }, true)},
          100,
          "Nok mat"};
}

TGraph AnimalGraph(const TChronicle& c) {
  auto kind = [](TAnimalKind k) {
    return [k](const TChronicleRecord& r) { return static_cast<double>(r.Animals[static_cast<std::size_t>(k)]); };
  };
  return {"Dyr",
          "dyr",
          "",
          {Line(c, "Kyr", kind(TAnimalKind::Cow)), Line(c, "Griser", kind(TAnimalKind::Pig)),
           Line(c, "Sauer", kind(TAnimalKind::Sheep)), Line(c, "Høns", kind(TAnimalKind::Hen))},
          0,
          ""};
}

TGraph GoodsGraph(const TChronicle& c) {
  return {"Varer",
          "varer",
          "",
          {Line(c, "Varer vi har", [](const TChronicleRecord& r) { return Sum(r.Goods); }),
           Line(c, "Varer vi trenger", [](const TChronicleRecord& r) { return Sum(r.Wants); })},
          0,
          ""};
}

TGraph RatingGraph(const TChronicle& c) {
  return {"Høvdingen",
          "dom",
          "",
          {Line(c, "Byrådets dom", [](const TChronicleRecord& r) { return static_cast<double>(r.Rating); })},
          TChronicleGraphs::DepositionLevel,
          "Under denne streken blir høvdingen avsatt"};
}

std::string SeasonName(const TChronicleRecord& record) {
  static const char* const names[] = {"Høst", "Vinter", "Vår", "Sommer"};
  return std::string(names[static_cast<std::size_t>(record.Season) % SeasonCount]) + " " + std::to_string(record.Year);
}

std::string Verdict(int score) { return (score > 0 ? "+" : "") + std::to_string(score); }

}  // namespace

TChronicleGraphs::TChronicleGraphs(const TChronicle& chronicle) {
  Graphs = {PeopleGraph(chronicle), FoodGraph(chronicle), AnimalGraph(chronicle), GoodsGraph(chronicle),
            RatingGraph(chronicle)};
  const auto& records = chronicle.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TChronicleRecord& record = records[i];
    const int season = static_cast<int>(i);
    SeasonNames.push_back(SeasonName(record));
    if (!record.Event.empty()) Events.push_back({season, record.Event, 0});
    Verdicts.push_back({season, Verdict(record.DecisionScore), record.DecisionScore});
  }
}

}  // namespace fjordheim
