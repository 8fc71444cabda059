// Loading a Fader, and the checks of its setters.
#include "faderfixture.h"

#include "fader/invalidpropertyvalue.h"

// Where layering is supported, load layers the parent (keeping its other style bits) and
// makes it transparent whatever Enabled holds; where it is not, the fader is never enabled.
TEST_F(FaderTest, LoadLayersTheParentAndMakesItTransparentWhereLayeringIsSupported)
{
    for (const auto& [supported, enabled] : {std::pair{true, true}, {true, false}, {false, true}}) {
        SCOPED_TRACE(std::to_string(supported) + std::to_string(enabled));
        platform.layeredWindows = supported;
        ExtendedStyle::set(&window, 0x100);
        platform.clear();
        Fader& f = loadedFader({{"Enabled", enabled}});
        EXPECT_EQ(ExtendedStyle::of(&window), supported ? 0x80100 : 0x100);
        EXPECT_EQ(alphas(), supported ? std::vector<int>{0} : std::vector<int>{});
        EXPECT_EQ(f.Enabled(), enabled && supported);
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

// Stored values (keys in any case) skip the setters' checks, except that a step below 1, which
// never finishes a fade, and a level that is no percent are refused with error 380, named.
TEST_F(FaderTest, StoredSettingsNoFadeCouldFinishAreRefused)
{
    const std::pair<PropertyBag, const char*> cases[] = {
        {{{"FADEINSPEED", 0}}, "FadeInSpeed"}, {{{"fadeoutspeed", -4}}, "FadeOutSpeed"},
        {{{"fadeoutspeed", 256}}, "FadeOutSpeed"}, {{{"Opacity", 101}}, "Opacity"},
        {{{"opacity", -1}}, "Opacity"}, {{{"opacity", "half"}}, "Opacity"},
        {{{"FadeInSpeed", 3}, {"fadeOUTspeed", 200}, {"opacity", 10}}, nullptr},
    };
    for (const auto& [stored, named] : cases) {
        try {
            loadedFader(stored);
            if (named)
                ADD_FAILURE() << "accepted a stored " << named;
        } catch (const InvalidPropertyValue& error) {
            EXPECT_EQ(error.number, 380);
            EXPECT_NE(std::string(error.what()).find(std::string("Fader1: stored ") + (named ? named : "?")),
                std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(std::tuple(fader->FadeInSpeed(), fader->FadeOutSpeed(), fader->Opacity()), std::tuple(3, 200, 10));
}

// The setters take the speeds 1, 2, 4, 8 and an opacity from 25 to 100, and refuse the rest.
TEST_F(FaderTest, OutOfRangeSettersFailAndChangeNothing)
{
    Fader& f = loadedFader();
    forgetCalls();
    for (const int wrong : {0, 3, 16, -1})
        EXPECT_THROW(f.setFadeInSpeed(wrong), InvalidPropertyValue) << wrong;
    EXPECT_THROW(f.setFadeOutSpeed(5), InvalidPropertyValue);
    for (const int wrong : {24, 101})
        EXPECT_THROW(f.setOpacity(wrong), InvalidPropertyValue) << wrong;
    EXPECT_EQ(std::tuple(f.FadeInSpeed(), f.FadeOutSpeed(), f.Opacity()), std::tuple(4, 4, 100));
    EXPECT_TRUE(platform.calls.empty()) << "no fade";
    EXPECT_FALSE(f.storedSettings().hasChanges());
    f.setFadeInSpeed(8);
    f.setOpacity(25);
    EXPECT_TRUE(f.storedSettings().isChanged("FadeInSpeed") && f.storedSettings().isChanged("Opacity"));
}
