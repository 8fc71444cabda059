#include "mainwindow/ccrpprogressbar.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(ProgressBar, FillsItsShareOfTheBarAndKeepsItsValueFromZeroToAHundred)
{
    const QColor windowColor(212, 208, 200);
    const QColor barColor(10, 36, 106);
    QWidget window;
    ccrpProgressBar bar(&window, windowColor, QFont());
    bar.setGeometry(0, 0, 281, 9);
    window.show();
    EXPECT_EQ(bar.value(), 0);

    const struct { int set, value; double share; } cases[] = {{100, 100, 1.0}, {50, 50, 0.5}, {0, 0, 0.0}, {250, 100, 1.0}, {-3, 0, 0.0}};
    for (const auto& c : cases) {
        bar.setValue(c.set);
        const QImage shot = bar.grab().toImage();
        int filled = 0; // of the inner row
        for (int x = 1; x < bar.width() - 1; ++x)
            filled += shot.pixelColor(x, bar.height() / 2) == barColor;
        EXPECT_EQ(bar.value(), c.value) << c.set;
        EXPECT_NEAR(double(filled) / (bar.width() - 2), c.share, 0.01) << c.set;
    }
}

} // namespace
