#include "gui/pages/add_bookm_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/common/translation.h"

namespace fjordheim {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Translated(const char* bokmal) { return Q(Tr(bokmal)); }

void AddLabel(QWidget* parent, const TGameLayout& layout, const char* text, int x, int y) {
  auto* label = new QLabel(Translated(text), parent);
  label->move(layout.Scaled(x), layout.Scaled(y));
}

}  // namespace

TAddBookmDlg::TAddBookmDlg(TMessageSink& sink, QWidget* parent, TGameLayout layout) : QDialog(parent), FSink(sink) {
  setFont(layout.Font(font()));
  setFixedSize(layout.Size(372, 217));
  AddLabel(this, layout, BookmarkTitleLabel, 8, 8);
  TitleEdit = new QLineEdit(this);
  layout.Place(TitleEdit, 8, 24, 129, 21);
  AddLabel(this, layout, BookmarkUrlLabel, 152, 8);
  UrlEdit = new QLineEdit(this);
  layout.Place(UrlEdit, 152, 24, 205, 21);
  AddLabel(this, layout, BookmarkListLabel, 8, 52);
  SectionLB = new QListWidget(this);
  layout.Place(SectionLB, 8, 68, 129, 97);
  AddLabel(this, layout, BookmarkTextLabel, 152, 52);
  Memo = new QPlainTextEdit(this);
  layout.Place(Memo, 152, 68, 205, 97);
  Button1 = new QPushButton(Translated(BookmarkOkButton), this);
  layout.Place(Button1, 92, 180, 81, 25);
  Button2 = new QPushButton(Translated(BookmarkCancelButton), this);
  layout.Place(Button2, 204, 180, 81, 25);
  connect(Button1, &QPushButton::clicked, this, &TAddBookmDlg::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

  PopupMenu1 = new QMenu(this);
  FDelTopic = PopupMenu1->addAction(Translated(DeleteEntryItem), this, &TAddBookmDlg::DelTopic);
  FDelTopic->setShortcut(Qt::Key_Delete);
  FInsTopic = PopupMenu1->addAction(Translated(InsertEntryItem), this, &TAddBookmDlg::InsTopic);
  FInsTopic->setShortcut(Qt::Key_Insert);
  PopupMenu1->addSeparator();
  FMoveUp = PopupMenu1->addAction(Translated(MoveUpItem), this, &TAddBookmDlg::MoveUp);
  FMoveUp->setShortcut(Qt::Key_Minus);
  FMoveDown = PopupMenu1->addAction(Translated(MoveDownItem), this, &TAddBookmDlg::MoveDown);
  FMoveDown->setShortcut(Qt::Key_Plus);
  SectionLB->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(SectionLB, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
    UpdateMenu();
    PopupMenu1->popup(SectionLB->viewport()->mapToGlobal(at));
  });
  connect(SectionLB, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    StoreEdits();
    FEditor->Select(SectionLB->row(item));
    ShowCurrent();
  });
  SectionLB->installEventFilter(this);
}

TAddBookmDlg::~TAddBookmDlg() = default;

void TAddBookmDlg::Prepare(const std::string& pagePath, const std::string& title, const std::string& url,
                           const std::string& text) {
  FEditor = std::make_unique<TBookmarkEditor>(pagePath, TBookmarkEntry{title, url, text}, FSink);
  setWindowTitle(Q(Tr(FEditor->Caption())));
  FillList();
  ShowCurrent();
  TitleEdit->setFocus();
}

bool TAddBookmDlg::Execute(const std::string& pagePath, const std::string& title, const std::string& url,
                           const std::string& text) {
  Prepare(pagePath, title, url, text);
  return Finish(exec());
}

bool TAddBookmDlg::Finish(int result) {
  if (result != QDialog::Accepted || !FEditor) return false;
  return FEditor->Save(FSink);
}

void TAddBookmDlg::FillList() {
  SectionLB->clear();
  for (const TBookmarkEntry& entry : FEditor->Entries()) SectionLB->addItem(Q(entry.Title));
  SectionLB->setCurrentRow(FEditor->Current());
}

void TAddBookmDlg::ShowCurrent() {
  const TBookmarkEntry shown = FEditor->Shown();
  TitleEdit->setText(Q(shown.Title));
  UrlEdit->setText(Q(shown.Url));
  Memo->setPlainText(Q(shown.Text));
  SectionLB->setCurrentRow(FEditor->Current());
}

// The edit boxes hand their text to the current entry when the player moves on.
void TAddBookmDlg::StoreEdits() {
  if (!FEditor || FEditor->Current() < 0) return;
  FEditor->SetTitle(TitleEdit->text().toStdString());
  FEditor->SetUrl(UrlEdit->text().toStdString());
  FEditor->SetText(Memo->toPlainText().toStdString());
  if (QListWidgetItem* item = SectionLB->item(FEditor->Current())) item->setText(TitleEdit->text());
}

void TAddBookmDlg::UpdateMenu() {
  FDelTopic->setEnabled(FEditor && FEditor->CanDelete());
  FInsTopic->setEnabled(FEditor && FEditor->CanInsert());
  FMoveUp->setEnabled(FEditor && FEditor->CanMoveUp());
  FMoveDown->setEnabled(FEditor && FEditor->CanMoveDown());
}

void TAddBookmDlg::DelTopic() {
  if (!FEditor->CanDelete()) return;
  FEditor->Delete();
  FillList();
  ShowCurrent();
}

void TAddBookmDlg::InsTopic() {
  if (!FEditor->CanInsert()) return;
  StoreEdits();
  FEditor->Insert();
  FillList();
  ShowCurrent();
  TitleEdit->setFocus();
}

void TAddBookmDlg::MoveUp() {
  if (!FEditor->CanMoveUp()) return;
  StoreEdits();
  FEditor->MoveUp();
  FillList();
  ShowCurrent();
}

void TAddBookmDlg::MoveDown() {
  if (!FEditor->CanMoveDown()) return;
  StoreEdits();
  FEditor->MoveDown();
  FillList();
  ShowCurrent();
}

bool TAddBookmDlg::eventFilter(QObject* watched, QEvent* event) {
  // The menu's keys act only while the list has the focus.
  if (watched == SectionLB && event->type() == QEvent::KeyPress && FEditor) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Delete: DelTopic(); return true;
      case Qt::Key_Insert: InsTopic(); return true;
      case Qt::Key_Minus: MoveUp(); return true;
      case Qt::Key_Plus: MoveDown(); return true;
      default: break;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TAddBookmDlg::Button1Click() {
  StoreEdits();
  const std::string refusal = FEditor ? FEditor->RefusalOfOk() : std::string();
  if (!refusal.empty()) {
    FSink.ShowMessage(refusal);
    return;
  }
  accept();
}

}  // namespace fjordheim
