#include "fader/alphalevel.h"

#include <gtest/gtest.h>

TEST(AlphaLevel, RoundsPercentOf255HalfToEven)
{
    struct Case {
        int percent;
        int level;
    };
    const Case cases[] = {{0, 0}, {10, 26}, {25, 64}, {30, 76}, {50, 128}, {70, 178}, {90, 230}, {99, 252},
        {100, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(alphaLevel(c.percent), c.level) << c.percent << "%";
}
