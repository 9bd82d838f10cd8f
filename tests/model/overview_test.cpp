#include "model/overview.h"

#include "platform/text.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(OverviewRow, NulsInTheNameShowAsBlanks) {
    ScenarioSlot s = ScenarioSlot::empty();
    s.scn_file = nul_field();
    s.scn_file[0] = 'A';
    s.outcome[BV].goto_scn = -1;
    s.outcome[L] = {.goto_scn = 255, .if_played = -5}; // negative: no mark
    EXPECT_EQ(overview_row(s, 12, " 22 JUN  1941"), "12   A" + std::string(26, ' ') +
                                                        "-1         0         0       255 " +
                                                        std::string(7, ' ') + " 22 JUN  1941");
}

TEST(Overview, FillsHeaderRowsAndMainCountry) {
    DemoGame game;
    RecordingMessages msgs;
    game.state.campaign = demo::demo_campaign();
    game.state.campaign.scenarios[3].scn_file = make_text_field("lost.scn");
    game.state.campaign.scenarios[5].scn_file = blank_field();
    OverviewFill f = fill_overview(game.state, msgs);
    EXPECT_EQ(f.text1 + " " + f.text2 + " " + f.text3 + " " + f.text5,
              "8 1200 victory.smk demo.txt");
    EXPECT_EQ(f.text6.substr(0, 9), "4D 46 00 ");
    ASSERT_EQ(f.rows.size(), 8u);
    EXPECT_EQ(f.rows[0].substr(65), pad_left(" 1 SEP  1939", 20));
    EXPECT_EQ(f.rows[3].substr(65), pad_left("**not found**", 20));
    EXPECT_EQ(f.rows[5].substr(65), std::string(20, ' '));
    EXPECT_EQ(f.label7, "Main Country : Germany");
    EXPECT_EQ(game.state.scn_date_text, "");
    EXPECT_TRUE(msgs.shown.empty());

    // No scenarios: one empty row, and the count becomes one.
    reset_campaign(game.state.campaign);
    f = fill_overview(game.state, msgs);
    EXPECT_EQ(game.state.campaign.scenario_count, 1);
    EXPECT_EQ(f.rows, std::vector<std::string>{" 0   " + std::string(20, ' ') +
                                               "        0         0         0         0 " +
                                               std::string(20, ' ')});
    EXPECT_EQ(f.label7, std::nullopt);
}
