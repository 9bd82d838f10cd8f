#include "model/scenario_file.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

TEST(ScenarioDate, TextOfDayMonthAndYearCode) {
    const std::tuple<int, int, uint16_t, std::string> cases[] = {{22, 6, 41, " 22 JUN  1941"},
                                                                 {5, 0, 0, " 5 ERR  1900"},
                                                                 {31, 12, 63635, " 31 DEC  65535"},
                                                                 {1, 1, 63636, " 1 JAN  1601"}};
    for (const auto& [day, month, year, text] : cases) {
        demo::ScnSpec fields;
        fields.day = day;
        fields.month = month;
        fields.year_code = year;
        EXPECT_EQ(scn_date(scenario_data_from_bytes(demo::make_scenario_bytes(fields))), text);
    }
}

TEST(ScenarioReader, DateCountryAndTheCampaignsChecks) {
    struct Case {
        const char* what;
        std::function<void(demo::ScnSpec&)> change;
        std::string date, country, message;
    } cases[] = {
        {"as made", [](demo::ScnSpec&) {}, " 1 SEP  1939", "Germany", ""},
        {"4 players", [](demo::ScnSpec& s) { s.player4_country = 5; }, "", "",
         "You have chosen a 3 or 4 player scenario, this will not work in a campaign"},
        {"bad month", [](demo::ScnSpec& s) { s.month = 14; }, " 1 ERR  1939", "Germany",
         "Error in month for scenario: Odd.scn"},
        {"country beyond the table", [](demo::ScnSpec& s) { s.main_country = 200; }, " 1 SEP  1939",
         "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DemoGame game;
        RecordingMessages msgs;
        demo::ScnSpec fields;
        c.change(fields);
        write_scenario(game.state.settings, "odd.scn", fields);
        get_scn_data(game.state, "Odd.scn", msgs); // found ignoring case
        EXPECT_EQ(game.state.scn_date_text, c.date);
        EXPECT_EQ(game.state.scn_country_text, c.country);
        EXPECT_EQ(msgs.texts(), c.message.empty() ? std::vector<std::string>{}
                                                  : std::vector<std::string>{c.message});
    }
}

TEST(ScenarioReader, MissingAndUnnamedFiles) {
    DemoGame game;
    RecordingMessages& msgs = game.msgs;
    EditorState& state = game.state;
    get_scn_data(state, "NOPE.SCN", msgs);
    EXPECT_EQ(state.scn_date_text, "**not found**");
    state.scn_path = "path";
    get_scn_data(state, "", msgs);
    EXPECT_EQ(state.scn_date_text, "**not found**");
    EXPECT_EQ(state.scn_path, "path");
    EXPECT_TRUE(msgs.shown.empty());

    // The reports' reader keeps the data of the last file found.
    state.current_scn_name = "NORWAY.SCN";
    ASSERT_TRUE(read_scenario_details(state, msgs));
    state.current_scn_name = "GONE.SCN";
    EXPECT_FALSE(read_scenario_details(state, msgs));
    EXPECT_EQ(state.scn_path, "Scenariofile not found.");
    EXPECT_EQ(state.scenario.scn_month(), 4);
}

TEST(ScenarioReader, ShortFileReadsRestAsZeroAndKeepsUnnamedBytes) {
    DemoGame game;
    RecordingMessages msgs;
    demo::ScnSpec fields;
    fields.size = 500;
    write_scenario(game.state.settings, "short.scn", fields);
    game.state.current_scn_name = "short.scn";
    ASSERT_TRUE(read_scenario_details(game.state, msgs));
    std::string bytes = demo::make_scenario_bytes(fields);
    EXPECT_EQ(game.state.scenario.at(300), static_cast<uint8_t>(bytes[300]));
    EXPECT_EQ(game.state.scenario.at(11250), 0);
    EXPECT_EQ(field_text(game.state.scenario.map_file()), "");
}
