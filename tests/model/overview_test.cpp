#include "model/overview.h"

#include "model/country_names.h"
#include "platform/text.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

// The demo names are padded with NULs, which the rows show as blanks.
TEST(Overview, FillsHeaderRowsAndMainCountry) {
    DemoGame game;
    game.state.campaign.scenarios[3].scn_file = make_text_field("lost.scn");
    game.state.campaign.scenarios[5].scn_file = blank_field();
    OverviewFill f = fill_overview(game.state, game.msgs);
    EXPECT_EQ(f.text1 + " " + f.text2 + " " + f.text3 + " " + f.text5,
              "8 1200 victory.smk demo.txt");
    EXPECT_EQ(f.text6.substr(0, 9), "4D 46 00 ");
    ASSERT_EQ(f.rows.size(), 8u);
    EXPECT_EQ(format_overview_row(f.rows[0]), " 0   POLAND.SCN" + std::string(10, ' ') +
                                                  "        1         1         1       255 " +
                                                  pad_left(" 1 SEP  1939", 20));
    EXPECT_EQ(format_overview_row(f.rows[3]).substr(65), pad_left("**not found**", 20));
    EXPECT_EQ(format_overview_row(f.rows[5]).substr(65), std::string(20, ' '));
    EXPECT_EQ((std::array{f.rows[0].file_missing, f.rows[3].file_missing, f.rows[5].file_missing}),
              (std::array{false, true, false}));
    EXPECT_TRUE(game.msgs.shown.empty());
}

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
