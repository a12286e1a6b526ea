#include "tools/assetgen/text_data.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace fjordheim {
namespace {

void Write(const QDir& dir, const QString& name, const QByteArray& text) {
  QFile file(dir.filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text);
}

TEST(TextDataNames, AdviceEventsAndTipsNameTheirFiles) {
  QTemporaryDir folder;
  const QDir dir(folder.path());
  Write(dir, "advice.txt",
        "NODE SUMMER PEOPLE\n+ Første råd.\n+ Andre råd.\n- advice\\a.wav\n- advice\\silent.wav\n"
        "+ Igjen.\n- ADVICE\\A.wav\nENDNODE\n");
  Write(dir, "Catasts.txt",
        "NODE _Fire\n* Brann!\n- c_brann.bmp\n+ event\\brann.wav\nTekst.\nENDNODE\n"
        "NODE _Fire\n* Igjen brann\n- c_brann.bmp\n+ event\\brann2.wav\nENDNODE\n");
  Write(dir, "popup.txt", "[INFO]\nPOPUP_COUNT=2\n[POPUP1]\nTEXT=Om hunder\nBITMAP=  p_hund.bmp \n[POPUP2]\nTEXT=Uten bilde\n");
  const TTextDataNames names(folder.path());
  ASSERT_EQ(names.AdviceLines().size(), 2u);
  EXPECT_EQ(names.AdviceLines()[0].Sound, "advice\\a.wav");
  EXPECT_EQ(names.AdviceLines()[0].Text, QString::fromUtf8("Andre råd."));
  EXPECT_EQ(names.AdviceLines()[1].Sound, "advice\\silent.wav");
  EXPECT_EQ(names.AdviceLines()[1].Text, "");
  ASSERT_EQ(names.EventPictures().size(), 1u);
  EXPECT_EQ(names.EventPictures()[0].Caption, "Brann!");
  ASSERT_EQ(names.EventSounds().size(), 2u);
  ASSERT_EQ(names.TipPictures().size(), 1u);
  EXPECT_EQ(names.TipPictures()[0].Name, "p_hund.bmp");
  EXPECT_EQ(names.TipPictures()[0].Caption, "Om hunder");
}

TEST(TextDataNames, PagesNameTheirPicturesWithTheSizeTheyShowThem) {
  QTemporaryDir folder;
  const QDir dir(folder.path());
  ASSERT_TRUE(dir.mkpath("Data") && dir.mkpath("Html"));
  Write(QDir(dir.filePath("Data")), "template.htm", "<IMG SRC=\"../Bilder/h_skjold.bmp\" width=\"120\" height=\"120\">");
  Write(QDir(dir.filePath("Html")), "a.htm",
        "<p><img src=\"../Bilder/h_elg.bmp\" width=\"240\" height=\"180\" alt=\"En elg\">"
        "<img src=\"../Bilder/h_stor.bmp\" width=\"9000\" height=\"180\">"
        "<img src=\"../Bilder/../../evil.bmp\"><img src=\"http://x/y.bmp\"><img src=\"../Bilder/h_elg.bmp\"></p>");
  const TTextDataNames names(dir.filePath("Data"));
  ASSERT_EQ(names.PagePictures().size(), 3u);
  EXPECT_EQ(names.PagePictures()[0].Name, "h_skjold.bmp");
  EXPECT_EQ(names.PagePictures()[0].Size, QSize(120, 120));
  EXPECT_EQ(names.PagePictures()[1].Name, "h_elg.bmp");
  EXPECT_EQ(names.PagePictures()[1].Caption, "En elg");
  EXPECT_EQ(names.PagePictures()[2].Size, QSize(240, 180));  // too large for the screen
}

TEST(TextDataNames, AMissingFolderNamesNothing) {
  const TTextDataNames names("/nonexistent/folder");
  EXPECT_TRUE(names.AdviceLines().empty());
  EXPECT_TRUE(names.EventPictures().empty());
  EXPECT_TRUE(names.TipPictures().empty());
}

}  // namespace
}  // namespace fjordheim
