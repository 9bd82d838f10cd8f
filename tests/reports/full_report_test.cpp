#include "reports/full_report.h"

#include "platform/files.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

namespace {

// The demo campaign with scenario 0 read from a scenario file made from fields.
struct ReportGame : DemoGame {
    explicit ReportGame(const demo::ScnSpec& fields = {}) {
        write_scenario(state.settings, "FIRST.SCN", fields);
        state.campaign.scenarios[0].scn_file = make_text_field("FIRST.SCN");
    }
    ScenarioSlot& first() { return state.campaign.scenarios[0]; }
    std::vector<std::string> section() {
        return full_report_scenario_lines(state, 0, rows()[0], msgs);
    }
    // The first line of the section that starts with head ("" when none does).
    std::string line(const std::string& head) {
        auto lines = section();
        std::size_t at = index_of(lines, head);
        return at < lines.size() ? lines[at] : "";
    }
};

} // namespace

TEST(FullReport, ScenarioSectionOfTheDemo) {
    ReportGame game;
    auto lines = game.section();
    std::vector<std::string> head = {
        "Scenario number:  0",
        " ",
        "   Scenario Title     : No gametitel found.", // FIRST.SCN names no intro text
        "   Scn Filename       : FIRST.SCN              Scn date           :  1 SEP  1939",
        "   Max prestige cap   : 2000                   Start prestige cap : 800",
        "   Player Start prest.: 400                    AI prestige??      : 0",
        "   Scn smk file       : intro1.smk          ",
        "   Scn text file      : POLbrief.txt           Scn mus file       : brief.mus           ",
        " ",
        "   Scenario summary for scenario no: 0",
        "   --------------------------------------------",
        "   Scn map name       : CIECHANO.MAP           Map type           : OKD map",
        "   Scn intro text     :                     ",
        "   AI stance          : Agressive",
        "   Main Country       : Germany                AI Main Country    : Poland",
        " ",
        "   BV prestige        : 600                    BV-turns:  10",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 17), head);
    EXPECT_EQ(lines.back(), std::string(88, '='));
    EXPECT_EQ(
        lines[lines.size() - 2],
        "   Lose text file     : POLl.txt               Lose speach file   : l.mus               ");
}

TEST(FullReport, ConditionalLines) {
    auto name = [](const char* n) { return make_text_field(n); };
    struct Case {
        const char* what;
        std::function<void(ScenarioSlot&)> change;
        const char* head;
        bool present;
    } cases[] = {
        {"film and film after text",
         [&](ScenarioSlot& s) { s.outcome[BV].smk_after = name("a.smk"); }, "   BV smk file", true},
        {"film after text alone",
         [&](ScenarioSlot& s) {
             s.outcome[TV].smk = blank_field();
             s.outcome[TV].smk_after = name("a.smk");
         },
         "   TV smk file", false},
        {"text without speech", [](ScenarioSlot& s) { s.outcome[L].mus = nul_field(); },
         "   Lose text file", false},
        {"speech without text", [](ScenarioSlot& s) { s.outcome[V].txt = blank_field(); },
         "   V text file", false},
        {"scenario text without speech", [](ScenarioSlot& s) { s.scn_mus = blank_field(); },
         "   Scn text file", false},
    };
    for (const auto& c : cases) {
        ReportGame game;
        c.change(game.first());
        EXPECT_EQ(game.line(c.head) != "", c.present) << c.what;
    }
}

TEST(FullReport, GotoLineNamesTheAlternativeOnlyWhenBothAreSet) {
    const std::string go = "   V Goto             : 3";
    const std::tuple<int16_t, int16_t, std::string> cases[] = {
        {5, 0, go},
        {0, 4, go},
        {-2, 255, go + std::string(22, ' ') + "If #: -2 is not played then goto: 255"},
    };
    for (const auto& [if_played, then_goto, line] : cases) {
        ReportGame game;
        game.first().outcome[V] = {.goto_scn = 3, .if_played = if_played, .then_goto = then_goto};
        EXPECT_EQ(game.line("   V Goto"), line) << if_played << " " << then_goto;
    }
}

TEST(FullReport, RowNotFoundButFileReadGivesNoDetailsAndNoTurns) {
    ReportGame game;
    game.rows();
    std::string row = overview_row(game.first(), 0, "**not found**");
    auto lines = full_report_scenario_lines(game.state, 0, row, game.msgs);
    EXPECT_TRUE(has_line(lines, " Scenario details not available, Could not find scenario file, "
                                "Check scenario directory."));
    EXPECT_EQ(index_of(lines, "   Scn map name"), lines.size());
    EXPECT_EQ(index_of(lines, "   AI stance"), lines.size());
    EXPECT_TRUE(has_line(lines, "   TV prestige        : 200" + std::string(20, ' ')));
    EXPECT_EQ(lines[3], "   Scn Filename       : FIRST.SCN              Scn date           : "
                        "*not found**");
}

TEST(FullReport, CountriesStanceAndLongNames) {
    demo::ScnSpec fields;
    fields.sup_country[1] = 7; // player's second support country: France
    fields.ai_sup_country[3] = 9;
    fields.ai_stance = 2;
    ReportGame game(fields);
    // The game's own country file may hold names longer than the 20 columns.
    std::vector<std::string> names(builtin_country_names().begin() + 1,
                                   builtin_country_names().end());
    names[7] = "Grossdeutsches Reich und Protektorat";
    demo::write_bytes(join_path(game.state.settings.mf7main, "GUI97.TXT"), demo::crlf_text(names));
    auto lines = game.section();
    EXPECT_TRUE(has_line(lines, "   AI stance          : Defensive"));
    EXPECT_TRUE(has_line(lines, "   Main Country       : Grossdeutsches Reich und Protektorat   "
                                "AI Main Country    : Poland"));
    EXPECT_TRUE(has_line(
        lines, "   Player Sup2 Country: France                 AI Sup2 Country    : None"));
    EXPECT_TRUE(has_line(
        lines, "   Player Sup4 Country: None                   AI Sup4 Country    : Greece"));
    EXPECT_EQ(index_of(lines, "   Player Sup1"), lines.size());
}

TEST(FullReport, WrittenReportHeadAndAScenarioNotFound) {
    ReportGame game;
    game.state.cam_folder = game.state.settings.mf7_cam;
    game.state.cam_name = "DEMO.CAM";
    game.state.campaign.player_start_prestige = 40000;
    game.state.campaign.scenario_count = 2;
    game.state.campaign.scenarios[1].scn_file = make_text_field("GONE.SCN");
    auto path = write_full_report(game.state, game.rows(), kTime, game.msgs);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, join_path(game.state.settings.mf7_rep, "Full Campaign Report on DEMO.txt"));
    std::string text = read_all(*path);
    auto lines = split_lines_cr(text);
    std::vector<std::string> head = {
        " ",
        "Report on: " + join_path(game.state.settings.mf7_cam, "DEMO.CAM"),
        "Generated by 'MF7-editor'. Date: 06-12-2026 , time: 19:47:14",
        " ",
        "Campaign Name in Game : Marchfield Demo Campaign",
        std::string(88, '-'),
        "Campaign Filename     : DEMO.CAM",
        "Description Filename  : demo.txt            ",
        " ",
        "Main Country          : Germany",
        "No of scn in campaign : 2",
        "Player Start Prestige : 40000",
        "Campaign Win Smk      : victory.smk         Campaign Lose smk     : defeat.smk          ",
        " ",
        std::string(88, '*'),
        "Scenario number:  0",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 16), head);
    std::string tail = std::string(88, '=') +
                       "\r\nScenario number:  1\r\n \r\nScenariofile not found. Scenario filename "
                       "in campaign file = GONE.SCN\r\n";
    EXPECT_TRUE(text.ends_with(tail));
    EXPECT_EQ(game.msgs.texts().back(), "Campaign Report is saved as: \n\r" + *path);

    // One header film alone prints no film line.
    game.state.campaign.lose_smk = blank_field();
    auto one = full_report_lines(game.state, game.rows(), kTime, game.msgs);
    EXPECT_EQ(index_of(one, "Campaign Win Smk"), one.size());
    EXPECT_EQ(one[12], " ");
}
