#include "core/settings/language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/common/catalog.h"
#include "core/common/translation.h"

namespace fjordheim {
namespace {

struct TNameCase {
  const char* Name;
  std::optional<TLanguageCode> Language;
};

class LanguageOfNameCase : public ::testing::TestWithParam<TNameCase> {};

TEST_P(LanguageOfNameCase, NamesTheLanguageOrNone) { EXPECT_EQ(LanguageOfName(GetParam().Name), GetParam().Language); }

INSTANTIATE_TEST_SUITE_P(
    TagsAndLocales, LanguageOfNameCase,
    ::testing::Values(TNameCase{"nn", TLanguageCode::Nynorsk}, TNameCase{"nn_NO.UTF-8", TLanguageCode::Nynorsk},
                      TNameCase{"NN", TLanguageCode::Nynorsk}, TNameCase{"nb", TLanguageCode::Bokmal},
                      TNameCase{"nb_NO.utf8", TLanguageCode::Bokmal}, TNameCase{"no", TLanguageCode::Bokmal},
                      TNameCase{"no_NO@euro", TLanguageCode::Bokmal}, TNameCase{"en_GB", TLanguageCode::English},
                      TNameCase{"en_US.UTF-8", TLanguageCode::English}, TNameCase{"en", TLanguageCode::English},
                      TNameCase{"de_DE.UTF-8", std::nullopt}, TNameCase{"C", std::nullopt},
                      TNameCase{"C.UTF-8", std::nullopt}, TNameCase{"POSIX", std::nullopt},
                      TNameCase{"", std::nullopt}, TNameCase{"nno", std::nullopt}));

// A desktop of its own for each case, as the environment holds it.
std::optional<TLanguageCode> DesktopOf(const std::map<std::string, std::string>& environment) {
  return DesktopLanguage([&environment](const char* variable) -> const char* {
    const auto found = environment.find(variable);
    return found == environment.end() ? nullptr : found->second.c_str();
  });
}

TEST(DesktopLanguage, TheFirstLanguageOfTheListThatTheGameSpeaksWins) {
  EXPECT_EQ(DesktopOf({{"LANGUAGE", "de:nn:en"}, {"LANG", "en_GB.UTF-8"}}), TLanguageCode::Nynorsk);
  EXPECT_EQ(DesktopOf({{"LANGUAGE", "en_GB:nb"}}), TLanguageCode::English);
  EXPECT_EQ(DesktopOf({{"LANGUAGE", "de:fr"}, {"LANG", "nb_NO.UTF-8"}}), TLanguageCode::Bokmal);
  EXPECT_EQ(DesktopOf({{"LANGUAGE", ""}, {"LANG", "nn_NO.UTF-8"}}), TLanguageCode::Nynorsk);
}

TEST(DesktopLanguage, LcAllThenLcMessagesThenLangAndTheFirstSetDecides) {
  EXPECT_EQ(DesktopOf({{"LC_ALL", "en_GB.UTF-8"}, {"LC_MESSAGES", "nn_NO"}, {"LANG", "nb_NO"}}),
            TLanguageCode::English);
  EXPECT_EQ(DesktopOf({{"LC_MESSAGES", "nn_NO"}, {"LANG", "en_GB"}}), TLanguageCode::Nynorsk);
  EXPECT_EQ(DesktopOf({{"LANG", "no_NO"}}), TLanguageCode::Bokmal);
  EXPECT_EQ(DesktopOf({{"LC_ALL", "de_DE.UTF-8"}, {"LANG", "nn_NO"}}), std::nullopt);
  EXPECT_EQ(DesktopOf({{"LANG", "C.UTF-8"}}), std::nullopt);
  EXPECT_EQ(DesktopOf({}), std::nullopt);
}

TEST(Language, EachLanguageHasItsTagItsOwnNameAndItsFolder) {
  EXPECT_EQ(LanguageTag(TLanguageCode::Bokmal), "nb");
  EXPECT_EQ(LanguageOwnName(TLanguageCode::Bokmal), "Bokmål");
  EXPECT_EQ(LanguageOwnName(TLanguageCode::Nynorsk), "Nynorsk");
  EXPECT_EQ(LanguageOwnName(TLanguageCode::English), "English");
  for (const TLanguageCode code : GameLanguages) EXPECT_EQ(LanguageOfName(LanguageTag(code)), code);
  EXPECT_EQ(TLanguage(TLanguageCode::Nynorsk, FJORDHEIM_CATALOG_DIR).DataFolder(), "nn\\");
}

TEST(Language, UsingALanguageTranslatesEveryTextThroughItsCatalog) {
  const TLanguage english(TLanguageCode::English, FJORDHEIM_CATALOG_DIR);
  ASSERT_NE(english.Catalog(), nullptr);
  EXPECT_TRUE(english.Catalog()->Loaded());
  english.Use();
  EXPECT_EQ(Tr("Klikk for å begynne"), "Click to begin");
  TLanguage().Use();
  EXPECT_EQ(Tr("Klikk for å begynne"), "Klikk for å begynne");
}

}  // namespace
}  // namespace fjordheim
