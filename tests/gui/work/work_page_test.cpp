#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <optional>
#include <vector>

#include "core/work/work_places.h"
#include "gui/work/creature.h"
#include "gui/work/creature_container.h"
#include "gui/work/creature_divider.h"
#include "gui/work/human.h"
#include "gui/work/human_container.h"
#include "gui/work/human_container_ii.h"
#include "gui/work/human_divider.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

// A point on the icon where it lies on top of every other icon.
QPoint PointOn(const TCustomDivider& divider, const TCustomCreature* icon) {
  const TWorkRect& b = icon->Bounds();
  for (int y = b.Top + 2; y < b.Bottom; y += 3) {
    for (int x = b.Left + 1; x < b.Right; ++x) {
      if (divider.IconAt(x, y) == icon) return {x, y};
    }
  }
  ADD_FAILURE() << "icon is covered";
  return {};
}

void Drag(QWidget& widget, QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
  QTest::mousePress(&widget, Qt::LeftButton, mods, from);
  QTest::mouseMove(&widget, from + QPoint(6, 6));
  QTest::mouseMove(&widget, to);
  QTest::mouseRelease(&widget, Qt::LeftButton, mods, to);
}

class WorkPage : public ::testing::Test {
 protected:
  WorkPage() {
    for (const TWorkPlace& place : WorkPlaces) {
      FDivider.AddContainer(std::make_unique<THumanContainer>(&FDivider, place.Bounds, place.Kind));
    }
    FIdle = static_cast<THumanContainer*>(
        FDivider.AddContainer(std::make_unique<THumanContainerII>(&FDivider, IdleStripBounds, TWorkKind::Idle)));
    for (auto& person : FPeople) {
      FIcons.push_back(std::make_unique<THuman>(&FDivider, 0, 0, &person, nullptr, FIdle));
      FDivider.AddIcon(FIcons.back().get());
    }
    FIdle->Arrange();
    FDivider.show();
  }
  THuman* Youth() { return FIcons[0].get(); }
  THuman* Man() { return FIcons[1].get(); }
  THuman* Woman() { return FIcons[2].get(); }
  THuman* OtherMan() { return FIcons[3].get(); }
  void Click(THuman* icon, Qt::KeyboardModifiers mods = {}) {
    QTest::mouseClick(&FDivider, Qt::LeftButton, mods, PointOn(FDivider, icon));
  }

  THumanDivider FDivider{nullptr, QPixmap()};
  std::vector<THumanInfo> FPeople{{TSex::Female, 10, TWorkKind::Idle},
                                  {TSex::Male, 30, TWorkKind::Idle},
                                  {TSex::Female, 25, TWorkKind::Idle},
                                  {TSex::Male, 20, TWorkKind::Idle}};
  std::vector<std::unique_ptr<THuman>> FIcons;
  THumanContainer* FIdle = nullptr;
};

TEST_F(WorkPage, AYouthAndTwoAdultsDroppedIntoFarmingAllFarm) {
  Click(Youth());
  Click(Man(), Qt::ShiftModifier);
  Click(Woman(), Qt::ControlModifier);
  Drag(FDivider, PointOn(FDivider, Woman()), {150, 360});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(FPeople[static_cast<std::size_t>(i)].Work, TWorkKind::Farming) << i;
  EXPECT_EQ(FPeople[3].Work, TWorkKind::Idle);
  EXPECT_EQ(FDivider.ContainerOf(TWorkKind::Farming)->Items().size(), 3);
  EXPECT_TRUE(FDivider.ContainerOf(TWorkKind::Household)->Items().isEmpty());
  EXPECT_EQ(Man()->Bounds().Left, 53);
  EXPECT_EQ(Man()->Bounds().Top, 287);
  EXPECT_EQ(Youth()->Bounds().Top, 287 + 96);
  EXPECT_FALSE(Man()->Selected());
  SaveScreenshot(FDivider, "work_page");
}

TEST_F(WorkPage, ADropOutsideEveryPlaceChangesNothingAndSnapsBack) {
  const TWorkRect before = Man()->Bounds();
  Drag(FDivider, PointOn(FDivider, Man()), {520, 300});
  EXPECT_EQ(FPeople[1].Work, TWorkKind::Idle);
  EXPECT_EQ(Man()->Bounds(), before);
  EXPECT_EQ(FIdle->Items().size(), 4);
}

TEST_F(WorkPage, ADraggedGroupStaysInsideThePage) {
  Click(Man());
  QTest::mousePress(&FDivider, Qt::LeftButton, {}, PointOn(FDivider, Man()));
  QTest::mouseMove(&FDivider, {300, 100});
  QTest::mouseMove(&FDivider, {-200, -200});
  EXPECT_EQ(Man()->Bounds().Left, 0);
  EXPECT_EQ(Man()->Bounds().Top, 0);
  QTest::mouseRelease(&FDivider, Qt::LeftButton, {}, {-200, -200});
  EXPECT_EQ(FPeople[1].Work, TWorkKind::Idle);
}

TEST_F(WorkPage, ShiftOrCtrlClickDeselectsOnlyThatIconAndAPlainClickSelectsAlone) {
  Drag(FDivider, {540, 70}, {150, 2});
  ASSERT_EQ(std::count_if(FIcons.begin(), FIcons.end(), [](const auto& i) { return i->Selected(); }), 4);
  Click(Woman(), Qt::ShiftModifier);
  EXPECT_FALSE(Woman()->Selected());
  EXPECT_TRUE(Man()->Selected() && Youth()->Selected() && OtherMan()->Selected());
  Click(Man(), Qt::ControlModifier);
  EXPECT_FALSE(Man()->Selected());
  Click(Woman());
  EXPECT_TRUE(Woman()->Selected());
  EXPECT_FALSE(Youth()->Selected() || OtherMan()->Selected());
}

TEST_F(WorkPage, ABandDrawnEitherWaySelectsTheSameIcons) {
  const auto selection = [this] {
    std::vector<bool> s;
    for (const auto& icon : FIcons) s.push_back(icon->Selected());
    return s;
  };
  Drag(FDivider, {200, 2}, {225, 60});
  const std::vector<bool> forward = selection();
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, {500, 460});
  EXPECT_EQ(selection(), std::vector<bool>(4, false));
  Drag(FDivider, {225, 60}, {200, 2});
  EXPECT_EQ(selection(), forward);
  EXPECT_EQ(forward, (std::vector<bool>{false, true, false, true}));
  EXPECT_FALSE(FDivider.Banding());
}

TEST_F(WorkPage, DigitKeysSendTheSelectedPeopleToWorkAndZeroBackToIdle) {
  Click(Man());
  Click(Youth(), Qt::ShiftModifier);
  QTest::keyClick(&FDivider, Qt::Key_3);
  EXPECT_EQ(FPeople[1].Work, TWorkKind::Household);
  EXPECT_EQ(FPeople[0].Work, TWorkKind::Household);
  Click(Man());
  QTest::keyClick(&FDivider, Qt::Key_1);
  EXPECT_EQ(FPeople[1].Work, TWorkKind::HuntFish);
  Click(Man());
  QTest::keyClick(&FDivider, Qt::Key_0);
  EXPECT_EQ(FPeople[1].Work, TWorkKind::Idle);
  EXPECT_TRUE(FIdle->Items().contains(Man()));
  QTest::keyClick(&FDivider, Qt::Key_7);
  EXPECT_EQ(FPeople[0].Work, TWorkKind::Household);
}

TEST_F(WorkPage, TheKeyboardAloneChoosesPeopleAndSendsThemToWork) {
  QTest::keyClick(&FDivider, Qt::Key_Right);
  EXPECT_TRUE(Man()->Selected());
  QTest::keyClick(&FDivider, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_TRUE(Man()->Selected() && OtherMan()->Selected());
  QTest::keyClick(&FDivider, Qt::Key_Space);
  EXPECT_FALSE(OtherMan()->Selected());
  QTest::keyClick(&FDivider, Qt::Key_4);
  EXPECT_EQ(FPeople[1].Work, TWorkKind::Farming);
  EXPECT_EQ(FPeople[3].Work, TWorkKind::Idle);
  QTest::keyClick(&FDivider, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&FDivider, Qt::Key_2);
  for (const THumanInfo& person : FPeople) EXPECT_EQ(person.Work, TWorkKind::Cattle);
}

TEST_F(WorkPage, ShiftArrowGoesOnFromTheFigureLastClicked) {
  Click(OtherMan());
  QTest::keyClick(&FDivider, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_TRUE(OtherMan()->Selected() && Woman()->Selected());
  EXPECT_FALSE(Man()->Selected());
  EXPECT_FALSE(Youth()->Selected());
}

TEST_F(WorkPage, TheControllerSetsTheWorkWhenItListens) {
  std::vector<TWorkKind> told;
  FDivider.OnSetWork = [&](THumanInfo&, TWorkKind kind) { told.push_back(kind); };
  Click(Man());
  QTest::keyClick(&FDivider, Qt::Key_2);
  EXPECT_EQ(told, std::vector<TWorkKind>{TWorkKind::Cattle});
  EXPECT_EQ(FPeople[1].Work, TWorkKind::Idle);
}

TEST_F(WorkPage, PointerMovesReportPagePixelsForTheAreaSounds) {
  TWorkAreaSound sound;
  std::vector<std::string> played;
  FDivider.OnPointerMove = [&](int x, int y) {
    const auto action = sound.Move(x, y);
    if (action.Kind == TWorkAreaSound::TAction::TKind::Play) played.push_back(action.Sound);
  };
  QTest::mouseMove(&FDivider, {100, 100});
  QTest::mouseMove(&FDivider, {110, 110});
  QTest::mouseMove(&FDivider, {300, 100});
  EXPECT_EQ(played, (std::vector<std::string>{"stereo\\jaktfisk.wav", "stereo\\boskap.wav"}));
}

// People pictures drawn only in their middle columns, as the figures are: the corners of
// the rectangle are transparent.
TIconPictures SlimPeople() {
  std::vector<QImage> pictures;
  for (int i = 0; i < 3; ++i) {
    QImage picture(32, 45, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 0; y < 45; ++y) {
      for (int x = 8; x < 24; ++x) picture.setPixel(x, y, qRgb(40 * i, 90, 160));
    }
    pictures.push_back(picture);
  }
  return {{32, 45}, pictures};
}

TEST(WorkPagePictures, AClickPicksTheFigureWhosePictureShowsThereNotTheOneOnTop) {
  THumanDivider divider(nullptr, QPixmap());
  auto* farming = divider.AddContainer(std::make_unique<THumanContainer>(&divider, WorkPlaces[3].Bounds, TWorkKind::Farming));
  const TIconPictures pictures = SlimPeople();
  std::vector<THumanInfo> people(3, THumanInfo(TSex::Male, 30, TWorkKind::Farming));
  std::vector<std::unique_ptr<THuman>> icons;
  for (auto& person : people) {
    icons.push_back(std::make_unique<THuman>(&divider, 0, 0, &person, &pictures, farming));
    divider.AddIcon(icons.back().get());
  }
  farming->Arrange();
  divider.show();
  // The rows overlap: the second man's rectangle begins 16 pixels after the first's, over
  // the first one's drawn middle.
  const TWorkRect first = icons[0]->Bounds();
  ASSERT_EQ(icons[1]->Bounds().Left, first.Left + 16);
  const QPoint onFirst(first.Left + 20, first.Top + 20);
  EXPECT_EQ(divider.IconAt(onFirst.x(), onFirst.y()), icons[0].get());
  EXPECT_EQ(divider.IconAt(first.Left + 2, first.Top + 20), nullptr);
  // A click and a drag start on that pixel take the first man, and only him.
  QTest::mouseClick(&divider, Qt::LeftButton, {}, onFirst);
  EXPECT_TRUE(icons[0]->Selected());
  EXPECT_FALSE(icons[1]->Selected());
  // A click on a transparent corner selects nobody, as a click beside every figure.
  QTest::mouseClick(&divider, Qt::LeftButton, {}, {first.Left + 2, first.Top + 20});
  for (const auto& icon : icons) EXPECT_FALSE(icon->Selected());
  for (const auto& icon : icons) {
    const std::optional<QPoint> point = divider.PointOn(icon.get());
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(divider.IconAt(point->x(), point->y()), icon.get());
  }
}

// Shift-click widens the choice among people already at a work place, the men's row
// overlapping, and the group goes on together.
TEST(WorkPagePictures, ShiftClickInsideAWorkPlaceSelectsSeveralToSendOnTogether) {
  THumanDivider divider(nullptr, QPixmap());
  for (const TWorkPlace& place : WorkPlaces) {
    divider.AddContainer(std::make_unique<THumanContainer>(&divider, place.Bounds, place.Kind));
  }
  const TIconPictures pictures = SlimPeople();
  std::vector<THumanInfo> people(4, THumanInfo(TSex::Male, 30, TWorkKind::Farming));
  std::vector<std::unique_ptr<THuman>> icons;
  for (auto& person : people) {
    icons.push_back(std::make_unique<THuman>(&divider, 0, 0, &person, &pictures, divider.ContainerOf(TWorkKind::Farming)));
    divider.AddIcon(icons.back().get());
  }
  divider.ContainerOf(TWorkKind::Farming)->Arrange();
  divider.show();
  QTest::mouseClick(&divider, Qt::LeftButton, {}, *divider.PointOn(icons[0].get()));
  QTest::mouseClick(&divider, Qt::LeftButton, Qt::ShiftModifier, *divider.PointOn(icons[2].get()));
  QTest::mouseClick(&divider, Qt::LeftButton, Qt::ShiftModifier, *divider.PointOn(icons[3].get()));
  EXPECT_TRUE(icons[0]->Selected() && icons[2]->Selected() && icons[3]->Selected());
  EXPECT_FALSE(icons[1]->Selected());
  Drag(divider, *divider.PointOn(icons[3].get()), {150, 150});
  EXPECT_EQ(people[0].Work, TWorkKind::HuntFish);
  EXPECT_EQ(people[1].Work, TWorkKind::Farming);
  EXPECT_EQ(people[2].Work, TWorkKind::HuntFish);
  EXPECT_EQ(people[3].Work, TWorkKind::HuntFish);
}

class SlaughterPage : public ::testing::Test {
 protected:
  SlaughterPage() {
    FPen = static_cast<TCreatureContainer*>(
        FDivider.AddContainer(std::make_unique<TCreatureContainer>(&FDivider, AnimalPenBounds, true, false)));
    FSlaughter = static_cast<TCreatureContainer*>(
        FDivider.AddContainer(std::make_unique<TCreatureContainer>(&FDivider, SlaughterPenBounds, false, true)));
    for (TAnimalKind kind : {TAnimalKind::Cow, TAnimalKind::Cow, TAnimalKind::Pig, TAnimalKind::Hen}) {
      FAnimals.push_back(std::make_unique<TCreature>(&FDivider, 0, 0, kind, nullptr, FPen));
      FDivider.AddIcon(FAnimals.back().get());
    }
    FPen->Arrange();
    FDivider.show();
  }
  TCreature* At(int i) { return FAnimals[static_cast<std::size_t>(i)].get(); }

  TCreatureDivider FDivider{nullptr, QPixmap()};
  std::vector<std::unique_ptr<TCreature>> FAnimals;
  TCreatureContainer* FPen = nullptr;
  TCreatureContainer* FSlaughter = nullptr;
};

TEST_F(SlaughterPage, AnAnimalDroppedForSlaughterIsMarkedAndCannotBePickedUp) {
  Drag(FDivider, PointOn(FDivider, At(0)), {200, 300});
  EXPECT_EQ(At(0)->State(), TCreature::Marked);
  EXPECT_EQ(At(0)->ImageIndex(), 4);
  EXPECT_EQ(At(0)->Container(), FSlaughter);
  EXPECT_FALSE(At(0)->Selected());
  const TWorkRect marked = At(0)->Bounds();
  Drag(FDivider, PointOn(FDivider, At(0)), {200, 100});
  EXPECT_EQ(At(0)->Bounds(), marked);
  EXPECT_FALSE(At(0)->Selected());
  EXPECT_EQ(At(0)->Container(), FSlaughter);
  Drag(FDivider, {54, 230}, {440, 410});
  EXPECT_FALSE(At(0)->Selected());
  SaveScreenshot(FDivider, "slaughter_page");
}

TEST_F(SlaughterPage, AnAnimalTheOwnerRefusesStaysLiveInThePenByMouseAndByKey) {
  FDivider.OnMark = [this](TCreature& animal) { return &animal != At(0); };
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, PointOn(FDivider, At(0)));
  QTest::mouseClick(&FDivider, Qt::LeftButton, Qt::ShiftModifier, PointOn(FDivider, At(2)));
  Drag(FDivider, PointOn(FDivider, At(2)), {200, 300});
  EXPECT_EQ(At(0)->State(), TCreature::Alive);
  EXPECT_EQ(At(0)->Container(), FPen);
  EXPECT_EQ(At(2)->State(), TCreature::Marked);
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, PointOn(FDivider, At(0)));
  QTest::keyClick(&FDivider, Qt::Key_Delete);
  EXPECT_EQ(At(0)->State(), TCreature::Alive);
  EXPECT_EQ(FSlaughter->Items().size(), 1);
}

TEST_F(SlaughterPage, LiveAnimalsDroppedOutsideSnapBackUnmarked) {
  const TWorkRect before = At(2)->Bounds();
  Drag(FDivider, PointOn(FDivider, At(2)), {500, 450});
  EXPECT_EQ(At(2)->State(), TCreature::Alive);
  EXPECT_EQ(At(2)->Bounds(), before);
}

TEST_F(SlaughterPage, DeleteMarksTheSelectedAnimalsInARow) {
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, PointOn(FDivider, At(1)));
  QTest::mouseClick(&FDivider, Qt::LeftButton, Qt::ShiftModifier, PointOn(FDivider, At(3)));
  QTest::keyClick(&FDivider, Qt::Key_Delete);
  EXPECT_EQ(At(1)->State(), TCreature::Marked);
  EXPECT_EQ(At(3)->State(), TCreature::Marked);
  EXPECT_EQ(At(2)->State(), TCreature::Alive);
  EXPECT_TRUE(SlaughterPenBounds.Contains(At(1)->Bounds().Left, At(1)->Bounds().Top));
  EXPECT_EQ(At(1)->Bounds().Top, 240);
  EXPECT_FALSE(At(1)->Bounds().Intersects(At(3)->Bounds()));
  EXPECT_EQ(FPen->Items().size(), 2);
  EXPECT_EQ(At(2)->Bounds().Top, 43 + 40);
}

TEST_F(SlaughterPage, AnAnimalDroppedOnTheChoppingBlockIsMarkedAndLaidOnTheTable) {
  const QPoint block((ChoppingBlockBounds.Left + ChoppingBlockBounds.Right) / 2,
                     (ChoppingBlockBounds.Top + ChoppingBlockBounds.Bottom) / 2);
  Drag(FDivider, PointOn(FDivider, At(2)), block);
  EXPECT_EQ(At(2)->State(), TCreature::Marked);
  EXPECT_EQ(At(2)->Container(), FSlaughter);
  EXPECT_TRUE(At(2)->Bounds().Right <= SlaughterPenBounds.Right);
}

// Animals dropped one after another at the same spot, or half over the table's edge,
// lie side by side on the table.
TEST_F(SlaughterPage, MeatDroppedOnOneSpotLiesApartOnTheTable) {
  for (int i = 0; i < 4; ++i) Drag(FDivider, PointOn(FDivider, At(i)), {SlaughterPenBounds.Right - 3, 410});
  ASSERT_EQ(FSlaughter->Items().size(), 4);
  for (int i = 0; i < 4; ++i) {
    const TWorkRect piece = At(i)->Bounds();
    EXPECT_TRUE(piece.Left >= SlaughterPenBounds.Left && piece.Right <= SlaughterPenBounds.Right &&
                piece.Top >= SlaughterPenBounds.Top && piece.Bottom <= SlaughterPenBounds.Bottom)
        << i;
    for (int j = 0; j < i; ++j) EXPECT_FALSE(piece.Intersects(At(j)->Bounds())) << i << " on " << j;
  }
  SaveScreenshot(FDivider, "slaughter_page_meat");
}

// A player clicked the second cow and widened the choice with Shift and an arrow: the
// first cow, which he never chose, stays alive.
TEST_F(SlaughterPage, ShiftArrowWidensTheChoiceFromTheAnimalLastClicked) {
  QTest::mouseClick(&FDivider, Qt::LeftButton, {}, PointOn(FDivider, At(1)));
  QTest::keyClick(&FDivider, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&FDivider, Qt::Key_Delete);
  EXPECT_EQ(At(0)->State(), TCreature::Alive);
  EXPECT_EQ(At(1)->State(), TCreature::Marked);
  EXPECT_EQ(At(2)->State(), TCreature::Marked);
  EXPECT_EQ(At(3)->State(), TCreature::Alive);
}

TEST_F(SlaughterPage, TheKeyboardMarksEveryAnimalAndThenFindsNoneToChoose) {
  QTest::keyClick(&FDivider, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&FDivider, Qt::Key_Delete);
  for (const auto& animal : FAnimals) EXPECT_EQ(animal->State(), TCreature::Marked);
  QTest::keyClick(&FDivider, Qt::Key_Right);
  for (const auto& animal : FAnimals) EXPECT_FALSE(animal->Selected());
  EXPECT_EQ(FSlaughter->Items().size(), 4);
}

}  // namespace
}  // namespace fjordheim
