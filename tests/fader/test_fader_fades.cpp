// The alpha levels that fades apply to the parent window, and the events they raise.
#include "faderfixture.h"

TEST_F(FaderTest, FirstFadeInClimbsFromFiveByTheSpeed)
{
    struct Case {
        int speed;
        int last;
    };
    const Case cases[] = {{4, 253}, {2, 255}, {8, 253}, {1, 255}};
    for (const auto& c : cases) {
        Fader& f = loadedFader({{"fadeinspeed", c.speed}});
        forgetCalls();
        f.FadeIn();
        EXPECT_EQ(alphas(), levels(5, c.last, c.speed)) << "speed " << c.speed;
        EXPECT_EQ(f.CurrentAlpha(), c.last);
        EXPECT_FALSE(layered());
        EXPECT_EQ(fadeInReady->count(), 1);
        EXPECT_EQ(fadeOutReady->count(), 0);
    }
}

TEST_F(FaderTest, EachStepAppliesThenDispatchesThenSleeps)
{
    Fader& f = loadedFader({{"fadeinspeed", 8}, {"opacity", 10}}); // 10% is level 26: steps 5, 13, 21
    forgetCalls();
    f.FadeIn();
    std::vector<std::string> names;
    for (const auto& call : platform.calls)
        names.push_back(call.name);
    const std::vector<std::string> step = {"SetLayeredWindowAttributes", "DoEvents", "Sleep"};
    EXPECT_EQ(names, joined(joined(step, step), step)) << "no style change: 10% keeps the window layered";
    EXPECT_EQ(platform.callsNamed("Sleep"), std::vector<std::string>(3, "Sleep(1)"));
    EXPECT_EQ(platform.callsNamed("SetLayeredWindowAttributes").front(),
        "SetLayeredWindowAttributes(" + std::to_string(hwnd()) + ", 0, 5, 2)");
    EXPECT_TRUE(layered());
}

TEST_F(FaderTest, FadeOutAfterFadeInAndFadeInAgain)
{
    Fader& f = loadedFader();
    f.FadeIn();
    forgetCalls();

    f.FadeOut();
    EXPECT_EQ(platform.calls.at(1).name, "SetWindowLongA") << "layered again before the first step";
    EXPECT_TRUE(layered());
    EXPECT_EQ(alphas(), levels(253, 1, -4));
    EXPECT_EQ(alphas().size(), 64u);
    EXPECT_EQ(f.CurrentAlpha(), 1);
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(fadeInReady->count(), 0);
    forgetCalls();

    f.FadeIn();
    EXPECT_EQ(alphas(), levels(1, 253, 4));
    EXPECT_FALSE(layered());
    EXPECT_EQ(fadeInReady->count(), 1);
}

TEST_F(FaderTest, LoweringAndRaisingOpacityFadesAndRaisesOneEventEach)
{
    Fader& f = loadedFader();
    f.FadeIn();
    forgetCalls();

    f.setOpacity(50);
    EXPECT_EQ(alphas(), levels(253, 129, -4));
    EXPECT_EQ(f.CurrentAlpha(), 129);
    EXPECT_TRUE(layered());
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(fadeInReady->count(), 0);
    EXPECT_FALSE(f.OpacityChanging());
    forgetCalls();

    f.setOpacity(100);
    EXPECT_EQ(alphas(), levels(129, 253, 4));
    EXPECT_FALSE(layered());
    EXPECT_EQ(fadeInReady->count(), 1);
    EXPECT_EQ(fadeOutReady->count(), 0);
    EXPECT_FALSE(f.OpacityChanging());
}

TEST_F(FaderTest, OpacityChangingIsSetWhileTheOpacityFadeRuns)
{
    Fader& f = loadedFader();
    f.FadeIn();
    std::vector<bool> seen;
    platform.onDoEvents = [&] { seen.push_back(f.OpacityChanging()); };
    f.setOpacity(90);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen, std::vector<bool>(seen.size(), true));
    EXPECT_FALSE(f.OpacityChanging());
}

TEST_F(FaderTest, SettingTheSameOpacityRaisesFadeOutReadyAndAppliesNothing)
{
    Fader& f = loadedFader();
    f.FadeIn();
    forgetCalls();
    f.setOpacity(100);
    EXPECT_TRUE(alphas().empty());
    EXPECT_EQ(fadeOutReady->count(), 1);
    EXPECT_EQ(fadeInReady->count(), 0);
}

TEST_F(FaderTest, DisabledFadesJumpAtOnceWithoutEvents)
{
    Fader& f = loadedFader();
    f.setEnabled(false);
    forgetCalls();

    f.FadeIn();
    EXPECT_EQ(alphas(), std::vector<int>{255});
    f.FadeOut();
    EXPECT_EQ(alphas(), (std::vector<int>{255, 0}));
    EXPECT_EQ(fadeInReady->count() + fadeOutReady->count(), 0);
    EXPECT_EQ(f.CurrentAlpha(), 5);
    forgetCalls();

    f.setOpacity(50);
    EXPECT_EQ(fadeOutReady->count(), 1);
    f.setOpacity(80);
    EXPECT_EQ(fadeInReady->count(), 1);
    EXPECT_TRUE(alphas().empty());
}

TEST_F(FaderTest, FadeInAboveTheTargetAppliesNothingAndStepsBack)
{
    Fader& f = loadedFader();
    f.FadeIn();
    f.setOpacity(50); // ends at 129, one above the level of 50%
    forgetCalls();

    f.FadeIn();
    EXPECT_TRUE(alphas().empty());
    EXPECT_EQ(f.CurrentAlpha(), 125);
    EXPECT_TRUE(layered()) << "an opacity below 100 keeps the window layered";
    EXPECT_EQ(fadeInReady->count(), 1);
}

TEST_F(FaderTest, FadeStartedInsideAStepSharesTheCurrentAlpha)
{
    Fader& f = loadedFader();
    forgetCalls();
    bool nestedStarted = false;
    platform.onDoEvents = [&] {
        if (!nestedStarted && f.CurrentAlpha() == 101) {
            nestedStarted = true;
            f.FadeOut(); // say, the close button clicked halfway through
        }
    };
    f.FadeIn();

    // The fade-out starts from the level reached and leaves 1 behind; the fade-in then
    // goes on from there with its own target and step.
    EXPECT_EQ(alphas(), joined(joined(levels(5, 101, 4), levels(101, 1, -4)), levels(5, 253, 4)));
    EXPECT_EQ(f.CurrentAlpha(), 253);
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
    ASSERT_EQ(f.CurrentAlpha(), 249);
    f.setFadeOutSpeed(8);
    f.setOpacity(99); // level 252 lies above 249: no step, and the step is added once more
    ASSERT_EQ(f.CurrentAlpha(), 257);
    forgetCalls();

    f.FadeOut();
    EXPECT_EQ(alphas(), joined<int>({255}, levels(249, 1, -8)));
    EXPECT_EQ(f.CurrentAlpha(), 1);
}

TEST_F(FaderTest, SpeedChangedDuringAFadeCountsOnlyForTheFinalCorrection)
{
    Fader& f = loadedFader();
    forgetCalls();
    platform.onDoEvents = [&] {
        if (f.CurrentAlpha() == 101)
            f.setFadeInSpeed(8);
    };
    f.FadeIn();
    EXPECT_EQ(alphas(), levels(5, 253, 4)) << "the run keeps the step it began with";
    EXPECT_EQ(f.CurrentAlpha(), 257 - 8);
}
