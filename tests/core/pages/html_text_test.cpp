#include "core/pages/html_text.h"

#include <gtest/gtest.h>

#include <string>

namespace fjordheim {
namespace {

TEST(DeclaresCharset, AMetaTagOrAByteOrderMarkDeclaresAndNothingElseDoes) {
  EXPECT_TRUE(DeclaresCharset("<html><head><META http-equiv=\"Content-Type\" content=\"text/html; CHARSET=utf-8\">"));
  EXPECT_TRUE(DeclaresCharset("<html><head><meta charset=\"windows-1252\"></head><body>x</body>"));
  EXPECT_TRUE(DeclaresCharset("\xEF\xBB\xBF<html><body>bl\xC3\xA5</body>"));
  EXPECT_TRUE(DeclaresCharset(std::string("\xFF\xFE<\0h\0", 6)));

  EXPECT_FALSE(DeclaresCharset(""));
  EXPECT_FALSE(DeclaresCharset("<html><head><title>Gr\xF8t</title></head><body><p>bl\xE5</p></body></html>"));
  // The word in the text of the page, or a meta tag about something else, says nothing.
  EXPECT_FALSE(DeclaresCharset("<html><body><p>charset</p><meta charset=\"utf-8\"></body>"));
  EXPECT_FALSE(DeclaresCharset("<html><head><meta name=\"author\" content=\"Ragnhild\"></head><body>charset</body>"));
  EXPECT_FALSE(DeclaresCharset("<meta name=\"x\""));
}

}  // namespace
}  // namespace fjordheim
