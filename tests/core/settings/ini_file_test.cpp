#include "core/settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <cstdlib>

#include "core/settings/name_tables.h"

namespace fjordheim {
namespace {

TEST(IniFile, SectionAndKeyNamesIgnoreLetterCase) {
  const TIniFile ini = TIniFile::FromBytes("[Tunstad]\nSoundPath=Lyd\\\n[H\xD8ST]\nK\xC5L=ja\n");
  EXPECT_EQ(ini.ReadString("TUNSTAD", "soundpath", "x"), "Lyd\\");
  EXPECT_EQ(ini.ReadString("tunstad", "SOUNDPATH", "x"), "Lyd\\");
  EXPECT_EQ(ini.ReadString("høst", "kål", "x"), "ja");
}

TEST(IniFile, MissingSectionOrKeyGivesTheDefault) {
  const TIniFile ini = TIniFile::FromBytes("[Tunstad]\nSOUND=ON\n");
  EXPECT_EQ(ini.ReadString("Market", "SOUND", "OFF"), "OFF");
  EXPECT_EQ(ini.ReadString("Tunstad", "LOCALPATH", "def"), "def");
  EXPECT_EQ(ini.ReadInteger("Tunstad", "PERIOD", 7), 7);
  EXPECT_EQ(TIniFile().ReadString("Tunstad", "SOUND", "OFF"), "OFF");
}

TEST(IniFile, ValuesAreTrimmedAndAnEmptyValueIsNotTheDefault) {
  const TIniFile ini = TIniFile::FromBytes("[A]\n  Name  =  Tor  Hauk \t\nEmpty=\nQuoted=\" Ulf \"\nHalf=\"Ulf\n");
  EXPECT_EQ(ini.ReadString("A", "Name", ""), "Tor  Hauk");
  EXPECT_EQ(ini.ReadString("A", "Empty", "def"), "");
  EXPECT_EQ(ini.ReadString("A", "Quoted", ""), " Ulf ");
  EXPECT_EQ(ini.ReadString("A", "Half", ""), "\"Ulf");
}

TEST(IniFile, CommentsStrayLinesAndCrLfAreHandled) {
  const TIniFile ini = TIniFile::FromBytes(
      "KEY=before any section\r\n; [Hidden]\r\n[A]\r\n;KEY=commented\r\n  ; KEY=indented comment\r\n"
      "no equals sign\r\n=no key\r\nKEY=a;b\r\n");
  EXPECT_EQ(ini.ReadSections(), std::vector<std::string>{"A"});
  EXPECT_EQ(ini.ReadSection("A"), std::vector<std::string>{"KEY"});
  EXPECT_EQ(ini.ReadString("A", "KEY", ""), "a;b");
}

TEST(IniFile, FirstOccurrenceOfASectionOrKeyWins) {
  const TIniFile ini = TIniFile::FromBytes("[A]\nK=1\nk=2\n[B]\nK=3\n[a]\nK=4\nL=5\n");
  EXPECT_EQ(ini.ReadInteger("A", "K", 0), 1);
  EXPECT_FALSE(ini.ValueExists("A", "L"));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"A", "B"}));
}

TEST(IniFile, SectionsAreListedInFileOrder) {
  const TIniFile ini =
      TIniFile::FromBytes("[Market]\nMARKETS=0\n[CPUMerchant2]\nNAME=Ulf\n[CPUMerchant1]\nNAME=Tor\nIMAGE=3\n");
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Market", "CPUMerchant2", "CPUMerchant1"}));
  EXPECT_EQ(ini.ReadSection("cpumerchant1"), (std::vector<std::string>{"NAME", "IMAGE"}));
  EXPECT_TRUE(ini.ReadSection("Market7").empty());
  EXPECT_TRUE(ini.SectionExists("MARKET"));
}

TEST(IniFile, OddSectionHeadersStillOpenASection) {
  const TIniFile ini = TIniFile::FromBytes("[ Spaced ] trailing text\nK=1\n[Unclosed\nK=2\n[]\nK=3\n");
  EXPECT_EQ(ini.ReadInteger("Spaced", "K", 0), 1);
  EXPECT_EQ(ini.ReadInteger("Unclosed", "K", 0), 2);
  EXPECT_EQ(ini.ReadInteger("", "K", 0), 3);
}

TEST(IniFile, Windows1252TextIsReadAsUtf8) {
  const TIniFile ini = TIniFile::FromBytes("[Tunstad]\nLOCALPATH=D:\\Spill\\h\xF8st\n");
  EXPECT_EQ(ini.ReadString("Tunstad", "LOCALPATH", ""), "D:\\Spill\\høst");
  const TIniFile bom = TIniFile::FromBytes("\xEF\xBB\xBF[Tunstad]\nLOCALPATH=h\xC3\xB8st\n");
  EXPECT_EQ(bom.ReadString("Tunstad", "LOCALPATH", ""), "høst");
}

TEST(IniFile, OddBytesAreKeptAsTextAndNeverStopTheReader) {
  using namespace std::string_literals;
  const std::string longValue(1 << 20, 'x');
  const TIniFile ini = TIniFile::FromBytes("[A\0B]\rK=v\0w\rL=\x81\x9D\r\r\n[C]\nLONG="s + longValue + "\n[D");
  EXPECT_EQ(ini.ReadString("A\0B"s, "K", ""), "v\0w"s);
  EXPECT_EQ(ini.ReadString("a\0b"s, "L", ""), "\xC2\x81\xC2\x9D");
  EXPECT_EQ(ini.ReadString("C", "LONG", ""), longValue);
  EXPECT_TRUE(ini.SectionExists("D"));
}

// A pupil's own settings over the classroom's: one market moved, everything else shared.
TEST(IniFile, OverlayReplacesKeysItHoldsAndAddsTheRest) {
  TIniFile ini = TIniFile::FromBytes("[Tunstad]\nSOUND=ON\n[Market3]\nTYPE=NETWORK\nIP=10.0.0.1\nPORT=5556\n");
  ini.Overlay(TIniFile::FromBytes("[market3]\nip=192.168.1.20\nNAME=Klassen\n[Market3]\nIP=ignored\n[Ny]\nA=1\n"));
  EXPECT_EQ(ini.ReadString("Market3", "IP", ""), "192.168.1.20");
  EXPECT_EQ(ini.ReadString("Market3", "TYPE", ""), "NETWORK");
  EXPECT_EQ(ini.ReadInteger("Market3", "PORT", 0), 5556);
  EXPECT_EQ(ini.ReadString("Tunstad", "SOUND", ""), "ON");
  EXPECT_EQ(ini.ReadSection("Market3"), (std::vector<std::string>{"TYPE", "IP", "PORT", "NAME"}));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Tunstad", "Market3", "Ny"}));
  EXPECT_EQ(ini.ReadInteger("NY", "a", 0), 1);
  ini.Overlay(TIniFile());
  EXPECT_EQ(ini.ReadString("Market3", "IP", ""), "192.168.1.20");
}

// A value written is read back, and the lines around it stay byte for byte, line ends and all.
TEST(WithIniValue, ReplacesTheKeyOfTheFirstSectionAndKeepsEveryOtherByte) {
  const std::string before = "; Fjordheim\r\n[Tunstad]\r\nSOUND=ON\r\n guide = ON \r\n[Market]\r\nGUIDE=1\r\n";
  EXPECT_EQ(WithIniValue(before, "Tunstad", "GUIDE", "OFF"),
            "; Fjordheim\r\n[Tunstad]\r\nSOUND=ON\r\nGUIDE=OFF\r\n[Market]\r\nGUIDE=1\r\n");
  // A later section of the same name is ignored by the reader, and so by the writer.
  const std::string twice = "[tunstad]\nSOUND=ON\n\n[Market]\nMARKETS=3\n[TUNSTAD]\nGUIDE=ON\n";
  const std::string after = WithIniValue(twice, "Tunstad", "GUIDE", "OFF");
  EXPECT_EQ(after, "[tunstad]\nSOUND=ON\nGUIDE=OFF\n\n[Market]\nMARKETS=3\n[TUNSTAD]\nGUIDE=ON\n");
  EXPECT_EQ(TIniFile::FromBytes(after).ReadString("Tunstad", "GUIDE", ""), "OFF");
}

TEST(WithIniValue, AddsTheSectionToAFileWithoutItOrToNoFileAtAll) {
  EXPECT_EQ(WithIniValue("", "Tunstad", "GUIDE", "OFF"), "[Tunstad]\r\nGUIDE=OFF\r\n");
  EXPECT_EQ(WithIniValue("[Market]\nMARKETS=3", "Tunstad", "GUIDE", "OFF"),
            "[Market]\nMARKETS=3\n[Tunstad]\nGUIDE=OFF\n");
  // A file in UTF-8 keeps its mark, and its Windows-1252 sibling its own bytes.
  const std::string utf8 = "\xEF\xBB\xBF[Market1]\r\nNAME=Kaupang \xC3\xB8st\r\n";
  const std::string written = WithIniValue(utf8, "Tunstad", "GUIDE", "OFF");
  EXPECT_EQ(written, utf8 + "[Tunstad]\r\nGUIDE=OFF\r\n");
  EXPECT_EQ(TIniFile::FromBytes(written).ReadString("Market1", "NAME", ""), "Kaupang øst");
  const std::string cp1252 = "[Tunstad]\rNAME=\xF8\r";
  EXPECT_EQ(WithIniValue(cp1252, "Tunstad", "GUIDE", "OFF"), "[Tunstad]\rNAME=\xF8\rGUIDE=OFF\r\n");
  EXPECT_EQ(TIniFile::FromBytes(cp1252).ReadString("Tunstad", "NAME", ""), "ø");
}

// Lone carriage returns end lines for the reader: a section behind one is found, not doubled.
TEST(WithIniValue, FindsTheSectionTheReaderFindsWhateverTheLineEnds) {
  const std::string odd = "[X]\r[Tunstad]\rGUIDE=ON\r; end";
  const std::string after = WithIniValue(odd, "Tunstad", "GUIDE", "OFF");
  EXPECT_EQ(after, "[X]\r[Tunstad]\rGUIDE=OFF\r; end");
  EXPECT_EQ(TIniFile::FromBytes(after).ReadString("Tunstad", "GUIDE", ""), "OFF");
}

TEST(ParseIniInteger, HexadecimalNeedsMoreThanThePrefix) {
  EXPECT_EQ(ParseIniInteger("0x10"), 16);
  EXPECT_EQ(ParseIniInteger("0XfF"), 255);
  EXPECT_EQ(ParseIniInteger("0x7FFFFFFF"), 2147483647);
  EXPECT_EQ(ParseIniInteger("0x"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("0X"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("0x80000000"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("0x-5"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("0x1G"), std::nullopt);
}

TEST(ParseIniInteger, DecimalIsSignedAndChecked) {
  EXPECT_EQ(ParseIniInteger("-5"), -5);
  EXPECT_EQ(ParseIniInteger("+5"), 5);
  EXPECT_EQ(ParseIniInteger(" 42 "), 42);
  EXPECT_EQ(ParseIniInteger("010"), 10);
  EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseIniInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("12abc"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("1 2"), std::nullopt);
  EXPECT_EQ(ParseIniInteger(""), std::nullopt);
  EXPECT_EQ(ParseIniInteger("+"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("+-5"), std::nullopt);
  EXPECT_EQ(ParseIniInteger("$10"), std::nullopt);
}

TEST(IniFile, IntegerThatIsNotANumberGivesTheDefault) {
  const TIniFile ini = TIniFile::FromBytes("[INFO]\nPOPUP_PERIOD=0x10\nPOPUP_COUNT=12abc\nPOPUP_RANDOM=\n");
  EXPECT_EQ(ini.ReadInteger("INFO", "POPUP_PERIOD", 0), 16);
  EXPECT_EQ(ini.ReadInteger("INFO", "POPUP_COUNT", 3), 3);
  EXPECT_EQ(ini.ReadInteger("INFO", "POPUP_RANDOM", 4), 4);
}

TEST(IniFile, FileIsFoundWhateverTheLetterCaseOfItsName) {
  std::string pattern = (std::filesystem::temp_directory_path() / "fjordheim_ini_XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  std::filesystem::create_directories(folder / "Data");
  std::ofstream(folder / "Data" / "popup.txt", std::ios::binary) << "[INFO]\r\nPOPUP_COUNT=2\r\n";
  EXPECT_EQ(TIniFile::FromFile(folder.string() + "/DATA\\Popup.TXT").ReadInteger("info", "popup_count", 0), 2);
  EXPECT_FALSE(TIniFile::FromFile(folder.string() + "/missing.ini").SectionExists("INFO"));
  std::filesystem::remove_all(folder);
}

TEST(NameTables, SeasonTextsAreIndexedBySeason) {
  EXPECT_EQ(SeasonYearNames[TSeason::Autumn], "Høsten år");
  EXPECT_EQ(SeasonNamesDefinite[TSeason::Spring], "våren");
  EXPECT_EQ(SeasonPictureNames[TSeason::Summer], "visummer.bmp");
  EXPECT_EQ(DecisionFileNames[TAdviceSeason::Frost], "elsefrst.dec");
  EXPECT_EQ(DecisionFileNames[TAdviceSeason::Summer], "elsesumm.dec");
  EXPECT_THROW(SeasonYearNames[static_cast<TSeason>(4)], std::out_of_range);
}

}  // namespace
}  // namespace fjordheim
