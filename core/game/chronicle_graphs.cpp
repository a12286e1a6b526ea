#include "core/game/chronicle_graphs.h"

#include <functional>

#include "core/game/game_controller.h"

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
          "",
          ""};
}

TGraph FoodGraph(const TChronicle& c) {
  return {"Mat",
          "% av behovet",
          "matporsjoner",
          {Line(c, "Mat folket fikk", [](const TChronicleRecord& r) { return static_cast<double>(r.FoodRatio) * 100; }),
           Line(c, "Forrådet", [](const TChronicleRecord& r) { return static_cast<double>(r.FoodStore); }, true)},
          100,
          "Nok mat",
          ""};
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
          "",
          ""};
}

TGraph GoodsGraph(const TChronicle& c) {
  return {"Varer",
          "varer",
          "",
          {Line(c, "Varer vi har", [](const TChronicleRecord& r) { return Sum(r.Goods); }),
           Line(c, "Varer vi trenger", [](const TChronicleRecord& r) { return Sum(r.Wants); })},
          0,
          "",
          ""};
}

// The line is the judgement itself, so that a chief deposed stands below the limit in the
// season it happened.
TGraph RatingGraph(const TChronicle& c) {
  return {"Høvdingen",
          "dom",
          "",
          {Line(c, "Rådets dom", [](const TChronicleRecord& r) { return static_cast<double>(r.Judgement); })},
          static_cast<double>(TGameController::DepositionLevel),
          "Under denne streken blir høvdingen avsatt",
          "Rådet dømmer deg etter tre ting: om avgjørelsene dine er kloke, om folket i bygda lever og får nok "
          "mat, og om bygda har de varene den trenger. Varene teller bare i et år da du har handlet på "
          "markedet. Kommer dommen under den røde streken, blir du avsatt."};
}

std::string SeasonName(const TChronicleRecord& record) {
  static const char* const names[] = {"Høst", "Vinter", "Vår", "Sommer"};
  return std::string(names[static_cast<std::size_t>(record.Season) % SeasonCount]) + " " + std::to_string(record.Year);
}

std::string Verdict(int score) { return (score > 0 ? "+" : "") + std::to_string(score); }

std::string VerdictTip(const std::string& season, int score) {
  return season + ": avgjørelsene ga " + Verdict(score) + " poeng hos rådet.";
}

// Only the last season can be the one the council deposed the chief in: after it the game
// is over.
bool EndsInDeposition(const std::vector<TChronicleRecord>& records) {
  return !records.empty() && records.back().Judgement < TGameController::DepositionLevel;
}

}  // namespace

TChronicleGraphs::TChronicleGraphs(const TChronicle& chronicle) {
  Graphs = {PeopleGraph(chronicle), FoodGraph(chronicle), AnimalGraph(chronicle), GoodsGraph(chronicle),
            RatingGraph(chronicle)};
  const auto& records = chronicle.Records();
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TChronicleRecord& record = records[i];
    const int season = static_cast<int>(i);
    const std::string name = SeasonName(record);
    SeasonNames.push_back(name);
    if (!record.Event.empty()) Events.push_back({season, record.Event, 0, name + ": " + record.Event});
    const int score = record.DecisionScore;
    Verdicts.push_back({season, Verdict(score), score, VerdictTip(name, score)});
  }
  if (EndsInDeposition(records)) {
    const int last = static_cast<int>(records.size()) - 1;
    Events.push_back({last, DepositionEvent, 0, SeasonNames.back() + ": " + DepositionEvent + "."});
  }
}

}  // namespace fjordheim
