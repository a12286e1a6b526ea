#include "gui/dialogs/intro_form.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>

#include "core/common/message_sink.h"
#include "gui/controls/picture_loader.h"

namespace fjordheim {
namespace {

// A child types the name and presses Enter: that is one step, to the face page, and
// never on past it.
TEST(IntroForm, EnterAfterTheNameLeadsToTheFacePageOnly) {
  TCollectingMessageSink sink;
  TPictureLoader pictures(&sink);
  TIntroForm form("/nonexistent/", pictures, sink);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  form.NameEdit->setFocus();
  QTest::keyClick(form.NameEdit, Qt::Key_Return);
  EXPECT_EQ(form.PageIndex(), 0);
  QTest::keyClicks(form.NameEdit, "Magnus");
  QTest::keyClick(form.NameEdit, Qt::Key_Return);
  EXPECT_EQ(form.PageIndex(), 1);
  EXPECT_EQ(form.ChiefName(), "Magnus");
}

}  // namespace
}  // namespace fjordheim
