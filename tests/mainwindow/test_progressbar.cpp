#include "mainwindow/ccrpprogressbar.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

const QColor WindowColor(212, 208, 200);
const QColor BarColor(10, 36, 106);

// The share of the bar's inner row that shows the bar colour.
double filledShare(ccrpProgressBar& bar)
{
    const QImage shot = bar.grab().toImage();
    const int y = bar.height() / 2;
    int filled = 0;
    for (int x = 1; x < bar.width() - 1; ++x)
        filled += shot.pixelColor(x, y) == BarColor;
    return double(filled) / (bar.width() - 2);
}

TEST(ProgressBar, IsEmptyAtZeroAndFullAtAHundred)
{
    QWidget window;
    ccrpProgressBar bar(&window, WindowColor, QFont());
    bar.setGeometry(0, 0, 281, 9);
    window.show();
    EXPECT_EQ(bar.value(), 0) << "the default value";
    EXPECT_EQ(filledShare(bar), 0.0);
    EXPECT_EQ(bar.grab().toImage().pixelColor(140, 4), WindowColor) << "the stored background";

    const struct {
        int set;
        int value;
        double share;
    } cases[] = {{100, 100, 1.0}, {50, 50, 0.5}, {0, 0, 0.0}, {250, 100, 1.0}, {-3, 0, 0.0}};
    for (const auto& c : cases) {
        bar.setValue(c.set);
        EXPECT_EQ(bar.value(), c.value) << c.set;
        EXPECT_NEAR(filledShare(bar), c.share, 0.01) << c.set;
    }
}

} // namespace
