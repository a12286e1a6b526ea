#include "tools/assetgen/asset_generator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QMutexLocker>
#include <QPainter>
#include <QRegularExpression>
#include <QtConcurrent>
#include <stdexcept>
#include <utility>

#include "core/common/translation.h"
#include "core/trade/market_lines.h"

#include "tools/assetgen/button_painter.h"
#include "tools/assetgen/people.h"
#include "tools/assetgen/sound_book.h"
#include "tools/assetgen/speaker.h"
#include "tools/assetgen/svg_art.h"
#include "tools/assetgen/text_data.h"

namespace fjordheim {

namespace {

const QSize PagePicture(563, 480);
const QSize FullScreen(640, 480);
const QColor Magenta(255, 0, 255);
const QColor Blue(0, 0, 255);
const QColor White(255, 255, 255);
// The back wall of the trading table: the counterpart's picture is copied onto it.
const QString TradeWall = "#7d5a3c";

struct TScenePicture {
  const char* Svg;
  const char* Output;
  QStringList Layers;
};

struct TMask {
  const char* Svg;
  const char* Output;
  QSize Size;
};

struct TListPicture {
  const char* Output;
  const char* Element;
  QSize Size;
  QColor Key;
};

struct TButton {
  const char* Name;
  const char* Element;
  QSize Size;
};

const TListPicture ListPictures[] = {
    // The animal figures of the slaughter page, live and marked.
    {"ListImgs\\komini.bmp", "cow", {28, 26}, Magenta},
    {"ListImgs\\grismini.bmp", "pig", {28, 26}, Magenta},
    {"ListImgs\\farmini.bmp", "sheep", {28, 26}, Magenta},
    {"ListImgs\\honamini.bmp", "hen", {28, 26}, Magenta},
    {"ListImgs\\splatt2.bmp", "meat", {28, 26}, Magenta},
    {"ListImgs\\splatt3.bmp", "drumstick", {28, 26}, Magenta},
    // The glyphs of the status button: the chief's face, from a well-judged chief to a
    // poor one, beside the season, autumn to summer.
    {"ListImgs\\status1.bmp", "status1", {32, 32}, Blue},
    {"ListImgs\\status2.bmp", "status2", {32, 32}, Blue},
    {"ListImgs\\status3.bmp", "status3", {32, 32}, Blue},
    {"ListImgs\\status4.bmp", "status4", {32, 32}, Blue},
    {"ListImgs\\season1.bmp", "season1", {32, 32}, Blue},
    {"ListImgs\\season2.bmp", "season2", {32, 32}, Blue},
    {"ListImgs\\season3.bmp", "season3", {32, 32}, Blue},
    {"ListImgs\\season4.bmp", "season4", {32, 32}, Blue},
    {"ListImgs\\male3.bmp", "man", {32, 45}, White},
    {"ListImgs\\female3.bmp", "woman", {32, 45}, White},
    {"ListImgs\\child3.bmp", "child", {32, 45}, White},
    {"ListImgs\\bubbla1.bmp", "bubble1", {210, 150}, Magenta},
    {"ListImgs\\bubbla2.bmp", "bubble2", {210, 150}, Magenta},
    {"ListImgs\\bubbla3.bmp", "bubble3", {210, 150}, Magenta},
    {"ListImgs\\i_silver.bmp", "silver", {20, 20}, Magenta},
    {"ListImgs\\i_barnst.bmp", "amber", {20, 20}, Magenta},
    {"ListImgs\\i_furs.bmp", "furs", {20, 20}, Magenta},
    {"ListImgs\\i_iron.bmp", "iron", {20, 20}, Magenta},
    {"ListImgs\\i_jewel.bmp", "jewel", {20, 20}, Magenta},
    {"ListImgs\\i_weap.bmp", "weapons", {20, 20}, Magenta},
    // The season report: born and dead people (boy, girl) and animals by kind.
    {"ListImgs\\rboy.bmp", "boy", {16, 16}, Magenta},
    {"ListImgs\\rgirl.bmp", "girl", {16, 16}, Magenta},
    {"ListImgs\\rcow.bmp", "cow", {14, 14}, Magenta},
    {"ListImgs\\rpig.bmp", "pig", {14, 14}, Magenta},
    {"ListImgs\\rsheep.bmp", "sheep", {14, 14}, Magenta},
    {"ListImgs\\rhen.bmp", "hen", {14, 14}, Magenta},
    // The status window: its small animals and person, its big animals, the thermometer.
    {"ListImgs\\scow.bmp", "cow", {12, 12}, Magenta},
    {"ListImgs\\spig.bmp", "pig", {12, 12}, Magenta},
    {"ListImgs\\ssheep.bmp", "sheep", {12, 12}, Magenta},
    {"ListImgs\\shen.bmp", "hen", {12, 12}, Magenta},
    {"ListImgs\\sperson.bmp", "person", {12, 12}, Magenta},
    {"stcow.bmp", "cow", {48, 48}, Magenta},
    {"stpig.bmp", "pig", {48, 48}, Magenta},
    {"stsheep.bmp", "sheep", {48, 48}, Magenta},
    {"sthen.bmp", "hen", {48, 48}, Magenta},
    {"thermo.bmp", "thermometer", {43, 227}, White},
    // The food tab of the status window and the food gauge: one portion of food.
    {"ListImgs\\sfood.bmp", "portion", {20, 20}, Magenta},
};

// Every picture button of the main panel, the saved-game dialog, the browser and the
// market window; the browser's "Gå til hovedbildet" shares the main panel's pictures.
const TButton Buttons[] = {
    {"BtnVillage", "village", {51, 49}},     {"BtnSurf", "surf", {62, 53}},
    {"BtnCouncil", "council", {57, 57}},     {"BtnWork", "work", {58, 43}},
    {"BtnSlakt", "slaughter", {51, 46}},     {"BtnBeslut", "decide", {32, 49}},
    {"BtnTrade", "trade", {54, 38}},         {"BtnChgSeason", "season", {72, 43}},
    {"BtnFile", "file", {50, 46}},           {"BtnSave", "save", {65, 45}},
    {"BtnLoad", "load", {61, 44}},           {"BtnExit", "exit", {56, 55}},
    {"BtnSurfMeny", "mypage", {53, 43}},     {"BtnSurfBm", "bookmark", {59, 52}},
    {"BtnAddText", "note", {43, 45}},        {"BtnSurfBack", "back", {35, 38}},
    {"BtnSurfForward", "forward", {34, 41}}, {"AccBtn", "accept", {60, 38}},
    {"ProposeBtn", "propose", {95, 38}},     {"DenyBtn", "deny", {36, 39}},
    {"ChatBtn", "chat", {44, 35}},           {"DismissBtn", "dismiss", {38, 36}},
};

QImage Scaled(const QImage& image, QSize size) {
  return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A scene of the data (an event or a tip): a background and up to three motifs from
// events.svg, the first large and low, the others small above it.
QImage ComposedScene(const TSvgArt& art, QSize size, const QString& background, const QStringList& motifs) {
  QImage canvas = FlattenedPicture(art.RenderElement("bg-" + background, size, 0, false), White);
  QPainter painter(&canvas);
  const int w = size.width(), h = size.height();
  const QRect places[] = {QRect(w / 10, h * 3 / 10, w * 8 / 10, h * 65 / 100), QRect(w * 55 / 100, h / 20, w * 4 / 10, h * 3 / 10),
                          QRect(w / 20, h / 20, w * 4 / 10, h * 3 / 10)};
  for (int i = 0; i < motifs.size() && i < 3; ++i)
    painter.drawImage(places[i], art.RenderElement("motif-" + motifs[i], places[i].size()));
  painter.setPen(QPen(QColor("#3b2414"), 3));
  painter.drawRect(QRectF(1.5, 1.5, w - 3, h - 3));
  painter.end();
  return canvas.convertToFormat(QImage::Format_RGB888);
}

// The motifs of a scene the recipes do not name, from the words of its name and caption
// (a word that begins with a rule's word).
QStringList GuessedMotifs(const QString& words, QString& background) {
  struct TRule {
    const char* Word;
    const char* Motif;
    const char* Background;
  };
  static const TRule rules[] = {
      {"brann", "fire", "night"},  {"lyn", "lightning", "night"}, {"frost", "frost", "snow"},
      {"snø", "snow", "snow"},     {"vinter", "snow", "snow"},    {"syk", "sick", "hall"},
      {"skip", "ship", "sea"},     {"båt", "ship", "sea"},        {"fisk", "fish", "sea"},
      {"jakt", "elk", "field"},    {"elg", "elk", "field"},       {"korn", "grain", "field"},
      {"høst", "sheaf", "field"},  {"sol", "sun", "field"},       {"tørk", "dry", "field"},
      {"bekk", "stream", "field"}, {"fugl", "bird", "field"},     {"sølv", "coin", "hall"},
      {"handel", "coin", "hall"},  {"marked", "coin", "village"}, {"smi", "hammer", "village"},
      {"rune", "rune", "field"},   {"gud", "rune", "night"},      {"tor", "lightning", "night"},
      {"odin", "rune", "night"},   {"mat", "food", "hall"},       {"brød", "food", "hall"},
      {"klær", "clothes", "hall"}, {"ull", "clothes", "hall"},    {"hus", "house", "village"},
      {"ku", "cow", "field"},      {"kyr", "cow", "field"},       {"sau", "sheep", "field"},
      {"gris", "pig", "field"},    {"høne", "hen", "village"},    {"barn", "children", "village"},
      {"leik", "children", "village"}, {"lek", "children", "village"}, {"besøk", "farmer", "village"},
      {"bonde", "farmer", "field"}, {"gjest", "farmer", "village"}, {"vikingskip", "ship", "sea"},
  };
  QStringList motifs;
  background.clear();
  const QStringList split = words.toLower().split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts);
  const auto named = [&](const char* word) {
    for (const QString& each : split)
      if (each.startsWith(QString::fromUtf8(word))) return true;
    return false;
  };
  for (const TRule& rule : rules) {
    if (!named(rule.Word) || motifs.contains(rule.Motif)) continue;
    motifs.append(rule.Motif);
    if (background.isEmpty()) background = rule.Background;
  }
  if (motifs.isEmpty()) {
    motifs = {"rune"};
    background = "field";
  }
  return motifs;
}

}  // namespace

TAssetGenerator::TAssetGenerator(TAssetFolders folders) : FFolders(std::move(folders)) {}

void TAssetGenerator::Run() {
  // The sounds and the speech take their own thread, the pictures this one.
  QFuture<void> sounds = QtConcurrent::run([this] {
    MakeSounds();
    MakeSpeech();
  });
  try {
    MakeScenes();
    MakePeople();
    MakeListPictures();
    MakeButtons();
    MakeDataPictures();
  } catch (...) {
    sounds.waitForFinished();
    throw;
  }
  sounds.waitForFinished();  // passes on an exception of the sound thread
  WriteManifest();
}

void TAssetGenerator::RunSpeech() {
  MakeSpeech();
  WriteManifest();
}

QStringList TAssetGenerator::Made() const {
  QMutexLocker lock(&FMadeLock);
  QStringList made = FMade;
  made.sort();
  made.removeDuplicates();
  return made;
}

void TAssetGenerator::MakeScenes() {
  const TScenePicture scenes[] = {
      {"village.svg", "viautumn.bmp", {"autumn"}},    {"village.svg", "viwinter.bmp", {"winter"}},
      {"village.svg", "vispring.bmp", {"spring"}},    {"village.svg", "visummer.bmp", {"summer"}},
      {"indoor.svg", "indoor.bmp", {}},               {"council.svg", "Consult.bmp", {"summer"}},
      {"council.svg", "WConsult.bmp", {"winter"}},    {"workdiv.svg", "WorkDiv.bmp", {}},
      {"slaughter.svg", "SlaughtD.bmp", {}},          {"title.svg", "Intropic.bmp", {"title"}},
      {"title.svg", "Journey.bmp", {"journey"}},      {"title.svg", "Accepted.bmp", {"accepted"}},
      {"title.svg", "Notaccep.bmp", {"rejected"}},    {"norden.svg", "norden.bmp", {}},
      {"firstdec.svg", "firstdec.bmp", {}},           {"market.svg", "market.bmp", {}},
      {"trade.svg", "Trade.bmp", {}},                 {"chrome.svg", "panel.bmp", {"panel"}},
      {"chrome.svg", "arkiv.bmp", {"arkiv"}},         {"chrome.svg", "banner.bmp", {"banner"}},
  };
  const TMask masks[] = {
      {"village.svg", "village.map", PagePicture},
      {"indoor.svg", "indoor.map", PagePicture},
      {"norden.svg", "norden.map", {273, 300}},
  };
  QMap<QString, TSvgArt> arts;
  const auto art = [&](const QString& name) -> const TSvgArt& {
    if (!arts.contains(name)) arts.insert(name, TSvgArt::FromFile(FFolders.Art + "/" + name));
    return *arts.find(name);
  };
  const QMap<QString, QSize> sizes = {{"title.svg", FullScreen},    {"market.svg", FullScreen}, {"trade.svg", FullScreen},
                                      {"norden.svg", {273, 300}},   {"firstdec.svg", {160, 187}}};
  const QMap<QString, QSize> chromeSizes = {{"panel", {77, 480}}, {"arkiv", {226, 62}}, {"banner", {601, 54}}};
  for (const TScenePicture& scene : scenes) {
    QSize size = sizes.value(scene.Svg, PagePicture);
    if (QString(scene.Svg) == "chrome.svg") {
      SavePicture(QString("Bilder\\") + scene.Output,
                  FlattenedPicture(art(scene.Svg).RenderElement(scene.Layers.first(), chromeSizes[scene.Layers.first()], 0, false), White));
      continue;
    }
    SavePicture(QString("Bilder\\") + scene.Output, art(scene.Svg).Render(size, scene.Layers));
  }
  // The herds the village picture shows only while the village keeps them, one picture
  // each, to be laid over the season's picture.
  const std::pair<const char*, const char*> herds[] = {
      {"vicows.bmp", "cows"}, {"vipigs.bmp", "pigs"}, {"visheep.bmp", "sheep"}, {"vihens.bmp", "fowl"}};
  for (const auto& [output, layer] : herds) {
    SavePicture(QString("Bilder\\") + output, KeyedPicture(art("village.svg").RenderLayerAlone(PagePicture, layer), Magenta));
  }
  for (const TMask& mask : masks) SaveBytes(QString("Bilder\\") + mask.Output, art(mask.Svg).ZoneMask(mask.Size));
}

void TAssetGenerator::MakePeople() {
  const TSvgArt person = TSvgArt::FromFile(FFolders.Art + "/person.svg");
  const auto render = [&](const TPerson& who, const QString& background, QSize size) {
    return person.WithReplacements(who.Colours(background)).Render(size, who.Layers);
  };
  for (std::size_t i = 0; i < People().size(); ++i) {
    const QString number = QString::number(i);
    SavePicture("Bilder\\face" + number + ".bmp", render(People()[i], "#cfe3f0", {156, 196}));
    SavePicture("Bilder\\trade" + number + ".bmp", render(People()[i], TradeWall, {150, 180}));
  }
  SavePicture("Bilder\\IChief.bmp", render(Chief(), "#e8d9b0", {157, 210}));
}

void TAssetGenerator::MakeListPictures() {
  const TSvgArt icons = TSvgArt::FromFile(FFolders.Art + "/icons.svg");
  for (const TListPicture& picture : ListPictures) {
    // Small icons are drawn large and scaled down, which keeps thin lines visible.
    const QSize drawn = picture.Size.width() < 40 ? picture.Size * 4 : picture.Size;
    QImage image = icons.RenderElement(picture.Element, drawn);
    if (drawn != picture.Size) image = Scaled(image, picture.Size);
    SavePicture(QString("Bilder\\") + picture.Output, KeyedPicture(image, picture.Key));
  }
}

void TAssetGenerator::MakeButtons() {
  const TSvgArt icons = TSvgArt::FromFile(FFolders.Art + "/buttons.svg");
  const TButtonPainter::TState states[] = {TButtonPainter::TState::Normal, TButtonPainter::TState::Pressed,
                                           TButtonPainter::TState::Highlighted};
  for (const TButton& button : Buttons) {
    const QSize iconSize = button.Size - QSize(10, 10);
    const QImage icon = Scaled(icons.RenderElement(button.Element, iconSize * 3), iconSize);
    for (int s = 0; s < 3; ++s)
      SavePicture(QString("Bilder\\Buttons\\%1%2.bmp").arg(button.Name).arg(s + 1),
                  TButtonPainter::Paint(icon, button.Size, states[s]));
  }  // The season dialog shows the picture of the button that opened it, on its own colour.
  SavePicture("Bilder\\seasdlg.bmp", FlattenedPicture(icons.RenderElement("season", {80, 80}, 0.05), QColor(255, 255, 225)));
}

// scenes.txt: "name background motif [motif ...]" a line; # begins a comment.
void TAssetGenerator::MakeDataPictures() {
  const TSvgArt art = TSvgArt::FromFile(FFolders.Art + "/events.svg");
  QMap<QString, QStringList> recipes;
  QFile file(FFolders.Art + "/scenes.txt");
  if (file.open(QIODevice::ReadOnly)) {
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      const QStringList words = line.section('#', 0, 0).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
      if (words.size() >= 3) recipes.insert(words[0].toLower(), words.mid(1));
    }
  }
  const TTextDataNames names(FFolders.Data);
  const auto make = [&](const TNamedAsset& asset, QSize size) {
    QStringList recipe = recipes.value(asset.Name.toLower());
    QString background;
    QStringList motifs;
    if (recipe.size() >= 2) {
      background = recipe.takeFirst();
      motifs = recipe;
    } else {
      motifs = GuessedMotifs(asset.Name + " " + asset.Caption, background);
    }
    SavePicture("Bilder\\" + asset.Name, ComposedScene(art, size, background, motifs));
  };
  for (const TNamedAsset& picture : names.EventPictures()) make(picture, {200, 200});
  for (const TNamedAsset& picture : names.TipPictures()) make(picture, {120, 194});
  for (const TNamedAsset& picture : names.PagePictures()) make(picture, picture.Size);
}

void TAssetGenerator::MakeSounds() {
  std::vector<TSoundRecipe> recipes = TSoundBook::ProgramSounds();
  const TTextDataNames names(FFolders.Data);
  for (const TNamedAsset& sound : names.EventSounds())
    recipes.push_back({sound.Name, [name = sound.Name] { return TSoundBook::EventSound(name); }});
  for (const TSoundRecipe& recipe : recipes) SaveBytes("Sound\\" + recipe.Path, recipe.Make().FileBytes());
}

// The lines the chief and the story speak, the merchants' lines in the words the market window
// shows, then every advice.
void TAssetGenerator::MakeSpeech() {
  std::vector<TSpokenLine> lines = {
      {"intro.wav", "Et vikingskip kommer tilbake i slutten av august fra en reise i Vesterled."},
      {"intro2.wav", "På veien hjem ble skipet angrepet, og flere ble drept. Blant dem var høvdingen."},
      {"z1.wav", "Det er på tide å bestemme hva slags arbeid som skal gjøres. Hva har du å si?"},
      {"z2.wav", "Hva har dere andre å legge til?"},
      {"z3.wav", "Er det noen som har noe å legge til?"},
      {"z4.wav", "Takk for gode råd."},
  };
  for (const TMarketLine& line : EveryMarketLine()) {
    lines.push_back({QString::fromUtf8(line.Recording) + ".wav", QString::fromUtf8(line.Text)});
  }
  // The program shows these lines too: the catalog of a language gives its words.
  for (TSpokenLine& line : lines) line.Text = QString::fromStdString(Tr(line.Text.toStdString()));
  const TTextDataNames names(FFolders.Data);
  for (const TSpokenLine& advice : names.AdviceLines()) lines.push_back(advice);
  const TSpeaker speaker(FFolders.Voice);
  FToneCount = speaker.SpeakAll(lines, FFolders.Game + "/Sound");
  for (const TSpokenLine& line : lines) Record("Sound\\" + line.Sound);
}

void TAssetGenerator::WriteManifest() const {
  QFile file(FFolders.Game + "/" + ManifestName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw std::runtime_error("cannot write the manifest in " + FFolders.Game.toStdString());
  file.write((Made().join('\n') + '\n').toUtf8());
}

void TAssetGenerator::SavePicture(const QString& gamePath, const QImage& picture) {
  const QString path = FilePath(gamePath);
  if (!picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP"))
    throw std::runtime_error("cannot write " + path.toStdString());
  Record(gamePath);
}

void TAssetGenerator::SaveBytes(const QString& gamePath, const QByteArray& bytes) {
  const QString path = FilePath(gamePath);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write " + path.toStdString());
  Record(gamePath);
}

// The data name the files, so a name that climbs out of the game folder is refused.
QString TAssetGenerator::FilePath(const QString& gamePath) const {
  if (QString(gamePath).replace('\\', '/').split('/').contains(".."))
    throw std::runtime_error("a name leaves the game folder: " + gamePath.toStdString());
  const QString path = QDir(FFolders.Game).filePath(QString(gamePath).replace('\\', '/'));
  QDir().mkpath(QFileInfo(path).absolutePath());
  return path;
}

void TAssetGenerator::Record(const QString& gamePath) {
  QMutexLocker lock(&FMadeLock);
  FMade.append(gamePath);
}

}  // namespace fjordheim
