#include "model/field_rules.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;

TEST(FieldRules, PrestigeFoldingRoundsHalvesToEven) {
    const std::tuple<std::string, std::string, uint16_t> cases[] = {
        {"70000", "4465", 4465}, {"-5", "5", 5},
        {"abc", "0", 0},         {"12.5", "12.5", 12},
        {"13.5", "13.5", 14},    {"65535", "65535", 65535},
        {"65536", "1", 1},       {"131070", "65535", 65535},
        {"1e3", "1e3", 1000},    {" 42 ", "42", 42}};
    for (const auto& [typed, text, value] : cases) {
        SCOPED_TRACE(typed);
        PrestigeFold f = fold_prestige(typed);
        EXPECT_EQ(f.text, text);
        EXPECT_EQ(f.value, value);
    }
}

TEST(FieldRules, GotoRange) {
    const std::tuple<std::string, std::string, int16_t> cases[] = {
        {"0", "0", 0},   {"49", "49", 49},    {"50", "0", 0},
        {"253", "0", 0}, {"254", "254", 254}, {"255", "255", 255},
        {"256", "0", 0}, {"-1", "0", 0},      {"12.5", "12.5", 12}};
    for (const auto& [typed, text, stored] : cases) {
        SCOPED_TRACE(typed);
        std::string shown = goto_rule(typed);
        EXPECT_EQ(shown, text);
        EXPECT_EQ(goto_value(shown), stored);
    }
}
