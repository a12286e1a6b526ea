#include "core/game/chronicle_graphs.h"

#include <cstdlib>
#include <functional>

#include "core/common/translation.h"
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
  // Translators: the graphs' titles are the chronicle's tab names; the units stand along the axes.
  return {Tr("Folk"),
          Tr("personer"),
          "",
          {Line(c, Tr("Gamle"), group(TPopulationGroup::Elder)), Line(c, Tr("Menn"), group(TPopulationGroup::AdultMan)),
           Line(c, Tr("Kvinner"), group(TPopulationGroup::AdultWoman)),
           Line(c, Tr("Barn og unge"),
                [](const TChronicleRecord& r) {
                  return static_cast<double>(r.People[static_cast<std::size_t>(TPopulationGroup::Youth)] +
                                             r.People[static_cast<std::size_t>(TPopulationGroup::Child)]);
                }),
           Line(c, Tr("Nyfødte"), group(TPopulationGroup::Infant))},
          0,
          "",
          ""};
}

TGraph FoodGraph(const TChronicle& c) {
  return {Tr("Mat"),
          // xgettext:no-c-format
          Tr("% av behovet"),
          Tr("matporsjoner"),
          {Line(c, Tr("Mat folket fikk"), [](const TChronicleRecord& r) { return static_cast<double>(r.FoodRatio) * 100; }),
           Line(c, Tr("Forrådet"), [](const TChronicleRecord& r) { return static_cast<double>(r.FoodStore); }, true)},
          100,
          Tr("Nok mat"),
          ""};
}

TGraph AnimalGraph(const TChronicle& c) {
  auto kind = [](TAnimalKind k) {
    return [k](const TChronicleRecord& r) { return static_cast<double>(r.Animals[static_cast<std::size_t>(k)]); };
  };
  return {Tr("Dyr"),
          Tr("dyr"),
          "",
          {Line(c, Tr("Kyr"), kind(TAnimalKind::Cow)), Line(c, Tr("Griser"), kind(TAnimalKind::Pig)),
           Line(c, Tr("Sauer"), kind(TAnimalKind::Sheep)), Line(c, Tr("Høns"), kind(TAnimalKind::Hen))},
          0,
          "",
          ""};
}

TGraph GoodsGraph(const TChronicle& c) {
  return {Tr("Varer"),
          Tr("varer"),
          "",
          {Line(c, Tr("Varer vi har"), [](const TChronicleRecord& r) { return Sum(r.Goods); }),
           Line(c, Tr("Varer vi trenger"), [](const TChronicleRecord& r) { return Sum(r.Wants); })},
          0,
          "",
          ""};
}

// The line is the judgement itself, so that a chief deposed stands below the limit in the
// season it happened.
TGraph RatingGraph(const TChronicle& c) {
  return {Tr("Høvdingen"),
          Tr("dom"),
          "",
          {Line(c, Tr("Rådets dom"), [](const TChronicleRecord& r) { return static_cast<double>(r.Judgement); })},
          static_cast<double>(TGameController::DepositionLevel),
          Tr("Under denne streken blir høvdingen avsatt"),
          Tr("Rådet dømmer deg etter tre ting: om avgjørelsene dine er kloke, om folket i bygda lever og får nok "
          "mat, og om bygda har de varene den trenger. Varene teller bare i et år da du har handlet på "
          "markedet. Kommer dommen under den røde streken, blir du avsatt.")};
}

std::string SeasonName(const TChronicleRecord& record) {
  // Translators: a season of the chronicle's time line; {0} is the year.
  static const char* const names[] = {TrMark("Høst {0}"), TrMark("Vinter {0}"), TrMark("Vår {0}"), TrMark("Sommer {0}")};
  return Tr(names[static_cast<std::size_t>(record.Season) % SeasonCount], record.Year);
}

std::string Verdict(int score) { return (score > 0 ? "+" : "") + std::to_string(score); }

std::string VerdictTip(const std::string& season, int score) {
  // Translators: {0} is a season and its year ("Høst 852"), {1} the score with its sign ("+3", "-1").
  return TrPlural("{0}: avgjørelsene ga {1} poeng hos rådet.", "{0}: avgjørelsene ga {1} poeng hos rådet.",
                  std::abs(score), season, Verdict(score));
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
    // Translators: the tip of an event on the time line: {0} is the season ("Høst 852"), {1} the event.
    if (!record.Event.empty()) Events.push_back({season, record.Event, 0, Tr("{0}: {1}", name, record.Event)});
    const int score = record.DecisionScore;
    Verdicts.push_back({season, Verdict(score), score, VerdictTip(name, score)});
  }
  if (EndsInDeposition(records)) {
    const int last = static_cast<int>(records.size()) - 1;
    Events.push_back({last, Tr(DepositionEvent), 0, Tr("{0}: Rådet avsatte høvdingen.", SeasonNames.back())});
  }
}

}  // namespace fjordheim
