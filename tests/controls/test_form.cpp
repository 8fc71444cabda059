#include "testform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(Form, IsAFixedSizeFramelessWindowLoadedOnceWhenAsked)
{
    TestForm form({});
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(200, 150));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable by the user";
    showAndWait(form);
    EXPECT_EQ(form.loads, 0) << "showing does not load";
    form.load();
    form.load();
    EXPECT_EQ(form.loads, 1);
}

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

TEST(Form, ScreenReadersHearNamesAndRolesFromTheDesignOrTheCaptions)
{
    TestForm form({
        {.layer = 1, .name = "Go", .box = {0, 0, 50, 20},
         .look = LabelDesign{.caption = "&Go", .access = {"Start", QAccessible::Button}}},
        {.layer = 2, .name = "Plain", .box = {0, 30, 90, 20}, .look = LabelDesign{.caption = "   Save && &quit"}},
        {.layer = 3, .name = "Box", .box = {0, 60, 50, 20}, .look = TextBoxDesign{.access = {"Message"}}},
    }, {.caption = "Test", .accessibleName = "Spoken", .size = {200, 150}});
    const auto accessible = [&form](const QString& name) {
        return QAccessible::queryAccessibleInterface(name.isEmpty() ? static_cast<QWidget*>(&form) : form.element<QWidget>(name));
    };
    EXPECT_EQ(accessible("")->text(QAccessible::Name), "Spoken");
    EXPECT_EQ(form.windowTitle(), "Test");
    EXPECT_EQ(accessible("Go")->role(), QAccessible::Button);
    EXPECT_EQ(accessible("Go")->text(QAccessible::Name), "Start");
    QSignalSpy clicks(form.element<Label>("Go"), &Label::Click);
    accessible("Go")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(accessible("Plain")->role(), QAccessible::StaticText);
    EXPECT_EQ(accessible("Plain")->text(QAccessible::Name), "Save & quit");
    form.element<Label>("Plain")->setCaption("12:30:05");
    EXPECT_EQ(accessible("Plain")->text(QAccessible::Name), "12:30:05");
    EXPECT_EQ(accessible("Box")->role(), QAccessible::EditableText);
    EXPECT_EQ(accessible("Box")->text(QAccessible::Name), "Message");
}

} // namespace
