#include "gui/dialogs/first_decision_form.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/common/message_sink.h"
#include "gui/controls/picture_loader.h"
#include "tests/gui/screenshot.h"

namespace fjordheim {
namespace {

std::string BuiltPictures() {
  return QDir(QCoreApplication::applicationDirPath() + "/../../game/Bilder").absolutePath().toStdString() + "/";
}

// Each answer's button carries its number, and the number key chooses that answer.
TEST(FirstDecisionForm, TheButtonsAreNumberedAndTheNumberKeysChoose) {
  TCollectingMessageSink sink;
  TPictureLoader pictures(&sink);
  TFirstDecisionForm form(BuiltPictures(), pictures,
                          {"Jeg samler byrådet.", "Jeg drar på tokt med alle mennene.", "Jeg sover til våren."});
  for (int i = 0; i < 3; ++i) EXPECT_EQ(form.Buttons[static_cast<std::size_t>(i)]->text(), QString::number(i + 1));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  SaveScreenshot(form, "first_decision");
  QTimer::singleShot(0, &form, [&form] { QTest::keyClick(&form, Qt::Key_2); });
  EXPECT_EQ(form.exec(), TFirstDecisionForm::FirstResult + 1);
  QTimer::singleShot(0, &form, [&form] { form.Buttons[2]->click(); });
  EXPECT_EQ(form.exec(), TFirstDecisionForm::FirstResult + 2);
}

}  // namespace
}  // namespace fjordheim
