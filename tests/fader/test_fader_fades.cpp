// The alpha levels that fades apply to the parent window, and the events they raise.
#include "faderfixture.h"

TEST_F(FaderTest, FirstFadeInClimbsFromFiveByTheSpeedAndLeavesAnOrdinaryWindow)
{
    const struct {
        int speed;
        int last;
    } cases[] = {{4, 253}, {2, 255}, {8, 253}, {1, 255}};
    for (const auto& c : cases) {
        Fader& f = loadedFader({{"fadeinspeed", c.speed}});
        forgetCalls();
        f.FadeIn();
        EXPECT_EQ(alphas(), levels(5, c.last, c.speed)) << "speed " << c.speed;
        EXPECT_EQ(f.CurrentAlpha(), c.last);
        EXPECT_FALSE(layered());
        EXPECT_EQ(fadeInReady->count(), 1);
        EXPECT_EQ(events(), 1);
    }
}

TEST_F(FaderTest, EachStepAppliesThenDispatchesThenSleeps)
{
    Fader& f = loadedFader({{"fadeinspeed", 8}, {"opacity", 30}}); // level 76, as 76.5 rounds to even: 5, ... 69
    forgetCalls();
    f.FadeIn();
    std::vector<std::string> calls;
    for (const auto& call : platform.calls)
        calls.push_back(call.text());
    std::vector<std::string> expected;
    for (const int alpha : levels(5, 69, 8))
        expected.insert(expected.end(),
            {"SetLayeredWindowAttributes(window, 0, " + std::to_string(alpha) + ", 2)", "DoEvents()", "Sleep(1)"});
    EXPECT_EQ(calls, expected) << "an opacity below 100 keeps the window layered";
}

TEST_F(FaderTest, FadeOutAfterFadeInAndFadeInAgain)
{
    Fader& f = loadedFader();
    f.FadeIn();
    forgetCalls();
    f.FadeOut();
    EXPECT_EQ(platform.calls.at(1).name, "SetWindowLongA") << "layered again before the first step";
    EXPECT_EQ(alphas(), levels(253, 1, -4));
    EXPECT_EQ(f.CurrentAlpha(), 1);
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(events(), 1);
    forgetCalls();
    f.FadeIn();
    EXPECT_EQ(alphas(), levels(1, 253, 4));
    EXPECT_FALSE(layered());
    EXPECT_EQ(fadeInReady->count(), 1);
}

// Lowering to 50% stops at the last level not below 128; a FadeIn from above that target
// applies nothing and steps back; raising to 100% climbs from there; setting 100% again
// fades nothing. One event each.
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
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(events(), 1);
    EXPECT_EQ(changingSeen, std::vector<bool>(alphas().size(), true));
    EXPECT_FALSE(f.OpacityChanging());
    forgetCalls();

    f.FadeIn();
    EXPECT_TRUE(alphas().empty());
    EXPECT_EQ(f.CurrentAlpha(), 125);
    EXPECT_TRUE(layered());
    EXPECT_EQ(fadeInReady->count(), 1);
    forgetCalls();

    f.setOpacity(100);
    EXPECT_EQ(alphas(), levels(125, 253, 4));
    EXPECT_FALSE(layered());
    EXPECT_EQ(fadeInReady->count(), 1);
    EXPECT_EQ(events(), 1);
    forgetCalls();

    f.setOpacity(100); // unchanged
    EXPECT_TRUE(alphas().empty());
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(events(), 1);
}

TEST_F(FaderTest, DisabledFadesJumpAtOnceWithoutEvents)
{
    Fader& f = loadedFader();
    f.setEnabled(false);
    forgetCalls();
    f.FadeIn();
    f.FadeOut();
    EXPECT_EQ(alphas(), (std::vector<int>{255, 0}));
    EXPECT_EQ(events(), 0);
    forgetCalls();
    f.setOpacity(50);
    f.setOpacity(80);
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(fadeInReady->count(), 1);
    EXPECT_TRUE(alphas().empty());
}

// Say the close button is clicked halfway through the fade-in: the fade-out starts from the
// level reached and leaves 1 behind; the fade-in then goes on from there with its own
// target and step, which a speed set meanwhile does not change.
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
    EXPECT_FALSE(layered());
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(fadeInReady->count(), 1);
}

TEST_F(FaderTest, AlphasBeyondTheByteAreClampedButCurrentAlphaKeepsItsValue)
{
    Fader& f = loadedFader();
    f.FadeIn();
    f.FadeOut(); // leaves 1
    f.setFadeInSpeed(8);
    f.FadeIn(); // 1, 9, ... 249
    f.setFadeOutSpeed(8);
    f.setOpacity(99); // level 252 lies above 249: no step, and the step is added once more
    ASSERT_EQ(f.CurrentAlpha(), 257);
    forgetCalls();
    f.FadeOut();
    EXPECT_EQ(alphas(), levels(249, 1, -8, {255}));
    EXPECT_EQ(f.CurrentAlpha(), 1);
}
