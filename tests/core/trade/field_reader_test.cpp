#include "core/trade/field_reader.h"

#include <gtest/gtest.h>

namespace fjordheim {
namespace {

TEST(FieldReader, ReadsFieldsInALineAndRestAsText) {
  TFieldReader fields("ID 12 -65535 Bj\xF8rn og \xC5sa");
  fields.ExpectLabel("ID");
  EXPECT_EQ(fields.ReadNumber(0, 100), 12);
  EXPECT_EQ(fields.ReadNumber(-65535, 65535), -65535);
  EXPECT_EQ(fields.ReadText(100), "Bjørn og Åsa");
  EXPECT_TRUE(fields.Ok());
}

TEST(FieldReader, TheFirstBadFieldIsReportedAndLaterReadsAreHarmless) {
  const struct {
    const char* Message;
    const char* Problem;
  } cases[] = {
      {"70000 1", "PROPOSE: Ugyldig tall: 70000"},
      {"-70000 1", "PROPOSE: Ugyldig tall: -70000"},
      {"12a 1", "PROPOSE: Ugyldig tall: 12a"},
      {"+5 1", "PROPOSE: Ugyldig tall: +5"},
      {"99999999999999999999999 1", "PROPOSE: Ugyldig tall: 99999999999999999999999"},
      {" 1", "PROPOSE: Ugyldig tall: "},
      {"", "PROPOSE: Wrong parameters"},
      {"7", "PROPOSE: Wrong parameters"},
  };
  for (const auto& c : cases) {
    TFieldReader fields(c.Message);
    fields.SetKeyword("PROPOSE");
    fields.ReadNumber(-65535, 65535);
    EXPECT_EQ(fields.ReadNumber(-65535, 65535), 0) << c.Message;
    EXPECT_EQ(fields.ReadWord(), "");
    EXPECT_EQ(fields.ReadText(10), "");
    EXPECT_FALSE(fields.Ok());
    EXPECT_EQ(fields.Problem(), c.Problem) << c.Message;
  }
}

TEST(FieldReader, LabelsMustMatchExactly) {
  TFieldReader fields("id 3");
  fields.SetKeyword("LEFT");
  fields.ExpectLabel("ID");
  EXPECT_EQ(fields.Problem(), "LEFT: Wrong parameters");
}

TEST(FieldReader, CapsAndCleansWhatItShows) {
  // The reader keeps a view of the message, so the message must outlive it.
  const std::string tooLong(TFieldReader::MaxWordBytes + 1, 'a');
  TFieldReader words(tooLong);
  words.SetKeyword("ENTERED");
  EXPECT_EQ(words.ReadWord(), "");
  EXPECT_EQ(words.Problem(), "ENTERED: Feltet er for langt");

  const std::string controlsAndDigits = "\x01\x7F" + std::string(200, '9');
  TFieldReader number(controlsAndDigits);
  number.SetKeyword("LEFT");
  number.ReadNumber(0, 10);
  EXPECT_EQ(number.Problem(), "LEFT: Ugyldig tall: " + std::string(TFieldReader::MaxWordBytes, '9'));

  TFieldReader text("a\r\nb\tc de");
  EXPECT_EQ(text.ReadText(4), "abc ");
}

}  // namespace
}  // namespace fjordheim
