#include "controls/image.h"
#include "controls/label.h"
#include "testform.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// A label over an image, partly overlapping it, and a hidden image over both.
//   lower image: (10, 10)-(69, 69)      upper label: (40, 40)-(99, 99)
//   hidden image: (0, 0)-(199, 149)
FormDesign overlapping()
{
    return testDesign({
        {.layer = 3, .name = "Lower", .box = {10, 10, 60, 60}, .look = ImageDesign{}},
        {.layer = 2, .name = "Upper", .box = {40, 40, 60, 60}, .look = LabelDesign{.caption = "&Upper"}},
        {.layer = 1, .name = "Hidden", .box = {0, 0, 200, 150}, .look = ImageDesign{.visible = false}},
    });
}

struct Window {
    TestForm form{overlapping()};
    Image* lower = form.element<Image>("Lower");
    Label* upper = form.element<Label>("Upper");
    Log lowerLog;
    Log upperLog;

    Window()
    {
        recordMouse(lower, lowerLog);
        recordMouse(upper, upperLog);
        showAndWait(form);
    }

    QWindow* window() { return form.windowHandle(); }
};

const QPoint InUpper{80, 80};
const QPoint InLowerOnly{20, 20};
const QPoint InBoth{50, 50};
const QPoint InNeither{150, 20};

TEST(MouseEvents, PressAndReleaseGiveDownUpAndClickForLeftAndRightOnly)
{
    const struct {
        const char* name;
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        QPoint release;
        Log expected;
    } cases[] = {
        {"left, released inside", Qt::LeftButton, {}, InUpper, {"Down 1 0", "Up 1 0", "Click"}},
        {"right, released inside", Qt::RightButton, {}, InUpper, {"Down 2 0", "Up 2 0", "Click"}},
        {"middle, released inside", Qt::MiddleButton, {}, InUpper, {"Down 4 0", "Up 4 0"}},
        {"left, released outside", Qt::LeftButton, {}, InNeither, {"Down 1 0", "Up 1 0"}},
        {"right, released outside the window", Qt::RightButton, {}, {500, 500}, {"Down 2 0", "Up 2 0"}},
        {"shift and ctrl", Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, InUpper,
            {"Down 1 3", "Up 1 3", "Click"}},
        {"alt", Qt::RightButton, Qt::AltModifier, InUpper, {"Down 2 4", "Up 2 4", "Click"}},
    };
    for (const auto& c : cases) {
        Window w;
        QTest::mousePress(w.window(), c.button, c.modifiers, InUpper);
        QTest::mouseRelease(w.window(), c.button, c.modifiers, c.release);
        EXPECT_EQ(w.upperLog, c.expected) << c.name;
        EXPECT_TRUE(w.lowerLog.empty()) << c.name << ": the release went to the element that got the press";
    }
}

TEST(MouseEvents, SecondPressOfADoubleClickComesAsDblClick)
{
    Window w;
    QTest::mouseDClick(w.window(), Qt::LeftButton, {}, InUpper);
    EXPECT_EQ(w.upperLog, (Log{"Down 1 0", "Up 1 0", "Click", "DblClick", "Up 1 0"}));
}

TEST(MouseEvents, AClickAfterADoubleClickIsAnOrdinaryClick)
{
    Window w;
    QTest::mouseDClick(w.window(), Qt::LeftButton, {}, InUpper);
    w.upperLog.clear();
    QTest::mouseClick(w.window(), Qt::LeftButton, {}, InUpper);
    EXPECT_EQ(w.upperLog, (Log{"Down 1 0", "Up 1 0", "Click"}));
}

TEST(MouseEvents, ADoubleClickWhoseFirstPressWentElsewhereIsAPress)
{
    Window w;
    QTest::mouseClick(w.window(), Qt::LeftButton, {}, InLowerOnly);
    // The second press reaches another element as Qt's double-click event.
    QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(40, 40), QPointF(40, 40), QPointF(), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(40, 40), QPointF(40, 40), QPointF(), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.upper, &second);
    QCoreApplication::sendEvent(w.upper, &release);
    EXPECT_EQ(w.upperLog, (Log{"Down 1 0", "Up 1 0", "Click"}));
}

TEST(MouseEvents, MiddleDoubleClickIsTwoPlainPresses)
{
    Window w;
    QTest::mouseDClick(w.window(), Qt::MiddleButton, {}, InUpper);
    EXPECT_EQ(w.upperLog, (Log{"Down 4 0", "Up 4 0", "Down 4 0", "Up 4 0"}));
}

TEST(MouseEvents, TheUpperOfTwoOverlappingElementsTakesTheMouse)
{
    const struct {
        QPoint at;
        bool upperClicked;
        bool lowerClicked;
    } cases[] = {
        {InBoth, true, false},
        {InUpper, true, false},
        {InLowerOnly, false, true}, // the hidden element on top takes nothing
        {InNeither, false, false},
    };
    for (const auto& c : cases) {
        Window w;
        QTest::mouseClick(w.window(), Qt::LeftButton, {}, c.at);
        const auto clicked = [](const Log& log) { return std::find(log.begin(), log.end(), "Click") != log.end(); };
        EXPECT_EQ(clicked(w.upperLog), c.upperClicked) << c.at.x() << "," << c.at.y();
        EXPECT_EQ(clicked(w.lowerLog), c.lowerClicked) << c.at.x() << "," << c.at.y();
    }
}

TEST(MouseEvents, PositionIsInTheElementsOwnPixels)
{
    Window w;
    QPoint down;
    QPoint up;
    QObject::connect(w.upper, &Label::MouseDown, [&](int, int, QPoint p) { down = p; });
    QObject::connect(w.upper, &Label::MouseUp, [&](int, int, QPoint p) { up = p; });
    QTest::mousePress(w.window(), Qt::LeftButton, {}, {45, 47});
    QTest::mouseRelease(w.window(), Qt::LeftButton, {}, {30, 20});
    EXPECT_EQ(down, QPoint(5, 7));
    EXPECT_EQ(up, QPoint(-10, -20));
}

TEST(MouseEvents, ClickIsJudgedByWhereTheReleaseWasEvenIfMouseUpResizesTheElement)
{
    Window w;
    QObject::connect(w.lower, &Image::MouseUp, [&](int, int, QPoint) {
        QPixmap tiny(1, 1);
        w.lower->setPicture(tiny);
    });
    QTest::mouseClick(w.window(), Qt::LeftButton, {}, InLowerOnly);
    EXPECT_EQ(w.lowerLog, (Log{"Down 1 0", "Up 1 0", "Click"}));
}

} // namespace
