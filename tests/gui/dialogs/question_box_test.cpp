#include "gui/dialogs/question_box.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

#include "tests/gui/support/modal_script.h"

namespace fjordheim {
namespace {

QPushButton* ButtonReading(QWidget* box, const QString& text) {
  for (QPushButton* button : box->findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST(QuestionBox, AsksInNorwegianAndOnlyJaMeansYes) {
  TModalScript script({[](QWidget* box) {
                         EXPECT_EQ(box->windowTitle(), QString::fromUtf8("Spør"));
                         ASSERT_NE(ButtonReading(box, "Nei"), nullptr);
                         ButtonReading(box, "Ja")->click();
                       },
                       [](QWidget* box) { ButtonReading(box, "Nei")->click(); },
                       [](QWidget* box) { static_cast<QMessageBox*>(box)->close(); }});
  EXPECT_TRUE(AskYesNo(nullptr, "Vil du bruke den hjemmesiden?"));
  EXPECT_FALSE(AskYesNo(nullptr, "Vil du bruke den hjemmesiden?"));
  EXPECT_FALSE(AskYesNo(nullptr, "Vil du bruke den hjemmesiden?"));
  EXPECT_TRUE(script.Done());
}

}  // namespace
}  // namespace fjordheim
