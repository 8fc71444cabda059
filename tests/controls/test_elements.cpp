#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/textbox.h"
#include "testform.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

const QColor WindowColor(212, 208, 200);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

QPixmap filled(QSize size, const QColor& color)
{
    QPixmap pixmap(size);
    pixmap.fill(color);
    return pixmap;
}

bool anyPixelOf(const QImage& image, const QRect& area, const QColor& color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

// A red picture under an opaque blue label and a transparent one, and a label whose caption
// needs two lines.
TEST(Label, UpperLabelsDrawOverThePictureOpaqueOrTransparentAndWrapAtWords)
{
    TestForm form({
        {.layer = 3, .name = "Picture", .box = {0, 0, 200, 100}, .look = ImageDesign{.stretch = true}},
        {.layer = 2, .name = "Opaque", .box = {10, 10, 60, 30}, .look = LabelDesign{.backColor = Blue}},
        {.layer = 1, .name = "Clear", .box = {100, 10, 60, 30}, .look = LabelDesign{}},
        {.layer = 4, .name = "Wrapped", .box = {10, 110, 60, 30},
         .look = LabelDesign{.caption = "one two three four five", .foreColor = Qt::black}},
    });
    form.element<Image>("Picture")->setPicture(filled({4, 4}, Red));
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(40, 25), Blue);
    EXPECT_EQ(shot.pixelColor(130, 25), Red);

    const int lineHeight = QFontMetrics(form.font()).lineSpacing();
    ASSERT_LT(lineHeight, 30) << "the box has room for part of a second line";
    const QRect secondLine(10, 110 + lineHeight, 60, std::min(lineHeight, 30 - lineHeight));
    EXPECT_TRUE(anyPixelOf(shot, secondLine, Qt::black)) << "words that do not fit the first line go on the next";
    EXPECT_FALSE(anyPixelOf(shot, QRect(71, 110, 20, 30), Qt::black)) << "nothing is drawn outside the box";
}

TEST(Label, AltWithTheAccessLetterClicksTheLabel)
{
    TestForm form({
        {.layer = 1, .name = "Go", .box = {0, 0, 50, 20}, .look = LabelDesign{.caption = "&Go"}},
        {.layer = 2, .name = "Stop", .box = {0, 30, 50, 20}, .look = LabelDesign{.caption = "&Stop"}},
    });
    QSignalSpy go(form.element<Label>("Go"), &Label::Click);
    QSignalSpy stop(form.element<Label>("Stop"), &Label::Click);
    activate(form);
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    QTest::keyClick(&form, Qt::Key_G); // without Alt it is no access key
    EXPECT_EQ(go.count(), 1);
    EXPECT_EQ(stop.count(), 0);
    form.element<Label>("Go")->setCaption("Gone");
    QTest::keyClick(&form, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(go.count(), 1) << "a caption without an ampersand has no access letter";
}

TEST(Image, UnstretchedTakesItsPicturesSizeAndStretchedKeepsItsBox)
{
    TestForm form({
        {.layer = 1, .name = "Plain", .box = {10, 20, 30, 40}, .look = ImageDesign{}},
        {.layer = 2, .name = "Stretched", .box = {100, 20, 30, 40}, .look = ImageDesign{.stretch = true}},
    });
    auto* plain = form.element<Image>("Plain");
    auto* stretched = form.element<Image>("Stretched");
    plain->setPicture(filled({7, 9}, Red));
    stretched->setPicture(filled({7, 9}, Red));
    EXPECT_EQ(plain->geometry(), QRect(10, 20, 7, 9));
    EXPECT_EQ(stretched->geometry(), QRect(100, 20, 30, 40));
    plain->setPicture(filled({50, 3}, Red));
    EXPECT_EQ(plain->geometry(), QRect(10, 20, 50, 3)) << "grows and shrinks from its top-left corner";

    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 20), Red);
    EXPECT_EQ(shot.pixelColor(129, 59), Red) << "the picture is scaled to the whole box";
    EXPECT_EQ(shot.pixelColor(130, 60), WindowColor);
}

TEST(Line, IsDrawnBetweenItsEndsAndLetsTheMouseThrough)
{
    TestForm form({
        {.layer = 2, .name = "Below", .box = {0, 0, 50, 50}, .look = ImageDesign{}},
        {.layer = 1, .name = "Line1", .look = LineDesign{.line = QLine(20, 30, 20, 0), .color = Red}},
    });
    showAndWait(form);
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 0), Red);
    EXPECT_EQ(shot.pixelColor(20, 29), Red);
    EXPECT_EQ(shot.pixelColor(21, 15), WindowColor);
    QSignalSpy clicks(form.element<Image>("Below"), &Image::Click);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, {20, 15});
    EXPECT_EQ(clicks.count(), 1);
}

// The handler sees the text as it was; then the key acts. Keys that type nothing give no KeyPress.
TEST(TextBox, KeyPressGivesTheCharacterCodeBeforeTheKeyTakesEffect)
{
    const struct {
        Qt::Key key;
        int code; // 0: no KeyPress
        QString after;
    } cases[] = {
        {Qt::Key_B, 98, "b"}, {Qt::Key_Return, 13, ""}, {Qt::Key_Enter, 13, ""},
        {Qt::Key_Backspace, 8, ""}, {Qt::Key_Escape, 27, ""}, {Qt::Key_Left, 0, ""},
    };
    for (const auto& c : cases) {
        TestForm form({{.layer = 1, .name = "Box", .box = {0, 0, 150, 25}, .look = TextBoxDesign{}}});
        auto* box = form.element<TextBox>("Box");
        box->setText("xyz");
        std::vector<int> codes;
        QString textSeen;
        QObject::connect(box, &TextBox::KeyPress, [&](int& code) {
            codes.push_back(code);
            textSeen = box->text();
            box->clear();
        });
        QTest::keyClick(box, c.key);
        EXPECT_EQ(codes, c.code ? std::vector<int>{c.code} : std::vector<int>{}) << c.key;
        EXPECT_EQ(textSeen, c.code ? "xyz" : "") << c.key;
        EXPECT_EQ(box->text(), c.code ? c.after : "xyz") << c.key;
    }
}

} // namespace
