#include "tools/spellcheck/player_text.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

using TLines = std::vector<std::pair<int, std::string>>;

TLines Read(const std::string& file, const std::vector<std::string>& lines) {
  TLines read;
  for (const TPlayerLine& line : PlayerTextOf(file, lines)) {
    EXPECT_EQ(line.File, file);
    read.emplace_back(line.Line, line.Text);
  }
  return read;
}

TEST(PlayerTextOf, DataFilesGiveTheTextsButNoKeywordsKeysOrFileNames) {
  EXPECT_EQ(Read("Data/advice.txt", {"NODE SUMMER PEOPLE", "  +  Slå graset nå.", "- advice\\a.wav", "ENDNODE"}),
            (TLines{{2, "Slå graset nå."}}));
  EXPECT_EQ(Read("Data/elsesumm.dec", {"GRUPP FEL", "- Så kornet", "* Det er for sent.", "x 2", "END"}),
            (TLines{{2, "Så kornet"}, {3, "Det er for sent."}}));
  EXPECT_EQ(Read("Data/Catasts.txt", {"Tekst utenfor", "NODE _Visit", "* Gjester", "- c_besok.bmp",
                                      "+ event\\skip.wav", "  Et skip kom.", "", "endnode", "Etter"}),
            (TLines{{3, "Gjester"}, {6, "Et skip kom."}, {7, ""}}));
  EXPECT_EQ(Read("Data/popup.txt", {"[INFO]", "POPUP_COUNT=1", "[POPUP1]", "text = vikingene seilte?",
                                    "URL=harbour.htm", "BITMAP=p_skip.bmp"}),
            (TLines{{4, "vikingene seilte?"}}));
  EXPECT_EQ(Read("Data/False.que", {"Jeg sover.", "", "Rådet sier nei."}),
            (TLines{{1, "Jeg sover."}, {2, ""}, {3, "Rådet sier nei."}}));
  EXPECT_EQ(Read("tunstad.ini", {"[Market1]", "TYPE=LOCAL", "NAME=Kaupang i Vestfold", "PORT=5556"}),
            (TLines{{3, "Kaupang i Vestfold"}}));
}

TEST(PlayerTextOf, FilesWithoutPlayerTextGiveNothing) {
  EXPECT_TRUE(PlayerTextOf("Data/village.map", {"+ Slå graset"}).empty());
  EXPECT_TRUE(PlayerTextOf("NAMES.md", {"Tekst"}).empty());
}

TEST(PlayerTextOf, PagesGiveTheirTextTitleAndCaptionsWithoutMarkupStyleOrCommands) {
  const std::vector<std::string> page = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">",
      "<head><title>Fisk &amp; fangst</title>",
      "<style type=\"text/css\">",
      "body { background-color: #F5E6C8; }",
      "</style>",
      "</head><body>",
      "<!-- SECTION NAME START -->",
      "<p><img src=\"../Bilder/h_fiske.bmp\" width=\"240\"",
      "  alt=\"To menn i en båt\"></p>",
      "<h2>Torsk</h2><p>Om <b>vinteren</b> kom torsken.</p>",
      "<a href=\"fishing.htm\" title=\"Les om fiske\">fiske</a>",
      "<p>Skriv <code>sudo systemctl restart</code> og <code>[Market]</code> slik.</p>",
  };
  EXPECT_EQ(Read("Html/fishing.htm", page), (TLines{{2, "Fisk & fangst"},
                                                     {9, "To menn i en båt"},
                                                     {10, "Torsk Om vinteren kom torsken."},
                                                     {11, "Les om fiske fiske"},
                                                     {12, "Skriv og slik."}}));
  EXPECT_EQ(Read("Data/template.htm", {"<h1>Min vikingside</h1>"}), (TLines{{1, "Min vikingside"}}));
}

}  // namespace
}  // namespace fjordheim
