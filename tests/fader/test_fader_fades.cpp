// The alpha levels that fades apply to the parent window, and the events they raise.
#include "faderfixture.h"

// The first fade-in climbs from 5 by the speed and a full opacity leaves an ordinary window; a
// fade-out layers it again and leaves 1, where the next fade-in starts.
TEST_F(FaderTest, FadeInFromFiveThenOutToOneAndInAgainFromThere)
{
    for (const auto& [speed, last] : {std::pair{4, 253}, {2, 255}}) {
        SCOPED_TRACE(speed);
        Fader& f = loadedFader({{"fadeinspeed", speed}, {"fadeoutspeed", speed}});
        forgetCalls();
        f.FadeIn();
        EXPECT_EQ(alphas(), levels(5, last, speed));
        EXPECT_FALSE(layered());
        EXPECT_EQ(events(), Events(1, 0));
        forgetCalls();
        f.FadeOut();
        EXPECT_TRUE(layered());
        EXPECT_EQ(alphas(), levels(last, 1, -speed));
        EXPECT_EQ(events(), Events(0, 1));
        forgetCalls();
        f.FadeIn();
        EXPECT_EQ(alphas(), levels(1, last, speed));
    }
}

// Lowering to 50% stops at the last level not below 128; a FadeIn from above that target
// applies nothing and steps back; raising to 100% climbs from there.
TEST_F(FaderTest, OpacityDownToFiftyAndBackUpFadesWithOneEventEach)
{
    Fader& f = loadedFader();
    f.FadeIn();
    std::vector<bool> changingSeen;
    platform.onDoEvents = [&] { changingSeen.push_back(f.OpacityChanging()); };
    forgetCalls();
    f.setOpacity(50);
    EXPECT_EQ(alphas(), levels(253, 129, -4));
    EXPECT_TRUE(layered());
    EXPECT_EQ(events(), Events(0, 1));
    EXPECT_EQ(changingSeen, std::vector<bool>(alphas().size(), true));
    EXPECT_FALSE(f.OpacityChanging());
    f.FadeIn();
    EXPECT_EQ(f.CurrentAlpha(), 125);
    forgetCalls();
    f.setOpacity(100);
    EXPECT_EQ(alphas(), levels(125, 253, 4));
    EXPECT_FALSE(layered());
    EXPECT_EQ(events(), Events(1, 0));
}

// A close halfway through the fade-in: the fade-out starts from the level reached and leaves 1;
// the fade-in goes on from there with its own target and step, whatever speed is set meanwhile.
TEST_F(FaderTest, AFadeStartedInsideAStepSharesTheCurrentAlpha)
{
    Fader& f = loadedFader();
    forgetCalls();
    bool nested = false;
    platform.onDoEvents = [&] {
        if (!nested && f.CurrentAlpha() == 101) {
            nested = true;
            f.FadeOut();
            f.setFadeInSpeed(8);
        }
    };
    f.FadeIn();
    EXPECT_EQ(alphas(), levels(5, 253, 4, levels(101, 1, -4, levels(5, 101, 4))));
    EXPECT_EQ(f.CurrentAlpha(), 257 - 8) << "the speed set meanwhile counts for the final correction";
    EXPECT_EQ(events(), Events(1, 1));
}
