#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/catastrophes/catast_node.h"
#include "core/common/random.h"
#include "core/council/advice_node.h"
#include "core/game/game_controller.h"
#include "core/game/headless_view.h"
#include "core/game/play_policy.h"
#include "core/game/popup_tips.h"
#include "core/game/score_file.h"
#include "core/game/season_report.h"
#include "core/settings/name_tables.h"
#include "core/settings/settings.h"

namespace fjordheim::testing {

/// A game folder with a small data set of its own: advice for every meeting, decision
/// files whose tasks name their file, the events and tips a test asks for.
class TGameFolder {
 public:
  // ctest runs the tests of one suite side by side, each in its own process: the process id
  // keeps their folders apart.
  explicit TGameFolder(const std::string& name)
      : Root(std::filesystem::temp_directory_path() / ("fjordheim-game-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(Root);
    for (const char* folder : {"Data", "Game", "Html", "Bookm"}) std::filesystem::create_directories(Root / folder);
    Write("tunstad.ini", "[Tunstad]\nSOUND=OFF\n");
    WriteAdvice();
    for (std::size_t i = 0; i < DecisionFileNames.size(); ++i) WriteDecisions(std::string(DecisionFileNames.Names[i]));
    Write("Data/Catasts.txt", "");
    WritePopups(0, 0, {});
  }
  ~TGameFolder() {
    std::error_code error;
    std::filesystem::remove_all(Root, error);
  }

  void Write(const std::string& file, const std::string& text) const {
    std::ofstream(Root / file, std::ios::binary) << text;
  }
  /// One tip a number; a tip with a page names it, "" for none.
  void WritePopups(int period, int random, const std::vector<std::string>& pages) const {
    std::string text = "[INFO]\nPOPUP_COUNT=" + std::to_string(pages.size()) + "\nPOPUP_RANDOM=" +
                       std::to_string(random) + "\nPOPUP_PERIOD=" + std::to_string(period) + "\n";
    for (std::size_t i = 0; i < pages.size(); ++i) {
      text += "[POPUP" + std::to_string(i + 1) + "]\nTEXT=tip " + std::to_string(i + 1) + "\nURL=" + pages[i] +
              "\nBITMAP=tip.bmp\n";
    }
    Write("Data/popup.txt", text);
  }
  void WriteEvents(const std::vector<std::string>& keys) const {
    std::string text;
    for (const std::string& key : keys) text += "NODE " + key + "\n* " + key + "\n- p.bmp\n+ s.wav\nline\nENDNODE\n";
    Write("Data/Catasts.txt", text);
  }
  std::string ProgramPath() const { return (Root / "fjordheim").string(); }
  std::string GameFile(const std::string& name) const { return (Root / "Game" / name).string(); }

  std::filesystem::path Root;

 private:
  void WriteAdvice() const {
    std::string text;
    for (const std::string_view season : AdviceSeasonKeywords) {
      for (const std::string_view area : AdviceAreaKeywords) {
        text += "NODE " + std::string(season) + " " + std::string(area) + "\n+ " + std::string(season) + " " +
                std::string(area) + "\n- a.wav\nENDNODE\n";
      }
    }
    Write("Data/advice.txt", text);
  }
  // Right tasks score +1; each wrong task costs 1.
  void WriteDecisions(const std::string& file) const {
    std::string text;
    for (int group = 1; group <= 3; ++group) {
      text += "GRUPP " + std::to_string(group) + "\n- " + file + " right " + std::to_string(group) + "\nEND\n";
    }
    text += "GRUPP FEL\n- " + file + " wrong 1\n* no\nx 1\n- " + file + " wrong 2\n* no\nx 1\n";
    Write("Data/" + file, text);
  }
};

/// A view that remembers what the game showed, keeps its own copy of the figures as the
/// screen would, and decides as told.
class TScriptedView : public THeadlessView {
 public:
  void ShowSeasonDialog(const std::string& line1, const std::string& line2) override { SeasonDialogs.push_back({line1, line2}); }
  void ShowCatastrophe(const TCatastNode& event, const std::string&) override { Events.push_back(event.Key); }
  void ShowSeasonReport(const TSeasonReport& report) override {
    ++Reports;
    LastReport = report;
    if (OnReport) OnReport();
  }
  int ShowTip(const TTip& tip, const std::string&) override {
    Tips.push_back(tip.Text);
    return TipAnswer;
  }
  void ShowPage(const std::string& page) override { Pages.push_back(page); }
  void ShowScoreList(const TScoreOutcome& outcome) override { Scores.push_back(outcome); }
  void ShowMessage(const std::string& text) override { Messages.push_back(text); }
  void PlayWave(const std::string& file, int, int, bool, bool) override { Waves.push_back(file); }
  void ShowDeposition(const std::string& picture, const std::string& text) override { Deposition = picture + "|" + text; }
  void StartOutro() override { ++Outros; }
  void HumanFigureAdded(TFigureId id, const THumanInfo&) override { EXPECT_TRUE(People.emplace(id, std::nullopt).second); }
  void HumanFigureShownAt(TFigureId id, TWorkKind work) override { People.at(id) = work; }
  void HumanFigureLeftWork(TFigureId id) override { People.at(id) = std::nullopt; }
  void HumanFigureRemoved(TFigureId id) override { EXPECT_EQ(People.erase(id), 1U); }
  void AnimalFigureAdded(TFigureId id, TAnimalKind) override { EXPECT_TRUE(Animals.emplace(id, false).second); }
  void AnimalFigureMarked(TFigureId id) override { Animals.at(id) = true; }
  void AnimalFigureRemoved(TFigureId id) override { EXPECT_EQ(Animals.erase(id), 1U); }
  void FiguresCleared() override {
    People.clear();
    Animals.clear();
  }

  std::vector<std::pair<std::string, std::string>> SeasonDialogs;
  std::vector<std::string> Events;
  std::vector<std::string> Tips;
  std::vector<std::string> Pages;
  std::vector<TScoreOutcome> Scores;
  std::vector<std::string> Messages;
  std::vector<std::string> Waves;
  std::string Deposition;
  int Reports = 0;
  std::optional<TSeasonReport> LastReport;
  /// Called while the report is shown, as a player reads it.
  std::function<void()> OnReport;
  int Outros = 0;
  int TipAnswer = 2;
  /// The work page's figures (the work they are shown at, none off the page) and the pen's (marked or not).
  std::map<TFigureId, std::optional<TWorkKind>> People;
  std::map<TFigureId, bool> Animals;
};

/// A controller over a game folder with a scripted view and the simple policy.
struct TGameRig {
  TGameRig(const TGameFolder& folder, std::uint32_t seed, bool rightDecisions = true)
      : TGameRig(folder.ProgramPath(), {}, seed, rightDecisions) {}
  /// A game of a program installed at programPath.
  TGameRig(const std::string& programPath, const TInstallation& installation, std::uint32_t seed, bool rightDecisions = true)
      : Random(seed), Settings(programPath, Random, installation), Policy(Random, rightDecisions) {
    Game = std::make_unique<TGameController>(Settings, Random, View, Sink);
    View.Decide = [this](TDecisionBoard& board) { return Policy.Decide(board, Game->SeasonDecisions()); };
  }
  void HearCouncil() {
    for (int area = 0; area < AdviceAreaCount; ++area) Game->HearAdviser(area);
  }

  TRandom Random;
  TSettings Settings;
  TScriptedView View;
  TCollectingMessageSink Sink;
  TPlayPolicy Policy;
  std::unique_ptr<TGameController> Game;
};

}  // namespace fjordheim::testing
