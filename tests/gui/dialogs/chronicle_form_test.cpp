#include <gtest/gtest.h>

#include <QChart>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/common/lines.h"
#include "core/settings/language.h"
#include "gui/dialogs/chronicle_form.h"
#include "gui/dialogs/chronicle_time_line.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

TChronicle EightSeasons() {
  TChronicle chronicle;
  for (int i = 0; i < 8; ++i) {
    TChronicleRecord record;
    record.Season = static_cast<TSeason>(i % 4);
    record.Year = static_cast<std::uint16_t>(852 + (i + 3) / 4);
    record.People = {3, 8, 9, 8 - i / 2, 6, 3};
    record.Animals = {static_cast<std::uint16_t>(8 - i), 7, 9, 15};
    record.FoodRatio = i == 5 ? 0.45F : 1.2F;
    record.FoodStore = 10.0L * i;
    record.Wants = {2, 3, 2, 1, 1, 1};
    record.Event = i == 5 ? "Brann i langhuset!" : "";
    record.DecisionScore = i % 3 == 0 ? -1 : 3;
    record.Rating = 0.9L - 0.08L * i;
    record.Judgement = 0.8L - 0.08L * i;
    chronicle.Add(record);
  }
  return chronicle;
}

TEST(ChronicleWindow, DrawsEveryThemeAndKeepsTheGraphShown) {
  TChronicleForm form(nullptr);
  form.SetChronicle(EightSeasons());
  form.show();
  ASSERT_EQ(form.Pages()->count(), 5);
  for (int graph = 0; graph < 5; ++graph) {
    auto* first = dynamic_cast<QLineSeries*>(form.Chart(graph)->series().front());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->count(), 8) << graph;
  }
  form.Pages()->setCurrentIndex(4);
  form.SetChronicle(EightSeasons());
  EXPECT_EQ(form.Pages()->currentIndex(), 4);
  // The time line's first and last seasons stand under the graph's.
  const QRectF plot = form.Chart(4)->plotArea();
  EXPECT_GT(form.TimeLine()->SeasonX(7) - form.TimeLine()->SeasonX(0), plot.width() * 0.9);
}

// The labels on a page of the window that say something, beside the chart's own.
QStringList Sentences(QWidget* page) {
  QStringList sentences;
  for (const QLabel* label : page->findChildren<QLabel*>()) sentences << label->text();
  return sentences;
}

TEST(ChronicleWindow, TheChiefsGraphIsExplainedAndTheMarksSayWhatTheyMean) {
  TChronicleForm form(nullptr);
  const TChronicle chronicle = EightSeasons();
  form.SetChronicle(chronicle);
  form.show();
  form.Pages()->setCurrentIndex(4);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const TChronicleGraphs graphs(chronicle);
  EXPECT_EQ(Sentences(form.Pages()->widget(4)), QStringList{QString::fromStdString(graphs.Graphs[4].Explanation)});
  EXPECT_TRUE(Sentences(form.Pages()->widget(0)).isEmpty());
  auto* judged = dynamic_cast<QLineSeries*>(form.Chart(4)->series().front());
  ASSERT_NE(judged, nullptr);
  EXPECT_EQ(judged->name(), QString::fromUtf8("Rådets dom"));
  EXPECT_DOUBLE_EQ(judged->at(7).y(), static_cast<double>(chronicle.Records()[7].Judgement));
  EXPECT_EQ(form.MarksLegend()->text(), QString::fromUtf8(TChronicleGraphs::MarksLegend));
  EXPECT_TRUE(form.MarksLegend()->isVisible());
  // Resting on a season's mark tells its verdict, and its event when it had one.
  TChronicleTimeLine* line = form.TimeLine();
  EXPECT_EQ(line->TipAt(line->SeasonX(0)), QString::fromUtf8("Høst 852: avgjørelsene ga -1 poeng hos rådet."));
  const QString fire = QString::fromStdString(graphs.SeasonNames[5]);
  EXPECT_EQ(line->TipAt(line->SeasonX(5) + 3),
            fire + QString::fromUtf8(": avgjørelsene ga +3 poeng hos rådet.\n") + fire +
                QString::fromUtf8(": Brann i langhuset!"));
  EXPECT_TRUE(line->TipAt(line->SeasonX(0) - 40).isEmpty());
  EXPECT_TRUE(line->TipAt((line->SeasonX(2) + line->SeasonX(3)) / 2).isEmpty());
  SaveScreenshot(form, "chronicle_judgement");
}

// A window made in a language reads wholly in it: its title, tabs, buttons, legend and tips.
TEST(ChronicleWindow, InNynorskAndEnglishEveryWordOfTheWindowIsTheLanguages) {
  const struct {
    TLanguageCode Code;
    const char* Title;
    const char* FirstTab;
    const char* Tip;
  } languages[] = {{TLanguageCode::Nynorsk, "Krønike", "Folk", "Haust 852: avgjerdene gav -1 poeng hos rådet."},
                   {TLanguageCode::English, "Chronicle", "People", "Autumn 852: the decisions earned -1 point with the council."}};
  for (const auto& language : languages) {
    TLanguage(language.Code, FJORDHEIM_CATALOG_DIR).Use();
    TChronicleForm form(nullptr);
    form.SetChronicle(EightSeasons());
    form.show();
    form.Pages()->setCurrentIndex(4);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(language.Title));
    EXPECT_EQ(form.Pages()->tabText(0), QString::fromUtf8(language.FirstTab));
    EXPECT_EQ(form.TimeLine()->TipAt(form.TimeLine()->SeasonX(0)), QString::fromUtf8(language.Tip));
    EXPECT_NE(form.MarksLegend()->text(), QString::fromUtf8(TChronicleGraphs::MarksLegend));
    SaveScreenshot(form, QString("chronicle_judgement_") + QString::fromUtf8(LanguageTag(language.Code).data()));
  }
  TLanguage().Use();
}

TEST(ChronicleWindow, SavesAPictureOfAllGraphsAndTheTableForTheTeacher) {
  QTemporaryDir folder;
  TChronicleForm form(nullptr);
  const TChronicle chronicle = EightSeasons();
  form.SetChronicle(chronicle);
  const QString picture = folder.filePath("krønike.png");
  ASSERT_TRUE(form.ExportPicture(picture));
  const QImage saved(picture);
  EXPECT_EQ(saved.width(), 1200);
  EXPECT_GT(saved.height(), 5 * 500);
  const QString table = folder.filePath("krønike.csv");
  ASSERT_TRUE(form.ExportTable(table));
  std::string csv;
  ASSERT_TRUE(ReadWholeFile(table.toStdString(), csv));
  EXPECT_EQ(csv, chronicle.ToCsv());
  EXPECT_FALSE(form.ExportTable(folder.filePath("no such folder/x.csv")));
  saved.save(QCoreApplication::applicationDirPath() + "/screenshots/chronicle_export.png");
}

}  // namespace
}  // namespace fjordheim
