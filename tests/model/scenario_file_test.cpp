#include "model/scenario_file.h"

#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(ScenarioDate, YearCodes) {
    struct Case {
        uint16_t code;
        int year;
    } cases[] = {{39, 1939}, {63635, 65535}, {63636, 1601}, {65535, 3500}, {0, 1900}};
    for (const auto& c : cases)
        EXPECT_EQ(year_from_code(c.code), c.year) << c.code;
}

TEST(ScenarioDate, TextOfDayMonthYear) {
    struct Case {
        int day, month;
        uint16_t year;
        std::string text;
    } cases[] = {{1, 9, 39, " 1 SEP  1939"},
                 {22, 6, 41, " 22 JUN  1941"},
                 {5, 13, 40, " 5 ERR  1940"},
                 {5, 0, 40, " 5 ERR  1940"},
                 {31, 12, 65535, " 31 DEC  3500"}};
    for (const auto& c : cases) {
        demo::ScnSpec spec;
        spec.day = c.day;
        spec.month = c.month;
        spec.year_code = c.year;
        EXPECT_EQ(scn_date(scndata_from_bytes(demo::make_scenario_bytes(spec))), c.text);
    }
}

TEST(StockMaps, ExactNamesAfterUpperCasing) {
    EXPECT_TRUE(is_stock_map("seelow.map"));
    EXPECT_TRUE(is_stock_map("WINDSOR.MAP"));
    EXPECT_TRUE(is_stock_map("ARRACT.MAP"));
    EXPECT_FALSE(is_stock_map("SEELOWX.MAP"));
    EXPECT_FALSE(is_stock_map(""));
    EditorState state;
    demo::ScnSpec spec;
    spec.map_file = "seelow.map"; // NUL padded by the builder
    state.scndata = scndata_from_bytes(demo::make_scenario_bytes(spec));
    EXPECT_TRUE(check_map_type(state));
    EXPECT_EQ(std::string(state.scndata.map_file().data(), 20), "seelow.map          ");
}

class ReaderTest : public ::testing::Test {
  protected:
    DemoGame game;
    RecordingMessages msgs;
    EditorState& state = game.state;
    void put(const std::string& name, const demo::ScnSpec& spec) {
        ASSERT_TRUE(demo::write_bytes(join_path(state.settings.mf7_scn, name),
                                      demo::make_scenario_bytes(spec)));
    }
};

TEST_F(ReaderTest, ReadsDateAndCountryIgnoringCase) {
    get_scn_data(state, "POLAND.SCN", msgs); // stored as poland.scn
    EXPECT_EQ(state.scn_date_text, " 1 SEP  1939");
    EXPECT_EQ(state.scn_country_text, "Germany");
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(ReaderTest, MissingFileGivesNotFoundSilently) {
    get_scn_data(state, "NOPE.SCN", msgs);
    EXPECT_EQ(state.scn_date_text, "**not found**");
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(ReaderTest, EmptyNameChangesNothing) {
    state.scn_date_text = "keep";
    state.scn_path = "path";
    get_scn_data(state, "", msgs);
    EXPECT_EQ(state.scn_date_text, "keep");
    EXPECT_EQ(state.scn_path, "path");
}

TEST_F(ReaderTest, ThreeOrFourPlayersAreRefused) {
    demo::ScnSpec spec;
    spec.player4_country = 5;
    put("four.scn", spec);
    get_scn_data(state, "four.scn", msgs);
    EXPECT_EQ(state.scn_date_text, "");
    EXPECT_EQ(msgs.texts(), std::vector<std::string>{"You have chosen a 3 or 4 player scenario, "
                                                     "this will not work in a campaign"});
}

TEST_F(ReaderTest, BadMonthIsReportedAndShownAsErr) {
    demo::ScnSpec spec;
    spec.month = 14;
    put("badmonth.scn", spec);
    get_scn_data(state, "badmonth.scn", msgs);
    EXPECT_EQ(state.scn_date_text, " 1 ERR  1939");
    EXPECT_EQ(msgs.texts(), std::vector<std::string>{"Error in month for scenario: badmonth.scn"});
}

TEST_F(ReaderTest, CountryCodeAboveTheTableGivesEmptyName) {
    demo::ScnSpec spec;
    spec.main_country = 200;
    put("odd.scn", spec);
    get_scn_data(state, "odd.scn", msgs);
    EXPECT_EQ(state.scn_country_text, "");
    EXPECT_EQ(state.scn_date_text, " 1 SEP  1939");
}

TEST_F(ReaderTest, DetailOfMissingFileKeepsThePreviousData) {
    state.current_scn_name = "NORWAY.SCN";
    ASSERT_TRUE(hent_scn_detail(state, msgs));
    EXPECT_EQ(state.scndata.scn_month(), 4);
    state.current_scn_name = "GONE.SCN";
    EXPECT_FALSE(hent_scn_detail(state, msgs));
    EXPECT_EQ(state.scn_path, "Scenariofile not found.");
    EXPECT_EQ(state.scndata.scn_month(), 4);
}

TEST_F(ReaderTest, ShortFileReadsRestAsZeroAndKeepsUnnamedBytes) {
    demo::ScnSpec spec;
    spec.size = 500;
    put("short.scn", spec);
    state.current_scn_name = "short.scn";
    ASSERT_TRUE(hent_scn_detail(state, msgs));
    std::string bytes = demo::make_scenario_bytes(spec);
    EXPECT_EQ(state.scndata.at(300), static_cast<uint8_t>(bytes[300]));
    EXPECT_EQ(state.scndata.at(11250), 0);
    EXPECT_EQ(field_text(state.scndata.map_file()), "");
}
