#include "fader/faderdesign.h"
#include "fader/propertybag.h"

#include <gtest/gtest.h>

TEST(PropertyBag, ReadsKeysWithoutRegardToCase)
{
    const PropertyBag bag{{"fadeinspeed", 4}, {"OPACITY", 50}};
    EXPECT_EQ(bag.read("FadeInSpeed", 2).toInt(), 4);
    EXPECT_EQ(bag.read("fAdEiNsPeEd", 2).toInt(), 4);
    EXPECT_EQ(bag.read("Opacity", 100).toInt(), 50);
    EXPECT_EQ(bag.read("FadeOutSpeed", 2).toInt(), 2);
    EXPECT_TRUE(bag.contains("opacity"));
    EXPECT_FALSE(bag.contains("Enabled"));
}

TEST(PropertyBag, WriteStoresOnlyValuesOtherThanTheDefault)
{
    PropertyBag bag{{"opacity", 50}};
    bag.write("FadeInSpeed", 2, 2);
    bag.write("FadeOutSpeed", 8, 2);
    EXPECT_EQ(bag.keys(), QStringList({"FadeOutSpeed", "opacity"}));

    bag.write("Opacity", 100, 100); // back to its default: the stored 50 goes
    EXPECT_FALSE(bag.contains("opacity"));
    bag.write("FADEOUTSPEED", 4, 2);
    EXPECT_EQ(bag.keys(), QStringList({"FADEOUTSPEED"}));
    EXPECT_EQ(bag.read("fadeoutspeed", 2).toInt(), 4);
}

TEST(PropertyBag, RemembersChangedKeysWithoutRegardToCase)
{
    PropertyBag bag;
    EXPECT_FALSE(bag.hasChanges());
    bag.markChanged("Opacity");
    EXPECT_TRUE(bag.isChanged("opacity"));
    EXPECT_FALSE(bag.isChanged("Enabled"));
    bag.clearChanges();
    EXPECT_FALSE(bag.hasChanges());
}

TEST(FaderDesign, WindowsStoreSpeedFourInLowerCase)
{
    const PropertyBag design = FaderDesign::windowSettings();
    EXPECT_EQ(design.keys(), QStringList({"fadeinspeed", "fadeoutspeed"}));
    EXPECT_EQ(design.read("FadeInSpeed", 2).toInt(), 4);
    EXPECT_EQ(design.read("FadeOutSpeed", 2).toInt(), 4);
}
