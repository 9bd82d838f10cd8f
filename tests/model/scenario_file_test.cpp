#include "model/scenario_file.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;

class ScenarioReaderTest : public ::testing::Test, public DemoGame {};

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
        ScenarioSummary read = get_scn_data(game.state, "Odd.scn", game.msgs); // any case
        EXPECT_EQ(read.date_text, c.date);
        EXPECT_EQ(read.country.value_or(""), c.country);
        EXPECT_EQ(game.msgs.texts(), c.message.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{c.message});
    }
}

// A missing file is told apart from a blank name; a short file reads the rest as zero.
TEST_F(ScenarioReaderTest, TellsMissingFromUnnamedAndReadsShortFilesOut) {
    state.last_scn_country = "Italy";
    ScenarioSummary missing = get_scn_data(state, "NOPE.SCN", msgs);
    EXPECT_EQ(missing.date_text, "**not found**");
    EXPECT_TRUE(missing.named && !missing.found && !missing.country);
    ScenarioSummary unnamed = get_scn_data(state, "", msgs);
    EXPECT_EQ(unnamed.date_text, "");
    EXPECT_FALSE(unnamed.named);

    demo::ScnSpec fields;
    fields.size = 500;
    write_scenario(state.settings, "short.scn", fields);
    ScenarioDetails read = read_scenario_details(state.settings, "short.scn", msgs);
    ASSERT_TRUE(read.found && read.data);
    EXPECT_EQ(read.data->at(300), static_cast<uint8_t>(demo::make_scenario_bytes(fields)[300]));
    EXPECT_EQ(read.data->at(11250), 0);
    ScenarioDetails gone = read_scenario_details(state.settings, "GONE.SCN", msgs);
    EXPECT_FALSE(gone.found || gone.data);
    EXPECT_TRUE(msgs.shown.empty());
}
