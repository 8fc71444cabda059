#include "controls/image.h"
#include "controls/label.h"
#include "testform.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// A label over an image, partly overlapping it, and a hidden image over both; listed so
// that the order of the list puts them the other way up.
//   lower image: (10, 10)-(69, 69)      upper label: (40, 40)-(99, 99)
//   hidden image: (0, 0)-(199, 149)
struct Window {
    TestForm form{{
        {.layer = 1, .name = "Hidden", .box = {0, 0, 200, 150}, .look = ImageDesign{.visible = false}},
        {.layer = 2, .name = "Upper", .box = {40, 40, 60, 60}, .look = LabelDesign{.caption = "&Upper"}},
        {.layer = 3, .name = "Lower", .box = {10, 10, 60, 60}, .look = ImageDesign{}},
    }};
    Image* lower = form.element<Image>("Lower");
    Label* upper = form.element<Label>("Upper");
    Log lowerLog, upperLog;

    Window()
    {
        recordMouse(lower, lowerLog);
        recordMouse(upper, upperLog);
        form.showAndWait();
    }

    QWindow* window() { return form.windowHandle(); }
};

const QPoint InUpper{80, 80};
const QPoint InLowerOnly{20, 20};
const QPoint InBoth{50, 50};

// The upper element takes the press where two overlap, the release goes to the element that
// got the press, and Click follows only a release over it with the left or right button.
TEST(MouseEvents, PressAndReleaseGiveDownUpAndClickToTheUpperElement)
{
    const struct { Qt::MouseButton button; Qt::KeyboardModifiers modifiers; QPoint press, release; Log upper, lower; } cases[] = {
        {Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, InUpper, InUpper,
            {"Down 2 7", "Up 2 7", "Click"}, {}},
        {Qt::MiddleButton, {}, InUpper, InUpper, {"Down 4 0", "Up 4 0"}, {}},
        {Qt::LeftButton, {}, InBoth, InBoth, {"Down 1 0", "Up 1 0", "Click"}, {}},
        {Qt::LeftButton, {}, InUpper, InLowerOnly, {"Down 1 0", "Up 1 0"}, {}},
        {Qt::RightButton, {}, InUpper, {500, 500}, {"Down 2 0", "Up 2 0"}, {}}, // outside the window
        {Qt::LeftButton, {}, InLowerOnly, InLowerOnly, {}, {"Down 1 0", "Up 1 0", "Click"}}, // the hidden one takes none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.button) + " from " + std::to_string(c.press.x()) + " to " + std::to_string(c.release.x()));
        Window w;
        QTest::mousePress(w.window(), c.button, c.modifiers, c.press);
        QTest::mouseRelease(w.window(), c.button, c.modifiers, c.release);
        EXPECT_EQ(w.upperLog, c.upper);
        EXPECT_EQ(w.lowerLog, c.lower);
    }
}

} // namespace
