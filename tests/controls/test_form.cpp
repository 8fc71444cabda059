#include "controls/label.h"
#include "controls/textbox.h"
#include "platform/windowhandles.h"
#include "testform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(Form, IsAFixedSizeFramelessWindowWithOneHandleLoadedOnceBeforeItShows)
{
    TestForm form(testDesign({}));
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.size(), QSize(200, 150));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable by the user";
    const win32::HWND handle = form.hwnd();
    EXPECT_EQ(form.loads, 0);
    showAndWait(form);
    form.hide();
    form.show();
    form.load();
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.hwnd(), handle);
    EXPECT_EQ(WindowHandles::widgetOf(handle), &form);
}

TEST(Form, ScreenReadersHearNamesAndRolesFromTheDesignOrTheCaptions)
{
    FormDesign design = testDesign({
        {.layer = 1, .name = "Go", .box = {0, 0, 50, 20},
         .look = LabelDesign{.caption = "&Go", .access = {"Start", QAccessible::Button}}},
        {.layer = 2, .name = "Plain", .box = {0, 30, 90, 20}, .look = LabelDesign{.caption = "   Save && &quit"}},
        {.layer = 3, .name = "Box", .box = {0, 60, 50, 20}, .look = TextBoxDesign{.access = {"Message"}}},
    });
    design.accessibleName = "Spoken";
    TestForm form(design);
    const auto accessible = [&form](const QString& name) {
        return QAccessible::queryAccessibleInterface(name.isEmpty() ? &form : form.findChild<QWidget*>(name));
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
