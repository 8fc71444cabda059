// Loading a Fader, and the checks of its setters.
#include "faderfixture.h"

#include "fader/invalidpropertyvalue.h"

// Where layering is supported, load layers the parent (keeping its other style bits) and
// makes it transparent whatever Enabled holds; where it is not, the fader is never enabled.
TEST_F(FaderTest, LoadLayersTheParentAndMakesItTransparentWhereLayeringIsSupported)
{
    for (const auto& [supported, enabled] : {std::pair{true, true}, {true, false}, {false, true}}) {
        platform.layeredWindows = supported;
        ExtendedStyle::set(&window, 0x100);
        platform.clear();
        Fader& f = loadedFader({{"fadeinspeed", 4}, {"Enabled", enabled}});
        EXPECT_EQ(ExtendedStyle::of(&window), supported ? 0x80100 : 0x100) << supported;
        EXPECT_EQ(alphas(), supported ? std::vector<int>{0} : std::vector<int>{});
        EXPECT_EQ(f.Enabled(), enabled && supported);
        EXPECT_EQ(f.ParentHwnd(), &window);
        EXPECT_EQ(f.CurrentAlpha(), 5);
        f.setEnabled(true);
        EXPECT_EQ(f.Enabled(), supported);
    }
}

// A fade-in at speed 1 ends on the level of the opacity: percent / 100 * 255, rounded to the
// nearest, ties to even (a truncating or a rounding-up formula fails some rows).
TEST_F(FaderTest, TheLevelOfAnOpacityRoundsToTheNearestTiesToEven)
{
    const std::pair<int, int> levels[] = {{25, 64}, {30, 76}, {50, 128}, {70, 178}, {90, 230}, {99, 252}, {100, 255}};
    for (const auto& [percent, level] : levels) {
        Fader& f = loadedFader({{"fadeinspeed", 1}, {"opacity", percent}});
        forgetCalls();
        f.FadeIn();
        ASSERT_FALSE(alphas().empty());
        EXPECT_EQ(alphas().back(), level) << percent << "%";
    }
}

TEST_F(FaderTest, StoredSettingsLoadAsTheyAreWithKeysInAnyCase)
{
    const struct {
        PropertyBag stored;
        bool enabled;
        int fadeInSpeed;
        int fadeOutSpeed;
        int opacity;
    } cases[] = {
        {{}, true, 2, 2, 100},
        {{{"FadeInSpeed", 3}, {"Opacity", 10}}, true, 3, 2, 10},
        {{{"FADEINSPEED", 8}, {"fadeOUTspeed", 1}, {"opacity", 50}, {"ENABLED", false}}, false, 8, 1, 50},
        {{{"fadeoutspeed", 200}, {"Opacity", 0}}, true, 2, 200, 0},
    };
    for (const auto& c : cases) {
        Fader& f = loadedFader(c.stored);
        EXPECT_EQ(f.Enabled(), c.enabled);
        EXPECT_EQ(f.FadeInSpeed(), c.fadeInSpeed);
        EXPECT_EQ(f.FadeOutSpeed(), c.fadeOutSpeed);
        EXPECT_EQ(f.Opacity(), c.opacity);
    }
}

// A step below 1 would never finish a fade, and a level that is no percent is no opacity:
// such stored settings are refused with a message naming the setting.
TEST_F(FaderTest, StoredSettingsNoFadeCouldFinishAreRefused)
{
    const struct {
        PropertyBag stored;
        const char* named;
    } cases[] = {
        {{{"fadeinspeed", 0}}, "FadeInSpeed"}, {{{"fadeoutspeed", 256}}, "FadeOutSpeed"},
        {{{"opacity", 101}}, "Opacity"},       {{{"opacity", -1}}, "Opacity"},
        {{{"opacity", "half"}}, "Opacity"},
    };
    for (const auto& c : cases) {
        try {
            loadedFader(c.stored);
            ADD_FAILURE() << "accepted " << c.named;
        } catch (const InvalidPropertyValue& error) {
            EXPECT_EQ(error.number, 380);
            EXPECT_NE(std::string(error.what()).find(std::string("Fader1: stored ") + c.named), std::string::npos)
                << error.what();
        }
    }
}

TEST_F(FaderTest, OutOfRangeSettersFailWithError380AndChangeNothing)
{
    Fader& f = loadedFader();
    forgetCalls();
    for (const int speed : {0, 3, 16, -1, 5}) {
        EXPECT_THROW(f.setFadeInSpeed(speed), InvalidPropertyValue) << speed;
        EXPECT_THROW(f.setFadeOutSpeed(speed), InvalidPropertyValue) << speed;
    }
    for (const int opacity : {24, 101, 0, -50})
        EXPECT_THROW(f.setOpacity(opacity), InvalidPropertyValue) << opacity;
    EXPECT_EQ(f.FadeInSpeed(), 4);
    EXPECT_EQ(f.FadeOutSpeed(), 4);
    EXPECT_EQ(f.Opacity(), 100);
    EXPECT_TRUE(platform.calls.empty()) << "no fade";
    EXPECT_EQ(events(), 0);
    EXPECT_FALSE(f.storedSettings().hasChanges());
    for (const int speed : {1, 2, 4, 8}) {
        f.setFadeInSpeed(speed);
        f.setFadeOutSpeed(speed);
        EXPECT_EQ(f.FadeInSpeed(), speed);
        EXPECT_EQ(f.FadeOutSpeed(), speed);
    }
    f.setOpacity(25);
    EXPECT_EQ(f.Opacity(), 25);
    EXPECT_TRUE(f.storedSettings().isChanged("FadeInSpeed") && f.storedSettings().isChanged("Opacity"));
}
