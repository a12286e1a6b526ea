#include "gui/app/main_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>
#include <QToolTip>

#include <stdexcept>

#include "core/common/path_resolver.h"
#include "gui/app/scaled_view.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/zone_image.h"
#include "gui/dialogs/arkiv_form.h"
#include "gui/dialogs/first_decision_form.h"
#include "gui/dialogs/intro_form.h"
#include "gui/dialogs/start_game_form.h"
#include "gui/pages/add_bookm_dlg.h"
#include "gui/pages/browser_win.h"
#include "tests/gui/screenshot.h"
#include "tests/gui/support/game_folder.h"
#include "tests/gui/support/modal_script.h"

namespace fjordheim {
namespace {

// A game that loads only what it is told is good and otherwise fails as a damaged file.
class TScriptedGame : public TGameActions {
 public:
  void NewGame() override { ++NewGames; }
  bool LoadGame(const std::string& path) override {
    if (path.find("good") == std::string::npos) throw std::runtime_error("Det er feil eller skade på filen");
    Now = TSeason::Spring;
    Page = "Bookm\\Ragnhild.htm";
    Loaded = TChief{"Ragnhild", 4};
    return true;
  }
  bool SaveGame(const std::string& path) override {
    Saved = path;
    return true;
  }
  void ChangeSeason() override {
    if (FailChange) throw std::runtime_error("Vinteren kom ikke");
    Now = TSeason::Winter;
  }
  void TakeDecisions() override {}
  void ShowVillageStatus() override {}
  void LeaveGame() override { ++Leaves; }
  TSeason Season() const override { return Now; }
  std::string StatusCaption() const override { return "Status"; }
  std::string BookmarkFile() const override { return Page; }
  std::optional<TChief> Chief() const override { return Loaded; }

  TSeason Now = TSeason::Autumn;
  int NewGames = 0;
  int Leaves = 0;
  bool FailChange = false;
  std::string Saved;
  std::string Page;
  std::optional<TChief> Loaded;
};

template <typename T>
T* Modal(QWidget* modal) {
  auto* typed = qobject_cast<T*>(modal);
  EXPECT_NE(typed, nullptr) << "unexpected modal window " << modal->metaObject()->className();
  return typed;
}

// Types the name into the box and confirms, as a player does.
void PickFile(QFileDialog* box, const QString& path) {
  auto* name = box->findChild<QLineEdit*>("fileNameEdit");
  ASSERT_NE(name, nullptr);
  name->setText(path);
  QTest::keyClick(name, Qt::Key_Return);
}

void Click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2)); }

struct MainForm : ::testing::Test {
  MainForm() : Random(42), Settings(Folder.ProgramFile(), Random) {
    auto game = std::make_unique<TScriptedGame>();
    Game = game.get();
    Form = std::make_unique<TMainForm>(Settings, Random, Sink, std::move(game));
  }

  // Clicks through story, name, face and land to the first decision and picks the
  // answer whose text is the right one (or not).
  void PlayIntroTo(bool right) {
    TModalScript title({[](QWidget* m) { Click(Modal<TStartGameForm>(m)->BtnNewGame); }});
    Form->IntroClick();
    ASSERT_EQ(Form->IntroStep(), 1);
    Form->IntroClick();
    ASSERT_EQ(Form->IntroStep(), 2);
    TModalScript intro({[](QWidget* m) {
                          auto* form = Modal<TIntroForm>(m);
                          Click(form->Button3);
                          EXPECT_EQ(form->PageIndex(), 0);
                          form->NameEdit->setText("Magnus");
                          Click(form->Button3);
                          EXPECT_EQ(form->PageIndex(), 1);
                          form->FaceSB->setValue(7);
                          Click(form->Button1);
                          form->Image2MouseUp(QPoint(3, 0));
                          EXPECT_TRUE(m->isVisible());
                          form->Image2MouseUp(QPoint(1, 0));
                        },
                        [right](QWidget* m) {
                          auto* form = Modal<TFirstDecisionForm>(m);
                          for (QLabel* label : form->Labels) {
                            if ((label->text() == QString::fromUtf8(TTestGameFolder::RightAnswer)) == right) {
                              QTest::mouseClick(label, Qt::LeftButton);
                              return;
                            }
                          }
                        }});
    Form->IntroClick();
  }

  TTestGameFolder Folder;
  TRandom Random;
  TSettings Settings;
  TCollectingMessageSink Sink;
  TScriptedGame* Game;
  std::unique_ptr<TMainForm> Form;
};

TEST_F(MainForm, TheWholeIntroLeadsIntoARunningGame) {
  EXPECT_FALSE(Form->MainPanelShown());
  PlayIntroTo(true);
  EXPECT_EQ(Form->IntroStep(), 3);
  EXPECT_EQ(Settings.ChiefName, "Magnus");
  EXPECT_EQ(Settings.ChiefFace, 7);
  EXPECT_EQ(Settings.StartChoice, 1);
  EXPECT_NE(std::find(Sink.Messages.begin(), Sink.Messages.end(), MissingNameMessage), Sink.Messages.end());
  QFile page(QString::fromStdString(ResolvePath(Form->BookmarkFile())));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QByteArray bytes = page.readAll();
  EXPECT_TRUE(bytes.contains("<h1>Magnus vikingasida</h1>"));
  // The chief's own page shows the face he chose.
  EXPECT_TRUE(bytes.contains("<img src=\"../Bilder/face7.bmp\"")) << bytes.toStdString();
  Form->IntroClick();
  EXPECT_EQ(Game->NewGames, 1);
  EXPECT_TRUE(Form->MainPanelShown());
  EXPECT_EQ(Form->ShownPage(), TMainForm::TPage::Main);
}

// The player's mouse reaches the game through the scaled view, not widget by widget:
// a press and release on the title must arrive as a click on the title picture.
TEST_F(MainForm, AClickOnTheScaledTitleOpensTheStartDialog) {
  QImage picture(GameWidth, GameHeight, QImage::Format_RGB32);
  picture.fill(Qt::darkBlue);
  ASSERT_TRUE(picture.save(Folder.Path("Bilder/Intropic.bmp"), "BMP"));
  Form->ShowTitle();
  Form->resize(1280, 960);
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  bool opened = false;
  TModalScript title({[&opened](QWidget* m) {
    opened = Modal<TStartGameForm>(m) != nullptr;
    m->close();
  }});
  QWidget* screen = Form->View()->viewport();
  QTest::mouseClick(screen, Qt::LeftButton, {}, screen->rect().center());
  EXPECT_TRUE(opened);
}

// The windows the game opens are enlarged with the game (the test screen allows only a
// factor between 1 and 2); on a screen too small for the game they keep the size they
// were drawn for.
TEST_F(MainForm, TheWindowsItOpensTakeTheScaleOfTheGame) {
  Form->resize(1280, 960);
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  const double factor = Form->View()->Scale().Factor;
  ASSERT_GT(factor, 1.0);
  const TGameLayout game(factor);
  EXPECT_EQ(Form->GameLayout().Scale(), factor);
  QSize start;
  QRect save;
  TModalScript windows({[&start](QWidget* m) {
                          start = Modal<TStartGameForm>(m)->size();
                          m->close();
                        },
                        [&save](QWidget* m) {
                          save = Modal<TArkivForm>(m)->BtnSave->geometry();
                          m->close();
                        }});
  Form->IntroClick();
  Form->ShowGame();
  Form->BtnFileClick();
  EXPECT_EQ(start, game.Size(162, 134));
  EXPECT_EQ(save, game.Rect(12, 12, 65, 45));
  Form->BtnSurfClick();
  EXPECT_EQ(Form->Browser()->size(), game.Size(601, 442));
  Form->Browser()->close();
  Form->resize(320, 240);
  QApplication::processEvents();
  EXPECT_EQ(Form->GameLayout().Scale(), 1.0);
}

TEST_F(MainForm, AWrongFirstAnswerLeadsBackToTheTitle) {
  PlayIntroTo(false);
  EXPECT_EQ(Form->IntroStep(), 4);
  Form->IntroClick();
  EXPECT_EQ(Form->IntroStep(), 0);
  EXPECT_FALSE(Form->MainPanelShown());
  EXPECT_EQ(Game->NewGames, 0);
  EXPECT_EQ(Settings.ChiefName, "Magnus");
}

TEST_F(MainForm, ASavedGameOpensFromTheTitle) {
  const QString good = Folder.Path("Game/good.tun");
  QFile(good).open(QIODevice::WriteOnly);
  TModalScript title({[](QWidget* m) { Click(Modal<TStartGameForm>(m)->BtnLoadGame); },
                      [good](QWidget* m) { PickFile(Modal<QFileDialog>(m), good); }});
  Form->IntroClick();
  EXPECT_TRUE(Form->MainPanelShown());
  EXPECT_EQ(Form->IntroStep(), 0);
  EXPECT_EQ(Game->Now, TSeason::Spring);
  // The loaded chief's own page, not the last one made in an intro (none here).
  EXPECT_EQ(Form->BookmarkFile(), "Bookm\\Ragnhild.htm");
  EXPECT_EQ(Form->Browser()->PlayerPage(), "Bookm\\Ragnhild.htm");
}

TEST_F(MainForm, TheStartDialogClosedWithoutAChoiceKeepsTheTitle) {
  TModalScript title({[](QWidget* m) { Modal<TStartGameForm>(m)->reject(); }});
  Form->IntroClick();
  EXPECT_EQ(Form->IntroStep(), 0);
}

TEST_F(MainForm, ADamagedSaveIsShownAndTheGameInPlayStays) {
  Form->ShowGame();
  Game->Now = TSeason::Summer;
  const QString damaged = Folder.Path("Game/damaged.tun");
  QFile(damaged).open(QIODevice::WriteOnly);
  TModalScript script({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnLoad); },
                       [damaged](QWidget* m) {
                         PickFile(Modal<QFileDialog>(m), damaged);
                       }});
  Form->BtnFileClick();
  ASSERT_FALSE(Sink.Messages.empty());
  EXPECT_EQ(Sink.Messages.back(), "Det er feil eller skade på filen");
  EXPECT_TRUE(Form->MainPanelShown());
  EXPECT_EQ(Game->Now, TSeason::Summer);
}

TEST_F(MainForm, SavingAndLoadingGoThroughTheGame) {
  Form->ShowGame();
  Settings.ChiefName = "Olav";
  TModalScript save({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnSave); },
                     [](QWidget* m) {
                       auto* box = Modal<QFileDialog>(m);
                       EXPECT_EQ(box->selectedFiles().value(0).section('/', -1), "Olav.tun");
                       static_cast<QDialog*>(box)->accept();
                     }});
  Form->BtnFileClick();
  EXPECT_EQ(QString::fromStdString(Game->Saved), Folder.Path("Game/Olav.tun"));
  ASSERT_FALSE(Sink.Messages.empty());
  EXPECT_EQ(Sink.Messages.back(), "Spillet er lagret.");
  const QString good = Folder.Path("Game/good.tun");
  QFile(good).open(QIODevice::WriteOnly);
  TModalScript load({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnLoad); },
                     [good](QWidget* m) {
                       PickFile(Modal<QFileDialog>(m), good);
                     }});
  Form->BtnFileClick();
  EXPECT_EQ(Game->Now, TSeason::Spring);
  // The save box now proposes the loaded chief's own file, not Olav's.
  TModalScript again({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnSave); },
                      [](QWidget* m) {
                        auto* box = Modal<QFileDialog>(m);
                        EXPECT_EQ(box->selectedFiles().value(0).section('/', -1), "Ragnhild.tun");
                        box->reject();
                      }});
  Form->BtnFileClick();
  EXPECT_EQ(Settings.ChiefFace, 4);
}

TEST_F(MainForm, TheArkivDialogReportsItsChoice) {
  TArkivForm& arkiv = *Form->Arkiv();
  arkiv.SetGame(Settings.GamePath(), "Olav");
  TModalScript cancel({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnSave); }, [](QWidget* m) { Modal<QFileDialog>(m)->reject(); }});
  EXPECT_EQ(arkiv.exec(), TArkivForm::NothingResult);
  TModalScript leave({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnExit); }});
  EXPECT_EQ(arkiv.exec(), TArkivForm::ExitResult);
  // The open box starts among the saved games every time, wherever the player went before.
  TModalScript wander({[&](QWidget* m) {
    auto* box = Modal<QFileDialog>(m);
    EXPECT_EQ(box->directory().absolutePath(), Folder.Path("Game"));
    box->setDirectory(Folder.Path("Data"));
    box->reject();
  }});
  EXPECT_TRUE(arkiv.ChooseOpenFile().empty());
  TModalScript again({[&](QWidget* m) {
    auto* box = Modal<QFileDialog>(m);
    EXPECT_EQ(box->directory().absolutePath(), Folder.Path("Game"));
    box->reject();
  }});
  arkiv.ChooseOpenFile();
}

// The file box speaks Norwegian, shows the game's folder alone and sits over the game.
TEST_F(MainForm, TheFileBoxIsNorwegianShowsOnlyTheGameFolderAndSitsOverTheGame) {
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  QFile(Folder.Path("Game/Olav.tun")).open(QIODevice::WriteOnly);
  TArkivForm& arkiv = *Form->Arkiv();
  arkiv.SetGame(Settings.GamePath(), "Olav");
  TModalScript look({[&](QWidget* m) {
    auto* box = Modal<QFileDialog>(m);
    EXPECT_EQ(box->sidebarUrls(), QList<QUrl>{QUrl::fromLocalFile(Folder.Path("Game"))});
    EXPECT_LE((box->geometry().center() - Form->geometry().center()).manhattanLength(), 2);
    auto* files = box->findChild<QTreeView*>("treeView");
    EXPECT_NE(files, nullptr);
    if (files != nullptr) {
      QAbstractItemModel* model = files->model();
      EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Navn");
      EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("Størrelse"));
      EXPECT_EQ(model->headerData(3, Qt::Horizontal).toString(), "Sist endret");
      EXPECT_TRUE(files->isColumnHidden(2));
    }
    SaveScreenshot(*box, "open_box");
    box->reject();
  }});
  EXPECT_TRUE(arkiv.ChooseOpenFile().empty());
}

TEST_F(MainForm, SavingOverASavedGameIsAskedInNorwegianAndNeiChoosesAgain) {
  QFile(Folder.Path("Game/Olav.tun")).open(QIODevice::WriteOnly);
  TArkivForm& arkiv = *Form->Arkiv();
  arkiv.SetGame(Settings.GamePath(), "Olav");
  int boxes = 0;
  auto pickOlav = [&](QWidget* m) {
    auto* box = Modal<QFileDialog>(m);
    ++boxes;
    EXPECT_EQ(box->labelText(QFileDialog::Accept), "Lagre");
    EXPECT_EQ(box->labelText(QFileDialog::Reject), "Avbryt");
    PickFile(box, Folder.Path("Game/Olav.tun"));
  };
  auto answer = [](const char* text) {
    return [text](QWidget* m) {
      EXPECT_TRUE(qobject_cast<QMessageBox*>(m)->text().contains("Olav.tun"));
      for (QAbstractButton* button : qobject_cast<QMessageBox*>(m)->buttons()) {
        if (button->text() == text) button->click();
      }
    };
  };
  TModalScript script({[](QWidget* m) { Click(Modal<TArkivForm>(m)->BtnSave); }, pickOlav, answer("Nei"), pickOlav,
                       answer("Ja")});
  EXPECT_EQ(arkiv.exec(), TArkivForm::SaveResult);
  EXPECT_EQ(boxes, 2);
  EXPECT_EQ(QFileInfo(QString::fromStdString(arkiv.SaveFileName())).fileName(), "Olav.tun");
}

TEST_F(MainForm, ThrownErrorsOfCommandsAreShownNotPassedOn) {
  Form->ShowGame();
  Game->FailChange = true;
  Sink.Messages.clear();
  Click(Form->Button(TMainForm::TButton::ChgSeason));
  ASSERT_EQ(Sink.Messages.size(), 1u);
  EXPECT_EQ(Sink.Messages[0], "Vinteren kom ikke");
  EXPECT_EQ(Game->Now, TSeason::Autumn);
}

TEST_F(MainForm, ButtonsAnswerTheirKeysAndShowThemInTheHint) {
  Form->ShowGame();
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  EXPECT_TRUE(Form->Button(TMainForm::TButton::Council)->toolTip().startsWith(QString::fromUtf8("Hold rådsmøte (")));
  QTest::keyClick(Form.get(), Qt::Key_R);
  EXPECT_EQ(Form->ShownPage(), TMainForm::TPage::Council);
  QTest::keyClick(Form.get(), Qt::Key_V);
  EXPECT_EQ(Form->ShownPage(), TMainForm::TPage::Main);
  QTest::keyClick(Form.get(), Qt::Key_N);
  EXPECT_EQ(Game->Now, TSeason::Winter);
}

TEST_F(MainForm, HintsGrowWithTheScaledGame) {
  const QFont drawn = QToolTip::font();
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  Form->resize(1280, 960);
  QCoreApplication::processEvents();
  ASSERT_GE(Form->View()->Scale().Factor, 1.5);
  EXPECT_NEAR(QToolTip::font().pointSizeF(), drawn.pointSizeF() * Form->GameLayout().Scale(), 0.01);
  Form->resize(640, 480);
  QCoreApplication::processEvents();
  EXPECT_NEAR(QToolTip::font().pointSizeF(), drawn.pointSizeF(), 0.01);
  QToolTip::setFont(drawn);
}

TEST_F(MainForm, TheHallDoorLeadsInsideAndTheVillageButtonOut) {
  QFile mask(Folder.Path("Bilder/village.map"));
  mask.open(QIODevice::WriteOnly);
  mask.write(QByteArray(567 * 486, '\x50'));
  mask.close();
  Form->ShowGame();
  // Without the season picture there is no width to look zones up by.
  Form->VillageImage()->SetPicture(QImage(567, 486, QImage::Format_RGB32));
  Form->VillageImageMouseUp(QPoint(10, 10));
  EXPECT_TRUE(Form->Indoor());
  EXPECT_EQ(Form->VillageImage()->MaskFile(), Settings.PicsPath() + "indoor.map");
  Form->BtnVillageClick();
  EXPECT_FALSE(Form->Indoor());
  EXPECT_EQ(Form->VillageImage()->MaskFile(), Settings.PicsPath() + "village.map");
}

struct Browser : MainForm {};

// The browser covers the top of the pages with the season label: nothing of the game
// shows above it.
TEST_F(Browser, TheBrowserCoversTheSeasonLabel) {
  Form->ShowGame();
  Form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
  Form->resize(1280, 960);
  QCoreApplication::processEvents();
  Form->OpenBrowser(Settings.HtmlPath() + "pets.htm");
  const TScreenScale& scale = Form->View()->Scale();
  const QRect game = Form->StatusButton()->geometry();
  const QPoint topLeft = Form->View()->viewport()->mapToGlobal(scale.Offset + game.topLeft() * scale.Factor);
  const QRect label(topLeft, game.size() * scale.Factor);
  EXPECT_TRUE(Form->Browser()->geometry().contains(label)) << label.top() << " " << Form->Browser()->geometry().top();
  Form->Browser()->close();
}

TEST_F(Browser, BackOnTheFirstPageDoesNothing) {
  TBrowserWin& browser = *Form->Browser();
  browser.ShowPage(Settings.HtmlPath() + "pets.htm");
  const std::string first = browser.LocationUrl();
  browser.BtnSurfBackClick();
  EXPECT_EQ(browser.LocationUrl(), first);
  browser.BtnSurfForwardClick();
  EXPECT_EQ(browser.LocationUrl(), first);
  EXPECT_TRUE(Sink.Messages.empty() || Sink.Messages.back().find("pets") == std::string::npos);
}

TEST_F(Browser, APageWithoutACharsetIsReadAsWindows1252AndADeclaredOneIsKept) {
  auto write = [this](const char* name, const QByteArray& bytes) {
    QFile page(Folder.Path(QString("Html/") + name));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(bytes);
  };
  write("gaard.htm", "<html><head><title>G\xE5rd</title></head><body><p>Bl\xE5" "b\xE6r og \xF8l</p></body></html>");
  write("utf8.htm",
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"></head>"
        "<body><p>Bl\xC3\xA5" "b\xC3\xA6r og \xC3\xB8l</p></body></html>");
  TBrowserWin& browser = *Form->Browser();
  for (const char* name : {"gaard.htm", "utf8.htm"}) {
    browser.ShowPage(Settings.HtmlPath() + name);
    EXPECT_EQ(browser.Browser->toPlainText(), QString::fromUtf8("Blåbær og øl")) << name;
  }
}

TEST_F(Browser, ABookmarkAddedOnAnInformationPageKeepsItsAddress) {
  PlayIntroTo(true);
  TBrowserWin& browser = *Form->Browser();
  browser.ShowPage(Settings.HtmlPath() + "pets.htm");
  TModalScript ok({[](QWidget* m) {
    auto* dialog = Modal<TAddBookmDlg>(m);
    EXPECT_EQ(dialog->windowTitle(), "Legg til bokmerke");
    EXPECT_EQ(dialog->TitleEdit->text(), "Nytt bokmerke");
    Click(dialog->Button1);
  }});
  browser.AddEntry(true);
  EXPECT_TRUE(browser.NeedsReload());
  QFile page(QString::fromStdString(ResolvePath(Form->BookmarkFile())));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  EXPECT_TRUE(page.readAll().contains(QByteArray("pets.htm\">Nytt bokmerke</a>")));
  browser.BtnSurfMenyClick();
  EXPECT_FALSE(browser.NeedsReload());
  EXPECT_TRUE(browser.Browser->toHtml().contains("Nytt bokmerke"));
}

TEST_F(Browser, ACancelledNoteLeavesThePageAsItWas) {
  PlayIntroTo(true);
  QFile page(QString::fromStdString(ResolvePath(Form->BookmarkFile())));
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  const QByteArray before = page.readAll();
  page.close();
  TModalScript cancel({[](QWidget* m) {
    auto* dialog = Modal<TAddBookmDlg>(m);
    EXPECT_EQ(dialog->windowTitle(), "Legg til egen tekst");
    Click(dialog->Button2);
  }});
  Form->Browser()->AddEntry(false);
  ASSERT_TRUE(page.open(QIODevice::ReadOnly));
  EXPECT_EQ(page.readAll(), before);
}

}  // namespace
}  // namespace fjordheim
