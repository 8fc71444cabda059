#include "testform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(Form, StacksByLayerAndOrdersTabsByTabIndexWhateverTheOrderOfTheRows)
{
    TestForm form({
        {.layer = 2, .name = "Lower", .box = {0, 0, 100, 30}, .look = TextBoxDesign{}, .tabIndex = 0},
        {.layer = 1, .name = "Upper", .box = {0, 0, 100, 30}, .look = TextBoxDesign{}, .tabIndex = 2},
        {.layer = 3, .name = "Apart", .box = {0, 50, 100, 30}, .look = TextBoxDesign{}, .tabIndex = 1},
    });
    EXPECT_EQ(form.childAt(10, 10), form.element<TextBox>("Upper"));
    EXPECT_EQ(form.element<TextBox>("Lower")->nextInFocusChain(), form.element<TextBox>("Apart"));
    EXPECT_EQ(form.element<TextBox>("Apart")->nextInFocusChain(), form.element<TextBox>("Upper"));
}

// A name and role from the design, or else the caption as static text without its "&" marks.
TEST(Form, ScreenReadersHearNamesAndRolesFromTheDesignOrTheCaptions)
{
    TestForm form({
        {.layer = 1, .name = "Go", .box = {0, 0, 50, 20},
            .look = LabelDesign{.caption = "&Go", .access = {"Start", QAccessible::Button}}},
        {.layer = 2, .name = "Plain", .box = {0, 30, 90, 20}, .look = LabelDesign{.caption = "   Save && &quit"}},
    }, {.accessibleName = "Spoken", .size = {200, 150}});
    const auto accessible = [&form](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget); };
    EXPECT_EQ(accessible(&form)->text(QAccessible::Name), "Spoken");
    QAccessibleInterface* go = accessible(form.element<Label>("Go"));
    EXPECT_EQ(go->role(), QAccessible::Button);
    EXPECT_EQ(go->text(QAccessible::Name), "Start");
    QSignalSpy clicks(form.element<Label>("Go"), &Label::Click);
    go->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    QAccessibleInterface* plain = accessible(form.element<Label>("Plain"));
    EXPECT_EQ(plain->role(), QAccessible::StaticText);
    EXPECT_EQ(plain->text(QAccessible::Name), "Save & quit");
}

} // namespace
