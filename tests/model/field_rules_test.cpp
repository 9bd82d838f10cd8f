#include "model/field_rules.h"

#include <gtest/gtest.h>

using namespace mf7;

TEST(FieldRules, PrestigeFoldingRoundsHalvesToEven) {
    struct Case {
        std::string typed, text;
        uint16_t value;
    } cases[] = {{"70000", "4465", 4465},   {"-5", "5", 5},       {"abc", "0", 0},
                 {"12.5", "12.5", 12},      {"13.5", "13.5", 14}, {"65535", "65535", 65535},
                 {"65536", "1", 1},         {"131071", "1", 1},   {"131070", "65535", 65535},
                 {"99999", "34464", 34464}, {"", "0", 0},         {" 42 ", "42", 42},
                 {"1e3", "1e3", 1000},      {"1.2.3", "0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        PrestigeFold f = fold_prestige(c.typed);
        EXPECT_EQ(f.text, c.text);
        EXPECT_EQ(f.value, c.value);
    }
}

TEST(FieldRules, GotoRange) {
    struct Case {
        std::string typed, text;
        int16_t stored;
    } cases[] = {{"0", "0", 0},       {"49", "49", 49},    {"50", "0", 0},  {"253", "0", 0},
                 {"254", "254", 254}, {"255", "255", 255}, {"256", "0", 0}, {"-1", "0", 0},
                 {"x", "0", 0},       {"12.5", "12.5", 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string text = goto_rule(c.typed);
        EXPECT_EQ(text, c.text);
        EXPECT_EQ(goto_value(text), c.stored);
    }
    // A stored -1 that the user never touched goes back as the word 65535.
    EXPECT_EQ(static_cast<uint16_t>(goto_value("-1")), 65535);
}

TEST(FieldRules, ExtensionAppending) {
    struct Case {
        std::string name, ext, result;
        bool added;
    } cases[] = {{"Intro", ".smk", "Intro.smk", true},
                 {"INTRO.SMK", ".smk", "INTRO.SMK", false},
                 {"", ".smk", "", false},
                 {"   ", ".smk", "   ", false},
                 {"brief", ".deu", "brief.deu", true},
                 {"a.txt", ".deu", "a.txt.deu", true}};
    for (const auto& c : cases) {
        std::string n = c.name;
        EXPECT_EQ(append_extension(n, c.ext), c.added) << c.name;
        EXPECT_EQ(n, c.result);
    }
}
