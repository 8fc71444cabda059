#include "aboutfixture.h"

#include "about/organisation.h"
#include "controls/systemcolors.h"

#include <QAccessible>
#include <QFontInfo>
#include <gtest/gtest.h>

namespace {

using namespace SystemColors;

TEST(Form2Layout, IsAFramelessFixedWindowCentredOverTheMainWindowWithoutOwner)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.windowTitle(), "Form2");
    EXPECT_EQ(form.size(), QSize(313, 233));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.geometry().center(), f.mainWindow->geometry().center());
    EXPECT_EQ(form.parentWidget(), nullptr);
    EXPECT_EQ(form.windowModality(), Qt::NonModal);
    EXPECT_TRUE(f.mainWindow->isEnabled());
}

TEST(Form2Layout, TheTitlePictureLiesOverTheTitleLabel)
{
    AboutFixture f;
    Form2 form(f.platform, f.folder.path());
    EXPECT_EQ(form.childAt(100, 8), form.imgTop);
}

TEST(Form2Layout, EveryCaptionIsSeenWholeEvenInASubstituteFont)
{
    AboutFixture f;
    Form2 form(f.platform, f.folder.path());
    for (const Label* label : form.findChildren<Label*>()) {
        const QRect needed = QFontMetrics(label->drawnFont())
                                 .boundingRect(label->rect(), Qt::AlignTop | Qt::TextWordWrap, label->caption());
        EXPECT_TRUE(label->rect().contains(needed)) << label->objectName().toStdString();
    }
}

TEST(Form2Layout, TheEmblemIsStoredWithTheWindowAndTheHiddenHoldersStayHidden)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    EXPECT_EQ(form.Image1->picture().size(), QSize(48, 48));
    EXPECT_TRUE(form.Image1->isVisible());
    EXPECT_FALSE(form.invup->isVisible());
    EXPECT_FALSE(form.invdown->isVisible());
    EXPECT_FALSE(form.Fader1->isVisible());
}

TEST(Form2Layout, NoElementTakesTheKeyboardFocus)
{
    AboutFixture f;
    Form2& form = f.openAbout();
    for (const QWidget* element : form.findChildren<QWidget*>())
        EXPECT_EQ(element->focusPolicy(), Qt::NoFocus) << element->objectName().toStdString();
    EXPECT_EQ(form.focusPolicy(), Qt::NoFocus);
}

TEST(Form2Layout, ElementsThatActHaveNamesForScreenReaders)
{
    AboutFixture f;
    Form2 form(f.platform, f.folder.path());
    const struct {
        QWidget* element;
        const char* name;
        QAccessible::Role role;
    } cases[] = {
        {form.imgX, "Close", QAccessible::Button},
        {form.Label5, "Mail support", QAccessible::Link},
        {form.lblLink, "Web site", QAccessible::Link},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(c.element);
        ASSERT_NE(access, nullptr) << c.name;
        EXPECT_EQ(access->text(QAccessible::Name), c.name);
        EXPECT_EQ(access->role(), c.role) << c.name;
    }
}

TEST(Form2Layout, TheWebLinkShowsTheStoredHandAndTheMailLinkTheCursorFile)
{
    AboutFixture f;
    Form2 unloaded(f.platform, f.folder.path());
    EXPECT_EQ(unloaded.Label5->cursor().shape(), Qt::ArrowCursor) << "no pointer picture is stored for the mail link";

    Form2& form = f.openAbout();
    EXPECT_EQ(form.lblLink->cursor().hotSpot(), QPoint(13, 5));
    EXPECT_EQ(form.lblLink->cursor().pixmap().size(), QSize(32, 32));
    EXPECT_EQ(form.Label5->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(form.Label5->cursor().hotSpot(), QPoint(13, 5)) << "the delivered OpenURL.cur";
}

} // namespace
