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

TEST(Form2Layout, ElementsLieInTheirBoxesStackedByLayer)
{
    AboutFixture f;
    Form2 form(f.platform, f.folder.path());
    const struct {
        QWidget* element;
        QRect box;
    } layers[] = {
        {form.Image1, {232, 168, 48, 48}},
        {form.Label5, {80, 144, 169, 17}},
        {form.LblAdd, {32, 192, 97, 17}},
        {form.LblComm, {24, 112, 265, 17}},
        {form.LblPrgInfo, {16, 48, 281, 57}},
        {form.LblVers, {104, 24, 121, 17}},
        {form.invup, {8, 184, 89, 25}},
        {form.invdown, {208, 184, 97, 25}},
        {form.imgTop, {0, 0, 297, 17}},
        {form.imgX, {296, 0, 17, 17}},
        {form.imgLeft, {0, 16, 5, 201}},
        {form.imgRight, {307, 16, 5, 201}},
        {form.imgBottom, {0, 224, 313, 9}},
        {form.Label4, {0, 0, 297, 17}},
        {form.lblLink, {16, 208, 137, 17}},
    };
    qsizetype above = form.children().size();
    for (const auto& layer : layers) {
        const std::string name = layer.element->objectName().toStdString();
        EXPECT_EQ(layer.element->geometry(), layer.box) << name;
        const qsizetype stackIndex = form.children().indexOf(layer.element);
        EXPECT_LT(stackIndex, above) << name << " lies under the layer above it";
        above = stackIndex;
    }
    EXPECT_EQ(form.childAt(100, 8), form.imgTop) << "the title label lies under the title picture";
}

TEST(Form2Layout, LabelsCarryTheirCaptionsFontsAndColours)
{
    AboutFixture f;
    Form2 form(f.platform, f.folder.path());
    const QColor window = SystemColor(COLOR_INACTIVECAPTIONTEXT);
    const QColor transparent;
    const QString welcome = "Welcome and Thank You for using the Verbolet. This program, developed by "
        + Organisation::Author
        + ", is designed to help IM users such as yourself, understand the many acronyms used while chatting. ";
    const struct {
        Label* label;
        QString caption;
        int pixelSize;
        bool bold;
        bool underline;
        QColor text;
        QColor back;
        Qt::Alignment alignment;
    } cases[] = {
        {form.Label5, Organisation::SupportMail, 12, false, false, SystemColor(COLOR_HIGHLIGHT), transparent,
            Qt::AlignLeft},
        {form.LblAdd, "Or visit our website:", 11, false, false, SystemColor(COLOR_BACKGROUND), window,
            Qt::AlignLeft},
        {form.LblComm, "Questions or comments? Click the email address below:", 11, false, false,
            SystemColor(COLOR_BACKGROUND), window, Qt::AlignLeft},
        {form.LblPrgInfo, welcome, 11, false, false, SystemColor(COLOR_BTNTEXT), window, Qt::AlignLeft},
        {form.LblVers, "Verbolet  v1.2.1", 11, false, false, SystemColor(COLOR_BACKGROUND), window, Qt::AlignLeft},
        {form.Label4, "         ..:: Verbolet ::..", 11, true, false, SystemColor(COLOR_BTNTEXT), transparent,
            Qt::AlignHCenter},
        {form.lblLink, "verbolet.example.org", 11, false, true, SystemColor(COLOR_HIGHLIGHT), window,
            Qt::AlignLeft},
    };
    for (const auto& c : cases) {
        const std::string name = c.label->objectName().toStdString();
        EXPECT_EQ(c.label->caption(), c.caption) << name;
        EXPECT_EQ(QFontInfo(c.label->font()).pixelSize(), c.pixelSize) << name;
        EXPECT_EQ(c.label->font().bold(), c.bold) << name;
        EXPECT_EQ(c.label->font().underline(), c.underline) << name;
        EXPECT_EQ(c.label->foreColor(), c.text) << name;
        EXPECT_EQ(c.label->backColor(), c.back) << name;
        EXPECT_EQ(c.label->alignment(), c.alignment) << name;
    }
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
