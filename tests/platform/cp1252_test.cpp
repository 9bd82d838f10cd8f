#include "platform/cp1252.h"

#include <gtest/gtest.h>

using namespace mf7;

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool lossy = true;
    EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all), &lossy), all);
    EXPECT_FALSE(lossy);
}
