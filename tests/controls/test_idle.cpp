// While nobody types, the focused text box's caret rests: the application's flash time is 0.
#include "controls/textbox.h"
#include "testform.h"

#include <QApplication>
#include <functional>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

constexpr int FlashTime = 100;

// An active window of two boxes, "Box" with the focus, and a flash time of the test's own.
struct FocusedBox {
    struct FlashTimeForTheTest {
        int saved = QApplication::cursorFlashTime();
        FlashTimeForTheTest() { QApplication::setCursorFlashTime(FlashTime); }
        ~FlashTimeForTheTest() { QApplication::setCursorFlashTime(saved); }
    } flashTime;
    TestForm form{{
        {.layer = 1, .name = "Box", .box = {10, 10, 150, 24}, .look = TextBoxDesign{}},
        {.layer = 2, .name = "Other", .box = {10, 50, 150, 24}, .look = TextBoxDesign{}},
    }};
    TextBox* box = form.element<TextBox>("Box");
    TextBox* other = form.element<TextBox>("Other");

    FocusedBox()
    {
        box->setCaretBlinkTimeout(200ms);
        other->setCaretBlinkTimeout(200ms);
        form.showAndWait(true);
        box->setFocus();
    }

    bool waitForRest() { return QTest::qWaitFor([this] { return box->caretRests(); }, 5000); }
};

// Where the focus leaves the box, the flash time must come back: the box that gets it blinks by it.
TEST(TextBoxCaret, RestsWhileIdleAndInputOrLosingTheFocusSetsItBlinkingAgain)
{
    const std::tuple<const char*, std::function<void(FocusedBox&)>, bool> rows[] = {
        {"a key", [](FocusedBox& t) { QTest::keyClick(t.box, Qt::Key_A); }, true},
        {"a key that moves the caret", [](FocusedBox& t) { QTest::keyClick(t.box, Qt::Key_Home); }, true},
        {"a right-button press", [](FocusedBox& t) { QTest::mousePress(t.box, Qt::RightButton); }, true},
        {"a new text from the program", [](FocusedBox& t) { t.box->setText("translated"); }, true},
        {"another box takes the focus", [](FocusedBox& t) { t.other->setFocus(); }, false},
        {"another window becomes active", [](FocusedBox&) { TestForm({}).showAndWait(true); }, false},
        {"the box is disabled", [](FocusedBox& t) { t.box->setEnabled(false); }, false},
        {"the box is destroyed", [](FocusedBox& t) { delete t.box; }, false},
    };
    for (const auto& [input, give, keepsFocus] : rows) {
        SCOPED_TRACE(input);
        FocusedBox t;
        t.box->setText("some words");
        ASSERT_TRUE(t.waitForRest());
        EXPECT_EQ(QApplication::cursorFlashTime(), 0);
        EXPECT_FALSE(t.other->caretRests()) << "only the box with the focus rests its caret";
        give(t);
        EXPECT_EQ(QApplication::cursorFlashTime(), FlashTime);
        if (keepsFocus) {
            EXPECT_TRUE(t.waitForRest()) << "and it comes to rest again after the next quiet spell";
        }
    }
}

} // namespace
