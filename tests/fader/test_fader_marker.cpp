// The marker label that shows a Fader on a design surface.
#include "faderfixture.h"

#include <QTest>

TEST_F(FaderTest, MarkerIsHiddenInRunMode)
{
    Fader& f = makeFader();
    window.show();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.lbName->text(), "Name");
}

TEST_F(FaderTest, MarkerLooksAsDesigned)
{
    const QLabel* label = makeFader(Fader::HostMode::Design).lbName;
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->font().family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25);
    EXPECT_TRUE(label->font().bold());
}

TEST_F(FaderTest, MarkerShowsTheInstanceNameOncePaintedAndTheControlTakesItsSize)
{
    Fader& f = makeFader(Fader::HostMode::Design);
    EXPECT_EQ(f.lbName->text(), "Name");
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    f.repaint();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.lbName->text(), "Fader1");
    EXPECT_EQ(f.size(), f.lbName->size());
    EXPECT_EQ(f.lbName->size(), f.lbName->sizeHint());

    f.resize(150, 60);
    EXPECT_EQ(f.size(), f.lbName->size()) << "the control keeps the label's size";
}
