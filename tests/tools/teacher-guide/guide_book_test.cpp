// The printed guide made from the teacher's pages the build wrote into the game folder, and
// what a missing page, picture or output folder gives.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>

#include "tools/teacher-guide/guide_book.h"

namespace fjordheim {
namespace {

const QString Pages = QString(FJORDHEIM_GAME_DIR) + "/Html";
const QStringList GuidePages = QString(FJORDHEIM_GUIDE_PAGES).split(',');

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int Count(const QByteArray& bytes, const QString& pattern) {
  int count = 0;
  QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(QString::fromLatin1(bytes));
  for (; it.hasNext(); it.next()) ++count;
  return count;
}

// A folder with only the first page of the guide and none of its pictures.
QString PageWithoutPictures(const QTemporaryDir& folder) {
  const QString html = folder.filePath("Html");
  QDir().mkpath(html);
  QFile::copy(QDir(Pages).filePath(GuidePages.front()), QDir(html).filePath(GuidePages.front()));
  return html;
}

TEST(GuideBook, TheTeacherPagesMakeAnA4BookWithEachPageOnNewSheetsAndTheirPictures) {
  ASSERT_GE(GuidePages.size(), 4);
  TGuideBook book;
  QString problem;
  ASSERT_TRUE(book.Read(Pages, GuidePages, problem)) << problem.toStdString();
  EXPECT_FALSE(book.Html().contains("Til startsiden")) << "the screen's menu line leads nowhere on paper";

  QTemporaryDir folder;
  const QString pdf = folder.filePath("guide.pdf");
  const int sheets = book.WritePdf(pdf, "Guide", problem);
  EXPECT_GE(sheets, GuidePages.size()) << problem.toStdString();

  const QByteArray bytes = Bytes(pdf);
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(Count(bytes, "/Type\\s*/Page(?!s)"), sheets);
  const QRegularExpression mediaBox("/MediaBox\\s*\\[\\s*0 0 ([0-9.]+) ([0-9.]+)\\s*\\]");
  int a4 = 0;
  for (QRegularExpressionMatchIterator it = mediaBox.globalMatch(QString::fromLatin1(bytes)); it.hasNext();) {
    const QRegularExpressionMatch box = it.next();
    EXPECT_NEAR(box.captured(1).toDouble(), 595.3, 1.0);
    EXPECT_NEAR(box.captured(2).toDouble(), 841.9, 1.0);
    ++a4;
  }
  EXPECT_EQ(a4, sheets);
  EXPECT_GE(Count(bytes, "/Subtype\\s*/Image"), 1) << "the pages' pictures are drawn into the book";
}

TEST(GuideBook, AMissingPageOrPictureIsNamedAndTheBookStaysEmpty) {
  TGuideBook book;
  QString problem;
  EXPECT_FALSE(book.Read(Pages, {GuidePages.front(), "mangler.htm"}, problem));
  EXPECT_TRUE(problem.contains("mangler.htm")) << problem.toStdString();
  EXPECT_TRUE(book.Html().isEmpty());

  QTemporaryDir folder;
  EXPECT_FALSE(book.Read(PageWithoutPictures(folder), {GuidePages.front()}, problem));
  EXPECT_TRUE(problem.contains("../Bilder/")) << problem.toStdString();
  EXPECT_TRUE(problem.contains(GuidePages.front())) << problem.toStdString();
  EXPECT_EQ(book.WritePdf(folder.filePath("guide.pdf"), "Guide", problem), 0);
  EXPECT_FALSE(QFile::exists(folder.filePath("guide.pdf")));

  EXPECT_FALSE(book.Read(Pages, {}, problem));
}

TEST(GuideBook, AFolderThatCannotBeWrittenIsToldNotCrashedOn) {
  TGuideBook book;
  QString problem;
  ASSERT_TRUE(book.Read(Pages, {GuidePages.front()}, problem));
  QTemporaryDir folder;
  const QString pdf = folder.filePath("no/such/folder/guide.pdf");
  EXPECT_EQ(book.WritePdf(pdf, "Guide", problem), 0);
  EXPECT_TRUE(problem.contains(pdf)) << problem.toStdString();
}

TEST(GuideBookProgram, AMissingPictureEndsTheProgramWithItsNameAndNoFile) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath("guide.pdf");
  QProcess program;
  program.start(FJORDHEIM_TEACHER_GUIDE_PROGRAM,
                {"--html", PageWithoutPictures(folder), "--pages", GuidePages.front(), "--out", pdf});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 1);
  EXPECT_TRUE(program.readAllStandardError().contains("../Bilder/"));
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST(GuideBookProgram, TheRealPagesGiveAPdfAndItsPageCount) {
  QTemporaryDir folder;
  const QString pdf = folder.filePath("guide.pdf");
  QProcess program;
  program.start(FJORDHEIM_TEACHER_GUIDE_PROGRAM, {"--html", Pages, "--pages", GuidePages.join(','), "--out", pdf});
  ASSERT_TRUE(program.waitForFinished(60000));
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  EXPECT_TRUE(program.readAllStandardOutput().contains("A4 pages"));
  EXPECT_TRUE(Bytes(pdf).startsWith("%PDF-"));
}

}  // namespace
}  // namespace fjordheim
