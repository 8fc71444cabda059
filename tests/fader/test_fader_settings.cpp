// Creating, loading and saving a Fader, and the checks of its setters.
#include "faderfixture.h"

#include "fader/invalidpropertyvalue.h"

#include <functional>

namespace {

const std::string layeredStyle = std::to_string(win32::WS_EX_LAYERED);

} // namespace

TEST_F(FaderTest, InitNewSetsDefaultsAndTouchesNoWindow)
{
    for (const win32::DWORD version : {5u, 6u, 4u}) {
        platform.version = version;
        Fader& f = makeFader();
        f.initNew();
        EXPECT_EQ(f.Enabled(), version >= 5) << version;
        EXPECT_EQ(f.FadeInSpeed(), 2);
        EXPECT_EQ(f.FadeOutSpeed(), 2);
        EXPECT_EQ(f.Opacity(), 100);
        EXPECT_EQ(f.CurrentAlpha(), 0);
        EXPECT_EQ(f.ParentHwnd(), 0u);
        EXPECT_TRUE(platform.callsNamed("SetWindowLongA").empty());
        EXPECT_TRUE(alphas().empty());
    }
}

TEST_F(FaderTest, LoadInRunModeLayersTheParentAndMakesItTransparent)
{
    platform.SetWindowLongA(hwnd(), win32::GWL_EXSTYLE, 0x100); // a bit of someone else's
    platform.clear();
    Fader& f = loadedFader();

    const std::string h = std::to_string(hwnd());
    std::vector<std::string> calls;
    for (const auto& call : platform.calls)
        if (call.name != "GetVersion")
            calls.push_back(call.text());
    EXPECT_EQ(calls, (std::vector<std::string>{"GetWindowLongA(" + h + ", -20)",
                         "SetWindowLongA(" + h + ", -20, " + std::to_string(0x80100) + ")",
                         "SetLayeredWindowAttributes(" + h + ", 0, 0, 2)"}));
    EXPECT_EQ(f.ParentHwnd(), hwnd());
    EXPECT_EQ(f.CurrentAlpha(), 5);
    EXPECT_TRUE(f.Enabled());
    EXPECT_EQ(f.FadeInSpeed(), 4);
    EXPECT_EQ(f.FadeOutSpeed(), 4);
    EXPECT_EQ(f.Opacity(), 100);
    EXPECT_TRUE(f.isHidden());
}

TEST_F(FaderTest, LoadLayersTheParentEvenWhenStoredDisabled)
{
    Fader& f = loadedFader({{"enabled", false}});
    EXPECT_FALSE(f.Enabled());
    EXPECT_TRUE(layered());
    EXPECT_EQ(alphas(), std::vector<int>{0});
}

TEST_F(FaderTest, WithoutLayeringSupportTheFaderIsNeverEnabled)
{
    platform.version = 0x0A04; // major version 4
    Fader& f = loadedFader({{"Enabled", true}});
    EXPECT_FALSE(f.Enabled());
    EXPECT_TRUE(platform.callsNamed("SetWindowLongA").empty());
    EXPECT_TRUE(alphas().empty());
    EXPECT_FALSE(layered());
    EXPECT_EQ(f.CurrentAlpha(), 5);
    EXPECT_EQ(f.ParentHwnd(), hwnd());

    f.setEnabled(true);
    EXPECT_FALSE(f.Enabled());
    EXPECT_TRUE(f.storedSettings().isChanged("Enabled"));
}

TEST_F(FaderTest, LoadInDesignModeReadsSettingsAndTouchesNoWindow)
{
    Fader& f = makeFader(Fader::HostMode::Design);
    f.load({{"fadeinspeed", 8}});
    EXPECT_EQ(f.FadeInSpeed(), 8);
    EXPECT_EQ(f.ParentHwnd(), 0u);
    EXPECT_EQ(f.CurrentAlpha(), 0);
    EXPECT_TRUE(platform.callsNamed("SetWindowLongA").empty());
    EXPECT_TRUE(alphas().empty());

    f.setOpacity(50); // no fade outside run mode
    EXPECT_TRUE(alphas().empty());
    EXPECT_EQ(fadeOutReady->count(), 0);
    EXPECT_EQ(f.Opacity(), 50);
}

TEST_F(FaderTest, StoredSettingsLoadAsTheyAreWithKeysInAnyCase)
{
    struct Case {
        PropertyBag stored;
        bool enabled;
        int fadeInSpeed;
        int fadeOutSpeed;
        int opacity;
    };
    const Case cases[] = {
        {{}, true, 2, 2, 100},
        {{{"FadeInSpeed", 3}, {"Opacity", 10}}, true, 3, 2, 10},
        {{{"FADEINSPEED", 8}, {"fadeOUTspeed", 1}, {"opacity", 50}, {"ENABLED", false}}, false, 8, 1, 50},
        {{{"fadeoutspeed", 200}, {"Opacity", 0}}, true, 2, 200, 0},
    };
    for (const auto& c : cases) {
        Fader& f = makeFader();
        f.load(c.stored);
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
    struct Case {
        PropertyBag stored;
        const char* named;
    };
    const Case cases[] = {
        {{{"fadeinspeed", 0}}, "FadeInSpeed"},
        {{{"fadeoutspeed", -4}}, "FadeOutSpeed"},
        {{{"fadeoutspeed", 256}}, "FadeOutSpeed"},
        {{{"opacity", 101}}, "Opacity"},
        {{{"opacity", -1}}, "Opacity"},
        {{{"opacity", "half"}}, "Opacity"},
    };
    for (const auto& c : cases) {
        Fader& f = makeFader();
        try {
            f.load(c.stored);
            ADD_FAILURE() << "accepted " << c.named;
        } catch (const InvalidPropertyValue& error) {
            EXPECT_EQ(error.number, 380);
            EXPECT_NE(std::string(error.what()).find(std::string("Fader1: stored ") + c.named), std::string::npos)
                << error.what();
        }
    }
}

TEST_F(FaderTest, SetSpeedsAcceptsOnlyPowersOfTwoUpToEight)
{
    using Setter = std::function<void(Fader&, int)>;
    using Getter = std::function<int(const Fader&)>;
    struct Property {
        const char* name;
        Setter set;
        Getter get;
    };
    const Property properties[] = {
        {"FadeInSpeed", &Fader::setFadeInSpeed, &Fader::FadeInSpeed},
        {"FadeOutSpeed", &Fader::setFadeOutSpeed, &Fader::FadeOutSpeed},
    };
    Fader& f = loadedFader();
    for (const auto& property : properties) {
        for (const int rejected : {0, 3, 16, -1, 5}) {
            try {
                property.set(f, rejected);
                ADD_FAILURE() << property.name << " accepted " << rejected;
            } catch (const InvalidPropertyValue& error) {
                EXPECT_EQ(error.number, 380);
            }
            EXPECT_EQ(property.get(f), 4) << property.name;
            EXPECT_FALSE(f.storedSettings().isChanged(property.name));
        }
        for (const int accepted : {1, 2, 4, 8}) {
            property.set(f, accepted);
            EXPECT_EQ(property.get(f), accepted) << property.name;
        }
        EXPECT_TRUE(f.storedSettings().isChanged(property.name));
    }
}

TEST_F(FaderTest, SetOpacityOutOfRangeFailsAndChangesNothing)
{
    Fader& f = loadedFader();
    f.FadeIn();
    forgetCalls();
    for (const int rejected : {24, 101, 0, -50}) {
        EXPECT_THROW(
            {
                try {
                    f.setOpacity(rejected);
                } catch (const InvalidPropertyValue& error) {
                    EXPECT_EQ(error.number, 380);
                    throw;
                }
            },
            InvalidPropertyValue);
        EXPECT_EQ(f.Opacity(), 100);
    }
    EXPECT_TRUE(platform.calls.empty());
    EXPECT_EQ(fadeInReady->count() + fadeOutReady->count(), 0);
    EXPECT_FALSE(f.storedSettings().isChanged("Opacity"));
    EXPECT_FALSE(f.OpacityChanging());
}

TEST_F(FaderTest, SaveStoresOnlyValuesOtherThanTheirDefaults)
{
    Fader& f = loadedFader();
    f.save();
    EXPECT_EQ(f.storedSettings().keys(), QStringList({"FadeInSpeed", "FadeOutSpeed"}));

    f.setFadeInSpeed(2);
    f.setEnabled(false);
    f.save();
    EXPECT_EQ(f.storedSettings().keys(), QStringList({"Enabled", "FadeOutSpeed"}));
    EXPECT_FALSE(f.storedSettings().read("enabled", true).toBool());
}

TEST_F(FaderTest, SaveWithoutLayeringSupportLeavesEnabledOut)
{
    platform.version = 4;
    Fader& f = makeFader();
    f.initNew();
    f.save();
    EXPECT_TRUE(f.storedSettings().keys().isEmpty());
}
