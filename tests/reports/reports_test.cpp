#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/report_common.h"
#include "reports/report_nuls.h"

#include "platform/files.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

// The report's name ends in the extension of the edition's text files.
TEST(ReportCommon, ReportPathOfTheCampaignFile) {
    Settings settings;
    settings.mf7_rep = "REP"_path;
    settings.set_mf7text("*.deu");
    const std::pair<const char*, const char*> cases[] = {
        {"", "newcamp"}, {"abc.Cam", "abc"},     {"ABC.XYZ", "ABC.XYZ"},
        {"cam", "cam"},  {"a.cam.cam", "a.cam"},
    };
    for (const auto& [cam_name, base] : cases)
        EXPECT_EQ(report_path(settings, "Filelist for ", NativePath(cam_name)),
                  join_path("REP"_path, NativePath("Filelist for " + std::string(base) + ".deu")))
            << cam_name;
}

// A folder standing where the report should go makes the rename fail; the message names the
// report's own action, and nothing is left behind. A missing report folder is told as such.
TEST(ReportCommon, FailedWritesShowTheErrorWithTheirActionAndLeaveNoFile) {
    using Writer = std::function<ReportWritten(Game&)>;
    const std::tuple<Writer, const char*, const char*> cases[] = {
        {[](Game& g) { return write_campaign_list(g.inputs(g.rows()), kTime, g.msgs); },
         "Small Campaignlist for DEMO.txt", "write Campaignlist: "},
        {[](Game& g) {
             return write_full_report(g.inputs(g.rows()), g.state.countries, kTime, g.msgs);
         },
         "Full Campaign Report on DEMO.txt", "write report: "},
        {[](Game& g) { return write_file_list(g.inputs(g.rows()), kTime, g.msgs); },
         "Filelist for DEMO.txt", "write filelist: "},
    };
    for (const auto& [write, file, action] : cases) {
        DemoGame game;
        game.state.cam_name = "DEMO.CAM"_path;
        NativePath path = join_path(game.settings().mf7_rep, file);
        std::filesystem::create_directory(to_native(path));
        EXPECT_FALSE(write(game));
        ASSERT_EQ(game.msgs.shown.size(), 1u) << file;
        EXPECT_TRUE(game.msgs.shown[0].text.ends_with("< was encountered, While trying to " +
                                                      std::string(action) + path.str()));
        EXPECT_EQ(list_files(game.settings().mf7_rep, "*").size(), 0u);
        // Without the report folder only the folder's message shows.
        game.msgs.clear();
        game.state.settings.mf7_rep = game.dir.file("no-reports");
        EXPECT_FALSE(write(game));
        EXPECT_EQ(game.msgs.texts(),
                  std::vector<std::string>{"Path or Drive error. Correct directory settings before "
                                           "you continue.\n\rCurrent directory setting: " +
                                           game.settings().mf7_rep.str()});
    }
}

TEST(ReportCommon, GameTitleIsTheFirstLineOfTheDescription) {
    DemoGame game;
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"empty.txt", "", "No gametitel found."},
        {"lf.txt", "one\ntwo\r\nthree\r\n", "one\ntwo"},
    };
    for (const auto& [name, contents, title] : cases) {
        demo::write_bytes(join_path(game.settings().mf7_txt, name), contents);
        game.state.campaign.description_txt = make_text_field(name);
        EXPECT_EQ(game_title(game.inputs({})), title) << name;
    }
}

// Each report step blanks the NULs of exactly the names its report reads (a later save keeps
// them): scenario 0 is found, 1 is not, 2 lies beyond the two rows. Without the report folder
// only the check, which writes nowhere, still blanks.
TEST(ReportCommon, EachReportBlanksTheNulsOfTheNamesItReads) {
    using Step = std::function<void(CampaignRecord&, const Settings&)>;
    // Header names, then per scenario: all its names, its file name only, or none.
    enum Touch { None, FileOnly, All };
    struct Case {
        const char* name;
        Step step;
        bool description, win_lose;
        Touch scn0, scn1;
        bool without_folder;
    } cases[] = {
        {"list", [](CampaignRecord& c, const Settings& s) { blank_campaign_list_nuls(c, s); }, true,
         false, None, None, false},
        {"files", [](CampaignRecord& c, const Settings& s) { blank_file_list_nuls(c, s, 2); }, true,
         true, All, All, false},
        {"full", [](CampaignRecord& c, const Settings& s) { blank_full_report_nuls(c, s, 2); },
         true, true, All, FileOnly, false},
        {"check", [](CampaignRecord& c, const Settings&) { blank_check_nuls(c, 2); }, false, false,
         All, All, true},
    };
    auto blanked = [](const TextField& f) {
        return std::find(f.begin(), f.end(), '\0') == f.end();
    };
    auto expect_slot = [&](const ScenarioSlot& s, Touch touch) {
        EXPECT_EQ(blanked(s.scn_file), touch != None);
        for (const TextField* f : {&s.scn_smk, &s.scn_txt, &s.scn_mus, &s.outcome[V].smk,
                                   &s.outcome[L].smk_after, &s.outcome[BV].txt, &s.outcome[TV].mus})
            EXPECT_EQ(blanked(*f), touch == All);
    };
    for (const auto& c : cases) {
        for (bool folder : {true, false}) {
            SCOPED_TRACE(std::string(c.name) + (folder ? "" : " without folder"));
            DemoGame game;
            write_scenario(game.settings(), "HERE.SCN", {});
            CampaignRecord& cam = game.state.campaign;
            const char* files[] = {"HERE.SCN", "GONE.SCN", "HERE.SCN"};
            for (std::size_t i = 0; i < 3; ++i)
                cam.scenarios[i].scn_file = make_text_field(files[i]);
            blanks_to_nul(cam);
            if (!folder)
                game.state.settings.mf7_rep = game.dir.file("no-reports");
            c.step(cam, game.settings());
            bool acts = folder || c.without_folder;
            EXPECT_EQ(blanked(cam.description_txt), acts && c.description);
            EXPECT_EQ(blanked(cam.win_smk) && blanked(cam.lose_smk), acts && c.win_lose);
            expect_slot(cam.scenarios[0], acts ? c.scn0 : None);
            expect_slot(cam.scenarios[1], acts ? c.scn1 : None);
            expect_slot(cam.scenarios[2], None);
        }
    }
}

// A campaign never saved, without its description file: scenario 0 not found, 1 on a stock map
// named in lower case with every kind of goto, 2 removed after the overview was filled, 3 the
// example. Then the count cut short or beyond the rows.
TEST(CampaignList, ExampleOfACampaignNeverSaved) {
    DemoGame game;
    CampaignRecord& cam = game.state.campaign;
    reset_campaign(cam);
    cam.description_txt = make_text_field("nothing.txt");
    cam.scenario_count = 4;
    const char* files[] = {"LOST.SCN", "LOWER.SCN", "GONE.SCN", "SCN03.SCN"};
    for (std::size_t i = 0; i < 4; ++i)
        cam.scenarios[i].scn_file = make_text_field(files[i]);
    ScenarioSlot& s1 = cam.scenarios[1];
    s1.outcome[BV] = {.goto_scn = 255, .if_played = 3};
    s1.outcome[V] = {.goto_scn = 254};
    s1.outcome[TV] = {.goto_scn = 7, .if_played = 1};
    s1.outcome[L] = {.goto_scn = -1};
    ScenarioSlot& s3 = cam.scenarios[3];
    s3.outcome[BV].goto_scn = 4;
    s3.outcome[V] = {.goto_scn = 254, .if_played = 1, .then_goto = 2};
    s3.outcome[TV].goto_scn = 5;
    s3.outcome[L].goto_scn = 255;
    const demo::ScnSpec lower{.map_file = "seelow.map", .intro_txt = ""};
    write_scenario(game.settings(), "LOWER.SCN", lower);
    write_scenario(game.settings(), "GONE.SCN", lower);
    write_scenario(
        game.settings(), "SCN03.SCN",
        {.day = 22, .month = 6, .year_code = 41, .map_file = "MYMAP.MAP", .intro_txt = ""});
    auto rows = game.rows();
    std::filesystem::remove(to_native(join_path(game.settings().mf7_scn, "GONE.SCN")));
    auto path = write_campaign_list(game.inputs(rows), kTime, game.msgs);
    ASSERT_TRUE(path);
    EXPECT_EQ(game.msgs.texts(),
              std::vector<std::string>{"Campaign Filelist is saved as: " + path->str()});
    EXPECT_EQ(read_all(*path),
              join_lines_crlf({
                  " ",
                  " ",
                  "Campaignlist for: " + game.settings().mf7_cam.str() + path_separator(),
                  "Generated by 'MF7-editor'. Date: 06-12-2026 , time: 19:47:14",
                  " ",
                  " ",
                  "Campaign name in Game: No gametitel found.",
                  " ",
                  "(An asterix '*' besides a goto-number indicates that an alternative goto is "
                  "used.) ",
                  " ",
                  "Scn# Scn name            BV goto#  V Goto# TV goto#  L goto#      Start date  "
                  "Mapname              Map-type",
                  " ",
                  " 0   LOST.SCN               **No Scn found**",
                  " 1   LOWER.SCN               LOSE*     WIN        7*      -1     1 SEP  1939  "
                  "SEELOW.MAP           (OKD)",
                  " 2   GONE.SCN               **No Scn found**",
                  " 3   SCN03.SCN                  4      WIN*       5     LOSE    22 JUN  1941  "
                  "MYMAP.MAP            (User)",
                  " ",
                  "End of campaignlist.",
              }));
    // A line per scenario of the count, within the rows.
    const std::pair<int16_t, std::size_t> cases[] = {{2, 2}, {9, 4}, {-3, 0}};
    for (const auto& [count, scenario_lines] : cases) {
        cam.scenario_count = count;
        EXPECT_EQ(campaign_list_lines(game.inputs(rows), kTime, game.msgs).size(),
                  14u + scenario_lines)
            << count;
    }
}

// Scenario 0 of the example, a scenario 1 not found, and the list of the campaign opened from a
// folder of its own: the heading with both films, a section per row, the end.
TEST(FileList, ExampleSectionsAndTheWrittenList) {
    DemoGame game;
    ScenarioSlot& s = game.state.campaign.scenarios[0];
    s = ScenarioSlot::empty();
    s.scn_file = make_text_field("SCN00.SCN");
    s.scn_smk = make_text_field("INTRO.SMK");
    s.scn_txt = make_text_field("INTRO.TXT");
    s.outcome[BV].smk = make_text_field("WIN.SMK");
    s.outcome[V].txt = make_text_field("V.TXT");
    game.state.campaign.scenarios[1] = ScenarioSlot::empty();
    game.state.campaign.scenarios[1].scn_file = make_text_field("GONE.SCN");
    blanks_to_nul(game.state.campaign); // names padded with NULs, as a saved file holds them
    write_scenario(game.settings(), "SCN00.SCN",
                   {.map_file = "POLAND.MAP", .intro_txt = "POL.TXT"});
    auto rows = game.rows();
    std::vector<std::string> example = {
        "Scenario.number:..0",
        "...Scn.name...........:.SCN00.SCN..............Scn.date...........:..1.SEP..1939",
        "...Scn.smk.file.......:.INTRO.SMK...........",
        "...Scn.text.file......:.INTRO.TXT..............Scn.mus.file.......:.....................",
        ".",
        "...Scn.map.name.......:.POLAND.MAP.............Scn.intro.text.....:.POL.TXT.............",
        ".",
        "...BV.smk.file........:.WIN.SMK................Smk.after.text.file:.....................",
        ".",
        "...V.text.file........:.V.TXT..................V.sound.file.......:.....................",
        ".",
        ".",
        "----------",
    };
    EXPECT_EQ(dotted(file_list_scenario_lines(game.inputs(rows), 0, game.msgs)), example);
    std::vector<std::string> not_found = {
        "Scenario number:  1",
        "   Scn name           : GONE.SCN               Scn date           : *not found**",
        " ",
        " Scenario details not available, Could not find scenario file, Check scenario "
        "directory.",
        " ",
        " ",
        " ",
        " ",
        "----------",
    };
    EXPECT_EQ(file_list_scenario_lines(game.inputs(rows), 1, game.msgs), not_found);

    game.state.cam_name = "DEMO.CAM"_path;
    game.state.cam_folder = game.dir.path();
    auto path = write_file_list(game.inputs(rows), kTime, game.msgs);
    ASSERT_TRUE(path);
    EXPECT_EQ(game.msgs.texts(),
              std::vector<std::string>{"Campaign Filelist is saved as: \n\r" + path->str()});
    std::string text = read_all(*path);
    EXPECT_TRUE(text.starts_with(join_lines_crlf({
        " ",
        " ",
        "Filelist for: " + join_path(game.dir.path(), "DEMO.CAM").str(),
        "Generated by 'MF7-editor'. Date: 06-12-2026 , time: 19:47:14",
        " ",
        " ",
        "Campaign name: DEMO.CAM                       Campaign description text: demo.txt    "
        "        ",
        " ",
        "No of scn in campaign : 8",
        "   Win Smk            : victory.smk            Lose smk           : defeat.smk          ",
        " ",
        "----------",
    })));
    EXPECT_TRUE(text.ends_with("----------\r\nEnd of campaign filelist.\r\n"));
}

namespace {

// The demo campaign with scenario 0 read from a scenario file made from fields.
struct ReportGame : DemoGame {
    explicit ReportGame(const demo::ScnSpec& fields = {}) {
        write_scenario(state.settings, "FIRST.SCN", fields);
        state.campaign.scenarios[0].scn_file = make_text_field("FIRST.SCN");
    }
    ScenarioSlot& first() { return state.campaign.scenarios[0]; }
};

} // namespace

// The demo's first two scenarios: the first with lines missing one of their two names, support
// countries beyond the first and a name longer than its column; the second not found.
TEST(FullReport, WrittenReportOfTheDemo) {
    // The player's second support country is France, the AI's fourth Greece.
    ReportGame game({.sup_country = {0, 7, 0, 0},
                     .ai_sup_country = {0, 0, 0, 9},
                     .ai_stance = 2,
                     .intro_txt = ""});
    std::vector<std::string> names(builtin_country_names().begin() + 1,
                                   builtin_country_names().end());
    names[7] = "Grossdeutsches Reich und Protektorat";
    demo::write_bytes(join_path(game.settings().mf7main, "GUI97.TXT"), demo::crlf_text(names));
    ScenarioSlot& s = game.first();
    s.outcome[BV].smk_after = make_text_field("a.smk");
    s.outcome[V].if_played = -2;
    s.outcome[V].then_goto = 255;
    s.outcome[V].txt = blank_field();
    s.outcome[TV].smk = blank_field();
    s.outcome[TV].smk_after = make_text_field("a.smk");
    s.outcome[TV].if_played = 5;
    s.outcome[L].mus = nul_field();
    s.outcome[L].then_goto = 4;
    game.state.cam_folder = game.settings().mf7_cam;
    game.state.cam_name = "DEMO.CAM"_path;
    game.state.campaign.player_start_prestige = 40000;
    game.state.campaign.scenario_count = 2;
    game.state.campaign.scenarios[1].scn_file = make_text_field("GONE.SCN");
    auto path = write_full_report(game.inputs(game.rows()), game.state.countries, kTime, game.msgs);
    ASSERT_TRUE(path);
    EXPECT_EQ(game.msgs.texts().back(), "Campaign Report is saved as: \n\r" + path->str());
    EXPECT_EQ(
        read_all(*path),
        join_lines_crlf({
            " ",
            "Report on: " + join_path(game.settings().mf7_cam, "DEMO.CAM").str(),
            "Generated by 'MF7-editor'. Date: 06-12-2026 , time: 19:47:14",
            " ",
            "Campaign Name in Game : Marchfield Demo Campaign",
            std::string(88, '-'),
            "Campaign Filename     : DEMO.CAM",
            "Description Filename  : demo.txt            ",
            " ",
            "Main Country          : Grossdeutsches Reich und Protektorat",
            "No of scn in campaign : 2",
            "Player Start Prestige : 40000",
            "Campaign Win Smk      : victory.smk         Campaign Lose smk     : defeat.smk"
            "          ",
            " ",
            std::string(88, '*'),
            "Scenario number:  0",
            " ",
            "   Scenario Title     : No gametitel found.", // FIRST.SCN names no intro text
            "   Scn Filename       : FIRST.SCN              Scn date           :  1 SEP  1939",
            "   Max prestige cap   : 2000                   Start prestige cap : 800",
            "   Player Start prest.: 400                    AI prestige??      : 0",
            "   Scn smk file       : intro1.smk          ",
            "   Scn text file      : POLbrief.txt           Scn mus file       : brief.mus"
            "           ",
            " ",
            "   Scenario summary for scenario no: 0",
            "   --------------------------------------------",
            "   Scn map name       : CIECHANO.MAP           Map type           : OKD map",
            "   Scn intro text     :                     ",
            "   AI stance          : Defensive",
            "   Main Country       : Grossdeutsches Reich und Protektorat   AI Main Country    : "
            "Poland",
            "   Player Sup2 Country: France                 AI Sup2 Country    : None",
            "   Player Sup4 Country: None                   AI Sup4 Country    : Greece",
            " ",
            "   BV prestige        : 600                    BV-turns:  10",
            "   BV Goto            : 1",
            "   BV smk file        : bv.smk                 Smk after text file: a.smk"
            "               ",
            "   BV text file       : POLbv.txt              BV speach file     : bv.mus"
            "              ",
            " ",
            "   V prestige         : 400                    V-turns :  14",
            "   V Goto             : 1                      If #: -2 is not played then goto: 255",
            " ",
            "   TV prestige        : 200                    TV-turns:  18",
            "   TV Goto            : 1",
            "   TV text file       : POLtv.txt              TV speach file     : tv.mus"
            "              ",
            " ",
            "   Lose prestige      : 0",
            "   L Goto             : 255",
            std::string(88, '='),
            "Scenario number:  1",
            " ",
            "Scenariofile not found. Scenario filename in campaign file = GONE.SCN",
        }));
}

// Unlike the file list, the full report prints a line of two names only when both are given. A
// row not found, though the file was read, gives no details and no turns.
TEST(FullReport, LinesOfTwoNamesNeedBothAndARowNotFoundHasNoDetails) {
    ReportGame game;
    game.first().scn_mus = blank_field();
    game.state.campaign.lose_smk = blank_field();
    auto rows = game.rows();
    auto lines = full_report_lines(game.inputs(rows), game.state.countries, kTime, game.msgs);
    EXPECT_EQ(index_of(lines, "Campaign Win Smk"), lines.size());
    EXPECT_EQ(lines[12], " ");
    lines = full_report_scenario_lines(game.inputs(rows), game.state.countries, 0, game.msgs);
    EXPECT_EQ(index_of(lines, "   Scn text file"), lines.size());
    rows[0].file_missing = true;
    rows[0].date = "**not found**";
    lines = full_report_scenario_lines(game.inputs(rows), game.state.countries, 0, game.msgs);
    EXPECT_TRUE(has_line(lines, " Scenario details not available, Could not find scenario file, "
                                "Check scenario directory."));
    EXPECT_EQ(index_of(lines, "   Scn map name"), lines.size());
    EXPECT_TRUE(has_line(lines, "   TV prestige        : 200" + std::string(20, ' ')));
    EXPECT_EQ(lines[3], "   Scn Filename       : FIRST.SCN              Scn date           : "
                        "*not found**");
}
