#include "model/country_names.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

class CountryTest : public ::testing::Test, public DemoGame {};

// The names come from the game file, read once per run. A first scenario not found has an
// unknown main country, an unnamed one none (the overview's test shows one found).
TEST_F(CountryTest, GameFileNamesCodesOneToTwentySixOncePerRun) {
    // Lines ended by LF alone and lines beyond the 26th are fine.
    std::string text;
    for (int k = 1; k <= 30; ++k)
        text += "Land " + std::to_string(k) + "\n";
    ASSERT_TRUE(demo::write_bytes(join_path(state.settings.mf7main, "GUI97.TXT"), text));
    EXPECT_EQ(country_lookup(state.countries, state.settings, 26, msgs), "Land 26");
    EXPECT_EQ(country_lookup(state.countries, state.settings, 27, msgs), "");
    state.settings.mf7main = "/nowhere"_path;
    EXPECT_EQ(country_lookup(state.countries, state.settings, 8, msgs), "Land 8");
    state.campaign.scenarios[0].scn_file = make_text_field("gone.scn");
    EXPECT_EQ(get_main_country(state, msgs), "Main Country = Unknown");
    state.campaign.scenarios[0].scn_file = nul_field();
    EXPECT_EQ(get_main_country(state, msgs), std::nullopt);
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(CountryTest, ShortFileFallsBackOnceWithTheMessage) {
    state.settings.set_mf7text("*.deu");
    ASSERT_TRUE(
        demo::write_bytes(join_path(state.settings.mf7main, "gui97.deu"), "one\r\ntwo\r\n"));
    EXPECT_EQ(country_lookup(state.countries, state.settings, 20, msgs), "Russia");
    EXPECT_EQ(country_lookup(state.countries, state.settings, 23, msgs), "United Kingdom");
    EXPECT_EQ(
        msgs.texts(),
        std::vector<std::string>{
            "Gui97.deu not found, unable to read real names, Default OKD-countrynames will "
            "be used.\n\rTried to locate: " +
            join_path(state.settings.mf7main, "GUI97.deu").str() +
            "\n\rCheck directory settings, and make sure that the mf7main directory points "
            "to the directory where GUI97.deu is located, if you want to use the real names."});
}
