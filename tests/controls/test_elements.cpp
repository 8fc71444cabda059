#include "controls/image.h"
#include "controls/label.h"
#include "controls/line.h"
#include "controls/textbox.h"
#include "controls/timer.h"
#include "testform.h"

#include <QSignalSpy>
#include <QTest>
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

// A red image under two labels: an opaque blue one and a transparent one.
FormDesign labelsOverAPicture()
{
    return testDesign({
        {.layer = 3, .name = "Picture", .box = {0, 0, 200, 100}, .look = ImageDesign{.stretch = true}},
        {.layer = 2, .name = "Opaque", .box = {10, 10, 60, 30},
            .look = LabelDesign{.caption = "", .foreColor = Qt::black, .backColor = Blue}},
        {.layer = 1, .name = "Clear", .box = {100, 10, 60, 30}, .look = LabelDesign{.caption = ""}},
        {.layer = 4, .name = "Wrapped", .box = {10, 110, 60, 30},
            .look = LabelDesign{.caption = "one two three four five", .foreColor = Qt::black}},
    });
}

TEST(Label, OpaqueLabelsCoverWhatLiesBelowAndTransparentOnesLetItShow)
{
    TestForm form(labelsOverAPicture());
    form.element<Image>("Picture")->setPicture(filled({4, 4}, Red));
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(40, 25), Blue);
    EXPECT_EQ(shot.pixelColor(130, 25), Red);
}

TEST(Label, CaptionWrapsAtWordsInsideItsBox)
{
    TestForm form(labelsOverAPicture());
    const QImage shot = form.grab().toImage();
    const int lineHeight = QFontMetrics(form.font()).lineSpacing();
    const QRect secondLine(10, 110 + lineHeight, 60, std::min(lineHeight, 30 - lineHeight));
    ASSERT_LT(lineHeight * 2, 30 + lineHeight) << "the box has room for part of a second line";
    EXPECT_TRUE(anyPixelOf(shot, secondLine, Qt::black)) << "words that do not fit the first line go on the next";
    EXPECT_FALSE(anyPixelOf(shot, QRect(71, 110, 20, 30), Qt::black)) << "nothing is drawn outside the box";
}

TEST(Label, AccessLetterWithAltClicksTheLabel)
{
    TestForm form(testDesign({
        {.layer = 1, .name = "Go", .box = {0, 0, 50, 20}, .look = LabelDesign{.caption = "&Go"}},
        {.layer = 2, .name = "Stop", .box = {0, 30, 50, 20}, .look = LabelDesign{.caption = "&Stop"}},
    }));
    QSignalSpy go(form.element<Label>("Go"), &Label::Click);
    QSignalSpy stop(form.element<Label>("Stop"), &Label::Click);
    showAndWait(form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
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
    TestForm form(testDesign({
        {.layer = 1, .name = "Plain", .box = {10, 20, 30, 40}, .look = ImageDesign{}},
        {.layer = 2, .name = "Stretched", .box = {100, 20, 30, 40}, .look = ImageDesign{.stretch = true}},
    }));
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
    TestForm form(testDesign({
        {.layer = 2, .name = "Below", .box = {0, 0, 50, 50}, .look = ImageDesign{}},
        {.layer = 1, .name = "Line1", .look = LineDesign{.line = QLine(20, 30, 20, 0), .color = Red}},
    }));
    showAndWait(form);
    const QImage shot = form.grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 0), Red);
    EXPECT_EQ(shot.pixelColor(20, 29), Red);
    EXPECT_EQ(shot.pixelColor(21, 15), WindowColor);

    QSignalSpy clicks(form.element<Image>("Below"), &Image::Click);
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, {20, 15});
    EXPECT_EQ(clicks.count(), 1);
}

struct TypingBox {
    TestForm form{testDesign({{.layer = 1, .name = "Box", .box = {0, 0, 150, 25},
        .look = TextBoxDesign{.backColor = Qt::white, .foreColor = Qt::black}}})};
    TextBox* box = form.element<TextBox>("Box");
    std::vector<int> codes;
};

TEST(TextBox, KeyPressGivesTheCharacterCodeBeforeTheKeyTakesEffect)
{
    const struct {
        Qt::Key key;
        char typed;
        int code;
    } cases[] = {
        {Qt::Key_B, 'b', 98},
        {Qt::Key_Return, 0, 13},
        {Qt::Key_Enter, 0, 13},
        {Qt::Key_Backspace, 0, 8},
        {Qt::Key_Escape, 0, 27},
        {Qt::Key_Left, 0, 0},
    };
    for (const auto& c : cases) {
        TypingBox t;
        t.box->setText("xyz");
        QString textSeen;
        QObject::connect(t.box, &TextBox::KeyPress, [&](int& code) {
            t.codes.push_back(code);
            textSeen = t.box->text();
            t.box->clear();
        });
        if (c.typed)
            QTest::keyClick(t.box, c.typed);
        else
            QTest::keyClick(t.box, c.key);
        if (c.code == 0) {
            EXPECT_TRUE(t.codes.empty()) << c.key;
            continue;
        }
        EXPECT_EQ(t.codes, std::vector<int>{c.code}) << c.key;
        EXPECT_EQ(textSeen, "xyz") << "the handler runs first";
        EXPECT_EQ(t.box->text(), c.typed ? QString(QChar(c.typed)) : QString()) << "then the key acts on the box";
    }
}

TEST(TextBox, AHandlerCancelsAKeyBySettingItsCodeToZero)
{
    TypingBox t;
    QObject::connect(t.box, &TextBox::KeyPress, [](int& code) {
        if (code == 'x')
            code = 0;
    });
    QTest::keyClicks(t.box, "axb");
    EXPECT_EQ(t.box->text(), "ab");
}

TEST(TextBox, HoldsTextOfAnyLength)
{
    TypingBox t;
    const QString longText(100000, QChar('w'));
    t.box->setText(longText);
    EXPECT_EQ(t.box->text().size(), longText.size());
}

TEST(Timer, TicksOnlyWithAnIntervalAndWhileEnabled)
{
    TestForm form(testDesign({{.layer = 1, .name = "Timer1", .look = TimerDesign{}}}));
    auto* timer = form.element<Timer>("Timer1");
    QSignalSpy ticks(timer, &Timer::Tick);
    EXPECT_FALSE(ticks.wait(50)) << "interval 0 at creation";
    timer->setInterval(1);
    EXPECT_TRUE(ticks.wait(1000));
    timer->setEnabled(false);
    ticks.clear();
    EXPECT_FALSE(ticks.wait(50));
}

} // namespace
