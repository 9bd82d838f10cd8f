#include "model/overview.h"

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
