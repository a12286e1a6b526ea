#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>
#include <vector>

#include "core/work/work_places.h"
#include "gui/controls/picture_list.h"
#include "gui/controls/picture_loader.h"
#include "gui/council/council_image.h"
#include "gui/work/creature.h"
#include "gui/work/creature_container.h"
#include "gui/work/creature_divider.h"
#include "gui/work/human.h"
#include "gui/work/human_container.h"
#include "gui/work/human_container_ii.h"
#include "gui/work/human_divider.h"
#include "tests/gui/screenshot.h"
#include "core/village/village.h"

namespace fjordheim {
namespace {

// The pictures the build makes for the game, when they have been made.
QString PicturesFolder() { return QCoreApplication::applicationDirPath() + "/../../game/Bilder/"; }

TPictureList PictureList(const std::vector<std::string>& names, QColor transparent) {
  TPictureLoader loader;
  return CreatePictureList(transparent.rgb(), names, PicturesFolder().toStdString(), loader);
}

TEST(GamePictures, TheFoundingVillageOnTheWorkSlaughterAndCouncilPages) {
  if (!QFileInfo::exists(PicturesFolder() + "WorkDiv.bmp")) GTEST_SKIP() << "the game's pictures are not made";
  TVillage village = TVillage::StartVillage();
  const TIconPictures people = PictureList({"male3", "female3", "child3"}, Qt::white);
  THumanDivider work(nullptr, QPixmap(PicturesFolder() + "WorkDiv.bmp"));
  for (const TWorkPlace& place : WorkPlaces) {
    work.AddContainer(std::make_unique<THumanContainer>(&work, place.Bounds, place.Kind));
  }
  work.AddContainer(std::make_unique<THumanContainerII>(&work, IdleStripBounds, TWorkKind::Idle));
  std::vector<std::unique_ptr<THuman>> humans;
  int n = 0;
  for (auto& person : village.People) {
    if (!person->IsYouth() && !person->IsAdult()) continue;
    const TWorkKind kind = static_cast<TWorkKind>(n++ % WorkKindCount);
    person->Work = kind;
    humans.push_back(std::make_unique<THuman>(&work, 0, 0, person.get(), &people, work.ContainerOf(kind)));
    work.AddIcon(humans.back().get());
  }
  for (const auto& container : work.Containers()) container->Arrange();
  work.show();
  SaveScreenshot(work, "work_page_pictures");

  const TIconPictures animals =
      PictureList({"komini", "grismini", "farmini", "honamini", "splatt2", "splatt2", "splatt2", "splatt3"},
                  QColor(255, 0, 255));
  TCreatureDivider slaughter(nullptr, QPixmap(PicturesFolder() + "SlaughtD.bmp"));
  auto* pen = slaughter.AddContainer(std::make_unique<TCreatureContainer>(&slaughter, AnimalPenBounds, true, false));
  slaughter.AddContainer(std::make_unique<TCreatureContainer>(&slaughter, SlaughterPenBounds, false, true));
  std::vector<std::unique_ptr<TCreature>> herd;
  for (int kind = 0; kind < AnimalKindCount; ++kind) {
    for (int i = 0; i < village.Animals[static_cast<std::size_t>(kind)]; ++i) {
      herd.push_back(std::make_unique<TCreature>(&slaughter, 0, 0, static_cast<TAnimalKind>(kind), &animals, pen));
      slaughter.AddIcon(herd.back().get());
    }
  }
  pen->Arrange();
  herd[0]->SetSelected(true);
  herd[1]->SetSelected(true);
  slaughter.MarkSelected();
  EXPECT_EQ(herd[0]->State(), TCreature::Marked);
  slaughter.show();
  SaveScreenshot(slaughter, "slaughter_page_pictures");

  const std::vector<std::string> advice{"NODE SUMMER CATTLE",
                                        "+Kyrne trenger mer høy i år. Slå enga før regnet kommer, høvding!", "ENDNODE"};
  TAdviceGenerator generator(advice, "advice.txt");
  const TIconPictures bubbles = PictureList({"bubbla1", "bubbla2", "bubbla3"}, QColor(255, 0, 255));
  TCouncilImage council(nullptr, generator, &bubbles, QPixmap(PicturesFolder() + "Consult.bmp"));
  TRandom random(1);
  council.StartMeeting(TAdviceSeason::Summer, random);
  council.show();
  SaveScreenshot(council, "council_page_opening_pictures");
}

}  // namespace
}  // namespace fjordheim
