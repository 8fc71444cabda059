#include "controls/image.h"
#include "controls/label.h"
#include "controls/textbox.h"
#include "platform/windowhandles.h"
#include "testform.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(Form, StacksElementsByLayerWhateverTheirOrderInTheTable)
{
    TestForm form(testDesign({
        {.layer = 1, .name = "Top", .box = {0, 0, 50, 50}, .look = ImageDesign{}},
        {.layer = 3, .name = "Bottom", .box = {0, 0, 50, 50}, .look = ImageDesign{}},
        {.layer = 2, .name = "Middle", .box = {0, 0, 50, 50}, .look = LabelDesign{}},
    }));
    EXPECT_EQ(form.childAt(10, 10), form.element<Image>("Top"));
    form.element<Image>("Top")->hide();
    EXPECT_EQ(form.childAt(10, 10), form.element<Label>("Middle"));
    form.element<Label>("Middle")->hide();
    EXPECT_EQ(form.childAt(10, 10), form.element<Image>("Bottom"));
}

TEST(Form, IsAFramelessWindowOfItsDesignedSize)
{
    TestForm form(testDesign({}));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form.isWindow());
    EXPECT_EQ(form.size(), QSize(200, 150));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable by the user";
    EXPECT_EQ(form.windowTitle(), "Test");
}

TEST(Form, LoadRunsOnceAndBeforeTheFirstShowing)
{
    TestForm form(testDesign({}));
    EXPECT_EQ(form.loads, 0);
    form.show();
    EXPECT_EQ(form.loads, 1);
    form.hide();
    form.show();
    form.load();
    EXPECT_EQ(form.loads, 1);
}

TEST(Form, ActivateRunsEachTimeTheWindowBecomesActive)
{
    TestForm first(testDesign({}));
    TestForm second(testDesign({}));
    showAndWait(first);
    showAndWait(second);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    first.activations = second.activations = 0;
    for (TestForm* form : {&first, &second, &first}) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    }
    EXPECT_EQ(first.activations, 2);
    EXPECT_EQ(second.activations, 1);
}

TEST(Form, TabMovesThroughTheDesignedOrderSkippingDisabledBoxes)
{
    const auto box = [](bool enabled) { return TextBoxDesign{.enabled = enabled}; };
    TestForm form(testDesign(
        {
            {.layer = 1, .name = "A", .box = {0, 0, 50, 20}, .look = box(true)},
            {.layer = 2, .name = "B", .box = {0, 30, 50, 20}, .look = box(true)},
            {.layer = 3, .name = "C", .box = {0, 60, 50, 20}, .look = box(false)},
            {.layer = 4, .name = "D", .box = {0, 90, 50, 20}, .look = box(true)},
        },
        {"D", "C", "B", "A"}));
    showAndWait(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.element<TextBox>("D")) << "the focus starts at the first in order";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.element<TextBox>("B"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form.element<TextBox>("A"));
}

TEST(Form, ElementsAreFoundByNameAndKind)
{
    TestForm form(testDesign({{.layer = 1, .name = "Label1", .box = {0, 0, 5, 5}, .look = LabelDesign{}}}));
    EXPECT_EQ(form.element<Label>("Label1")->objectName(), "Label1");
    EXPECT_THROW(form.element<Image>("Label1"), std::logic_error);
    EXPECT_THROW(form.element<Label>("Label2"), std::logic_error);
}

TEST(Form, HasOneHandleForItsLife)
{
    TestForm form(testDesign({}));
    const win32::HWND handle = form.hwnd();
    EXPECT_NE(handle, 0u);
    EXPECT_EQ(form.hwnd(), handle);
    EXPECT_EQ(WindowHandles::widgetOf(handle), &form);
}

TEST(Form, AccessibleNamesAndRolesComeFromTheDesign)
{
    TestForm form(testDesign({
        {.layer = 1, .name = "Go", .box = {0, 0, 50, 20},
            .look = LabelDesign{.caption = "&Go", .access = {"Go", QAccessible::Button}}},
        {.layer = 2, .name = "Box", .box = {0, 30, 50, 20}, .look = TextBoxDesign{.access = {"Message"}}},
    }));
    QAccessibleInterface* go = QAccessible::queryAccessibleInterface(form.element<Label>("Go"));
    ASSERT_NE(go, nullptr);
    EXPECT_EQ(go->role(), QAccessible::Button);
    EXPECT_EQ(go->text(QAccessible::Name), "Go");
    QSignalSpy clicks(form.element<Label>("Go"), &Label::Click);
    go->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);

    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(form.element<TextBox>("Box"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->role(), QAccessible::EditableText);
    EXPECT_EQ(box->text(QAccessible::Name), "Message");
}

TEST(Form, ScreenReadersHearTheWindowAndTheCaptionsOfLabels)
{
    TestForm form(testDesign({
        {.layer = 1, .name = "Plain", .box = {0, 0, 90, 20}, .look = LabelDesign{.caption = "   Save && &quit"}},
        {.layer = 2, .name = "Go", .box = {0, 30, 50, 20},
            .look = LabelDesign{.caption = "&Go", .access = {"Start", QAccessible::Button}}},
    }));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Test");
    FormDesign spoken = testDesign({});
    spoken.accessibleName = "Spoken";
    TestForm named(spoken);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&named)->text(QAccessible::Name), "Spoken");
    EXPECT_EQ(named.windowTitle(), "Test");

    auto* plain = form.element<Label>("Plain");
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(plain);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::StaticText);
    EXPECT_EQ(label->text(QAccessible::Name), "Save & quit");
    plain->setCaption("12:30:05");
    EXPECT_EQ(label->text(QAccessible::Name), "12:30:05");

    // A name from the design wins over the caption.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form.element<Label>("Go"))->text(QAccessible::Name), "Start");
}

} // namespace
