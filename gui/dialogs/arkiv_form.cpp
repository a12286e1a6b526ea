#include "gui/dialogs/arkiv_form.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>
#include <QUrl>

#include "core/common/path_resolver.h"
#include "core/common/translation.h"
#include "gui/controls/custom_image.h"
#include "gui/controls/picture_button.h"
#include "gui/controls/picture_loader.h"
#include "gui/dialogs/question_box.h"

namespace fjordheim {

namespace {

// The file boxes in game pixels, and the columns of their list of files.
constexpr int BoxWidth = 520;
constexpr int BoxHeight = 340;
constexpr int SizeColumn = 1;
constexpr int TypeColumn = 2;
constexpr int DateColumn = 3;

QString Translated(const char* bokmal) { return QString::fromStdString(Tr(bokmal)); }

TPictureButton* ArkivButton(QWidget* parent, TPictureLoader& pictures, const std::string& picsPath, const char* name) {
  return CreatePictureButton(parent, pictures, picsPath, name, QRect(), true);
}

// Qt's own file box speaks English; a child gets its words in the game's language, which
// may have changed since the box was made.
void SpeakGameLanguage(QFileDialog& box) {
  const bool saving = box.acceptMode() == QFileDialog::AcceptSave;
  box.setWindowTitle(Translated(saving ? TrMark("Lagre spillet") : TrMark("Hent lagret spill")));
  box.setLabelText(QFileDialog::LookIn, Translated(TrMark("Søk i:")));
  box.setLabelText(QFileDialog::FileName, Translated(TrMark("Filnavn:")));
  box.setLabelText(QFileDialog::FileType, Translated(TrMark("Filtype:")));
  // Translators: the button of the file box that saves or opens the chosen game.
  box.setLabelText(QFileDialog::Accept, Translated(saving ? TrMark("Lagre") : TrMark("Åpne")));
  box.setLabelText(QFileDialog::Reject, Translated(TrMark("Avbryt")));
  // Translators: the kind of file the box lists; keep "(*.tun)" as it is.
  box.setNameFilter(Translated(saving ? TrMark("Fjordheim filer (*.tun)") : TrMark("Fjordheim fil (*.tun)")));
}

QFileDialog* FileBox(QWidget* parent, QFileDialog::AcceptMode mode) {
  auto* box = new QFileDialog(parent);
  box->setOption(QFileDialog::DontUseNativeDialog);
  // The question before saving over a saved game is asked in the game's language below.
  box->setOption(QFileDialog::DontConfirmOverwrite);
  box->setAcceptMode(mode);
  box->setDefaultSuffix(QStringLiteral("tun"));
  box->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  return box;
}

std::string FirstSelected(const QFileDialog* box) {
  const QStringList files = box->selectedFiles();
  return files.isEmpty() ? std::string() : files.front().toStdString();
}

}  // namespace

TArkivForm::TArkivForm(const std::string& picsPath, TPictureLoader& pictures, QWidget* parent, TGameLayout layout)
    : QDialog(parent), FBaseFont(font()) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor(191, 63, 0));
  setPalette(colours);
  FBackground = new TCustomImage(this);
  FBackground->SetStretch(true);
  FBackground->SetPicture(pictures.Load(picsPath + "arkiv.bmp"));
  BtnSave = ArkivButton(this, pictures, picsPath, "BtnSave");
  BtnLoad = ArkivButton(this, pictures, picsPath, "BtnLoad");
  BtnExit = ArkivButton(this, pictures, picsPath, "BtnExit");
  WriteTexts();
  SetLayout(layout);
  connect(BtnSave, &TPictureButton::Clicked, this, &TArkivForm::BtnSaveClick);
  connect(BtnLoad, &TPictureButton::Clicked, this, &TArkivForm::BtnLoadClick);
  connect(BtnExit, &TPictureButton::Clicked, this, [this] { done(ExitResult); });
}

// The window lives as long as the game: it speaks anew when the title's language changes.
void TArkivForm::WriteTexts() {
  // Translators: the title of the small window with the save, open and quit buttons.
  setWindowTitle(Translated(TrMark("Arkiv")));
  BtnSave->setToolTip(Translated(TrMark("Lagre")));
  BtnLoad->setToolTip(Translated(TrMark("Åpne")));
  BtnExit->setToolTip(Translated(TrMark("Avslutte programmet")));
}

void TArkivForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) WriteTexts();
  QDialog::changeEvent(event);
}

void TArkivForm::SetLayout(TGameLayout layout) {
  FLayout = layout;
  setFont(FLayout.Font(FBaseFont));
  setFixedSize(FLayout.Size(226, 62));
  FLayout.Place(FBackground, 0, 0, 226, 62);
  PlaceButton(BtnSave, 12, 12, 65, 45);
  PlaceButton(BtnLoad, 81, 12, 61, 44);
  PlaceButton(BtnExit, 166, 5, 56, 55);
}

void TArkivForm::PlaceButton(TPictureButton* button, int x, int y, int width, int height) {
  FLayout.Place(button, x, y, width, height);
  button->SetScale(FLayout.Scale());
}

QFileDialog& TArkivForm::SaveDialog1() {
  if (FSaveDialog1 == nullptr) FSaveDialog1 = FileBox(this, QFileDialog::AcceptSave);
  return *FSaveDialog1;
}

QFileDialog& TArkivForm::OpenDialog1() {
  if (FOpenDialog1 == nullptr) FOpenDialog1 = FileBox(this, QFileDialog::AcceptOpen);
  return *FOpenDialog1;
}

void TArkivForm::SetGame(const std::string& gamePath, const std::string& chiefName) {
  FGamePath = gamePath;
  FChiefName = chiefName;
}

QString TArkivForm::GameFolder() const {
  const std::string resolved = ResolvePath(FGamePath);
  return QDir(QString::fromStdString(resolved.empty() ? "." : resolved)).absolutePath();
}

// The boxes show the game's own folder and nothing of the machine's, and come up over the
// middle of the game: without a window manager a new window would sit in the corner.
void TArkivForm::PrepareBox(QFileDialog& box) {
  SpeakGameLanguage(box);
  const QString folder = GameFolder();
  box.setDirectory(folder);
  box.setSidebarUrls({QUrl::fromLocalFile(folder)});
  box.setHistory({});
  box.setFont(FLayout.Font(FBaseFont));
  box.resize(FLayout.Size(BoxWidth, BoxHeight));
  if (auto* files = box.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    // Every saved game is a Fjordheim game: the type column would only say "unknown".
    files->setColumnHidden(TypeColumn, true);
    files->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    files->header()->setSectionResizeMode(SizeColumn, QHeaderView::ResizeToContents);
    files->header()->setSectionResizeMode(DateColumn, QHeaderView::ResizeToContents);
  }
  const QWidget* game = parentWidget() != nullptr ? parentWidget()->window() : window();
  const QRect over = game->geometry();
  box.move(over.center() - QPoint(box.width() / 2, box.height() / 2));
}

void TArkivForm::BtnSaveClick() {
  PrepareBox(SaveDialog1());
  // A game without a chief's name (a damaged file) proposes no name rather than ".tun".
  SaveDialog1().selectFile(FChiefName.empty() ? QString() : QString::fromStdString(FChiefName + ".tun"));
  done(ChooseSaveFile() ? SaveResult : NothingResult);
}

// A player who does not want to save over a game already there chooses again.
bool TArkivForm::ChooseSaveFile() {
  while (SaveDialog1().exec() == QDialog::Accepted) {
    const QString chosen = QString::fromStdString(SaveFileName());
    if (!QFileInfo::exists(chosen)) return true;
    // Translators: {0} is the name of the saved game's file.
    const QString question = QString::fromStdString(Tr("Det finnes alt et lagret spill som heter {0}. Vil du lagre over det?",
                                                       QFileInfo(chosen).fileName().toStdString()));
    if (AskYesNo(this, question, FLayout)) return true;
  }
  return false;
}

void TArkivForm::BtnLoadClick() { done(ChooseOpenFile().empty() ? NothingResult : LoadResult); }

// Every use starts among the saved games, wherever the player went the time before.
std::string TArkivForm::ChooseOpenFile() {
  PrepareBox(OpenDialog1());
  if (OpenDialog1().exec() != QDialog::Accepted) return {};
  return OpenFileName();
}

std::string TArkivForm::SaveFileName() const { return FSaveDialog1 ? FirstSelected(FSaveDialog1) : std::string(); }
std::string TArkivForm::OpenFileName() const { return FOpenDialog1 ? FirstSelected(FOpenDialog1) : std::string(); }

}  // namespace fjordheim
