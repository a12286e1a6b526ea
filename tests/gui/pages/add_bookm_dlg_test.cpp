#include "gui/pages/add_bookm_dlg.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace fjordheim {
namespace {

constexpr const char* Page =
    "<html>\r\n<!--BEGIN Tunstad-->\r\n<table border=\"0\" cellspadding=\"4\" cellspacing=\"5\">\r\n"
    "<tr>\r\n    <th align=\"left\" valign=\"top\">Eldre</th>\r\n        <td>gammel</td>\r\n</tr>\r\n"
    "</table>\r\n<!--END Tunstad-->\r\n</html>\r\n";

struct AddBookmDlg : ::testing::Test {
  AddBookmDlg() {
    QFile file(Path);
    file.open(QIODevice::WriteOnly);
    file.write(Page);
  }
  QByteArray Written() {
    QFile file(Path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }
  QTemporaryDir Dir;
  QString Path = Dir.filePath("olav.htm");
  TCollectingMessageSink Sink;
  TAddBookmDlg Dialog{Sink};
};

TEST_F(AddBookmDlg, TheListKeysInsertMoveAndDelete) {
  Dialog.Prepare(Path.toStdString(), "Nytt bokmerke", "file:///h/pets.htm", "");
  Dialog.show();
  ASSERT_EQ(Dialog.SectionLB->count(), 2);
  EXPECT_EQ(Dialog.SectionLB->currentRow(), 1);
  Dialog.SectionLB->setFocus();
  QTest::keyClick(Dialog.SectionLB, Qt::Key_Minus);
  EXPECT_EQ(Dialog.SectionLB->item(0)->text(), "Nytt bokmerke");
  EXPECT_EQ(Dialog.SectionLB->currentRow(), 0);
  QTest::keyClick(Dialog.SectionLB, Qt::Key_Plus);
  EXPECT_EQ(Dialog.SectionLB->item(1)->text(), "Nytt bokmerke");
  QTest::keyClick(Dialog.SectionLB, Qt::Key_Insert);
  ASSERT_EQ(Dialog.SectionLB->count(), 3);
  EXPECT_EQ(Dialog.TitleEdit->text(), "Ny tekst");
  Dialog.SectionLB->setFocus();
  QTest::keyClick(Dialog.SectionLB, Qt::Key_Delete);
  EXPECT_EQ(Dialog.SectionLB->count(), 2);
  ASSERT_TRUE(Dialog.Finish(QDialog::Accepted));
  const QByteArray page = Written();
  EXPECT_TRUE(page.contains("<a href=\"file:///h/pets.htm\">Nytt bokmerke</a>"));
  EXPECT_LT(page.indexOf("Eldre"), page.indexOf("Nytt bokmerke"));
  EXPECT_FALSE(page.contains("Ny tekst"));
}

TEST_F(AddBookmDlg, AnEmptyTitleKeepsTheDialogOpen) {
  Dialog.Prepare(Path.toStdString(), "Ny tekst", "", "");
  Dialog.show();
  Dialog.TitleEdit->clear();
  QTest::mouseClick(Dialog.Button1, Qt::LeftButton);
  ASSERT_EQ(Sink.Messages.size(), 1u);
  EXPECT_EQ(Sink.Messages[0], MissingTitleMessage);
  EXPECT_TRUE(Dialog.isVisible());
  EXPECT_EQ(Written(), QByteArray(Page));
}

}  // namespace
}  // namespace fjordheim
