#include "model/scenario_file.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;

// The date shows ERR for a month out of range, and year codes past 63635 count from 1601; a file
// the campaign cannot use leaves no date, not an earlier one.
TEST(ScenarioReader, DateCountryAndTheCampaignsChecks) {
    const std::string bad_month = "Error in month for scenario: Odd.scn",
                      players = "You have chosen a 3 or 4 player scenario, this will not work in "
                                "a campaign";
    const struct {
        int day, month, year_code, player4;
        std::string date, country, message;
    } cases[] = {
        {1, 9, 39, 0, " 1 SEP  1939", "Germany", ""},
        {1, 9, 39, 5, "", "", players},
        {1, 14, 39, 0, " 1 ERR  1939", "Germany", bad_month},
        {5, 0, 0, 0, " 5 ERR  1900", "Germany", bad_month},
        {31, 12, 63635, 0, " 31 DEC  65535", "Germany", ""},
        {1, 1, 63636, 0, " 1 JAN  1601", "Germany", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        DemoGame game;
        demo::ScnSpec f;
        std::tie(f.day, f.month, f.year_code, f.player4_country) =
            std::tuple(c.day, c.month, c.year_code, c.player4);
        write_scenario(game.state.settings, "odd.scn", f);
        game.state.scn_date_text = "left over";
        get_scn_data(game.state, "Odd.scn", game.msgs); // found ignoring case
        EXPECT_EQ(game.state.scn_date_text, c.date);
        EXPECT_EQ(game.state.scn_country_text, c.country);
        EXPECT_EQ(game.msgs.texts(), c.message.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{c.message});
    }
}

// The reports' reader keeps the data of the last file found; a short file reads the rest as zero.
TEST(ScenarioReader, MissingUnnamedAndShortFiles) {
    DemoGame game;
    EditorState& state = game.state;
    get_scn_data(state, "NOPE.SCN", game.msgs);
    EXPECT_EQ(state.scn_date_text, "**not found**");
    state.scn_path = "path"_path;
    get_scn_data(state, "", game.msgs);
    EXPECT_EQ(state.scn_date_text, "**not found**");
    EXPECT_EQ(state.scn_path, "path"_path);

    demo::ScnSpec fields;
    fields.size = 500;
    write_scenario(state.settings, "short.scn", fields);
    state.current_scn_name = "short.scn";
    ASSERT_TRUE(read_scenario_details(state, game.msgs));
    state.current_scn_name = "GONE.SCN";
    EXPECT_FALSE(read_scenario_details(state, game.msgs));
    EXPECT_TRUE(state.scn_path.empty());
    EXPECT_EQ(state.scenario.at(300), static_cast<uint8_t>(demo::make_scenario_bytes(fields)[300]));
    EXPECT_EQ(state.scenario.at(11250), 0);
    EXPECT_TRUE(game.msgs.shown.empty());
}
