#include "reports/missing_files_check.h"

#include "model/overview.h"
#include "model/state.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace mf7;
using namespace mf7::test;

namespace {

// The generated campaign with every file present, checked as the overview shows it.
struct CheckGame : FullGame {
    RecordingMessages msgs;

    explicit CheckGame(int count) : FullGame(count) {}

    CheckResult run() {
        OverviewFill fill = udfyld_form1(state, msgs);
        return check_missing_files(state, {fill.text3, fill.text4, fill.text5}, fill.rows, msgs);
    }
    std::string scn(const std::string& name) const { return join_path(settings().mf7_scn, name); }
    void remove(const std::string& path) { std::filesystem::remove(to_native(path)); }
    OutcomeRecord& outcome(int scenario, int k) {
        return state.camfil.scenarios[static_cast<std::size_t>(scenario)]
            .outcome[static_cast<std::size_t>(k)];
    }
};

std::vector<std::string> lines_of(const CheckResult& r) {
    return split_lines_cr(r.text);
}

bool has(const CheckResult& r, const std::string& line) {
    auto l = lines_of(r);
    return std::find(l.begin(), l.end(), line) != l.end();
}

std::string crlf_joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines)
        out += (out.empty() ? "" : "\r\n") + l;
    return out;
}

} // namespace

TEST(MissingFilesCheck, ExampleText) {
    CheckGame game(12);
    game.remove(join_path(game.settings().mf7_smk, "INTRO2.SMK"));
    game.outcome(3, V).goto_scn = 60;
    CheckResult r = game.run();
    EXPECT_EQ(r.text, crlf_joined({
                          "  ",
                          "Scn #  2 - Missing scn smk-file: " +
                              join_path(game.settings().mf7_smk, "INTRO2.SMK"),
                          "Scn #:  3 - V-goto illegal.",
                          "-- file-checker - statistics --",
                          "Total number of files not found:  1",
                          "Total number of GOTO's 'Out-of-range' in campaign:  1",
                          "Campaign seems 'not playable'.",
                          "You can Win the Campaign.",
                          "You can Loose the Campaign.",
                          "-- end of file-check --",
                      }));
    EXPECT_EQ(r.caption, join_path(game.settings().mf7_rep, "Missing-Files-List-FULL.txt"));
    EXPECT_EQ(r.counters.missing_files, 1);
    EXPECT_EQ(r.counters.out_of_range_gotos, 1);
    EXPECT_FALSE(r.playable);
    EXPECT_TRUE(r.can_win);
    EXPECT_TRUE(r.can_lose);
    EXPECT_TRUE(game.msgs.shown.empty());
}

TEST(MissingFilesCheck, EmptyStatisticsAndTheSavedFile) {
    CheckGame game(3);
    CheckResult r = game.run();
    std::string expected = "  \r\n-- file-checker - statistics --\r\nCampaign seems 'playable'.\r\n"
                           "You can Win the Campaign.\r\nYou can Loose the Campaign.\r\n"
                           "-- end of file-check --";
    EXPECT_EQ(r.text, expected);
    EXPECT_TRUE(r.playable);
    ASSERT_TRUE(save_check_report(r, game.msgs));
    EXPECT_EQ(read_all(r.caption), expected + "\r\n");
}

TEST(MissingFilesCheck, NeverSavedCampaignAndHeaderFiles) {
    CheckGame game(2);
    game.state.cam_name.clear();
    game.state.cam_folder.clear();
    OverviewFill fill = udfyld_form1(game.state, game.msgs);
    CheckResult r =
        check_missing_files(game.state, {"nowin.smk", "  ", "gone.txt"}, fill.rows, game.msgs);
    EXPECT_EQ(r.caption, join_path(game.settings().mf7_rep, "Missing-Files-List-newcamp.txt"));
    auto lines = lines_of(r);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Campaign-file Missing : " + game.settings().mf7_cam + path_separator());
    EXPECT_EQ(lines[1],
              "Campaign text-file Missing : " + join_path(game.settings().mf7_txt, "gone.txt"));
    EXPECT_EQ(lines[2],
              "Campaign-win smk-file Missing : " + join_path(game.settings().mf7_smk, "nowin.smk"));
    EXPECT_EQ(lines[3], "  ");
    EXPECT_EQ(r.counters.missing_files, 3);
    EXPECT_TRUE(r.playable);
}

// Every then_goto of the campaign set to 1, so that nothing but a goto names scenario 0.
static void never_zero(CheckGame& g) {
    for (int s = 0; s < 5; ++s)
        for (int k = 0; k < kOutcomes; ++k)
            g.outcome(s, k).then_goto = 1;
}

TEST(MissingFilesCheck, MissingScenarioIsUsedOnlyWhenAGotoNamesIt) {
    struct Case {
        const char* what;
        int missing;
        std::function<void(CheckGame&)> change;
        bool used;
    } cases[] = {
        {"the goto of the scenario before", 4, [](CheckGame&) {}, true},
        {"no goto", 4,
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(3, k).goto_scn = 254;
         },
         false},
        {"an if_played only", 4,
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(3, k).goto_scn = 254;
             g.outcome(1, BV).if_played = 4;
             g.outcome(1, BV).then_goto = 2;
         },
         false},
        {"a then_goto", 4,
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(3, k).goto_scn = 254;
             g.outcome(1, TV).if_played = 2;
             g.outcome(1, TV).then_goto = 4;
         },
         true},
        {"its own loss", 4,
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(3, k).goto_scn = 254;
             g.outcome(4, L).goto_scn = 4;
         },
         true},
        // An unused then_goto holds 0 in the game's files, which names the first scenario.
        {"the first scenario, named by the then_gotos left at 0", 0, [](CheckGame&) {}, true},
        {"the first scenario, never named", 0, [](CheckGame& g) { never_zero(g); }, false},
        {"the first scenario, named by one goto", 0,
         [](CheckGame& g) {
             never_zero(g);
             g.outcome(4, L).goto_scn = 0;
         },
         true},
    };
    for (const auto& c : cases) {
        CheckGame game(5);
        std::string name = "FULL0" + std::to_string(c.missing) + ".SCN";
        game.remove(game.scn(name));
        c.change(game);
        CheckResult r = game.run();
        std::string n = " " + std::to_string(c.missing);
        EXPECT_TRUE(has(r, "Scn #: " + n + " - Missing scn-file: " + game.scn(name))) << c.what;
        EXPECT_EQ(has(r, "Scn #: " + n +
                             " - Scenario is used by campaign -------------------------- this "
                             "will crash the campaign."),
                  c.used)
            << c.what;
        EXPECT_EQ(has(r, "Scn #: " + n + " - Scenario is not used by campaign."), !c.used)
            << c.what;
        EXPECT_TRUE(has(r, "Scn # " + n +
                               " - Scenario details not available, Could not find scenario file, "
                               "Check scenario directory."))
            << c.what;
        EXPECT_EQ(r.counters.missing_used_scn_files, c.used ? 1 : 0) << c.what;
        EXPECT_EQ(r.playable, !c.used) << c.what;
        EXPECT_EQ(r.counters.missing_files, 0) << c.what;
    }
}

TEST(MissingFilesCheck, GotoRanges) {
    struct Case {
        int value;
        bool illegal;
    } cases[] = {{0, false},   {4, false},   {5, true},    {100, true}, {253, true},  {254, false},
                 {255, false}, {256, false}, {300, false}, {-1, false}, {-300, false}};
    struct Field {
        int16_t OutcomeRecord::*member;
        const char* line;
    } fields[] = {{&OutcomeRecord::goto_scn, "Scn #:  2 - TV-goto illegal."},
                  {&OutcomeRecord::if_played, "Scn #:  2 - TV-if_played illegal."},
                  {&OutcomeRecord::then_goto, "Scn #:  2 - TV-Then_goto illegal."}};
    for (const auto& f : fields) {
        for (const auto& c : cases) {
            CheckGame game(5);
            game.outcome(2, TV).*f.member = static_cast<int16_t>(c.value);
            CheckResult r = game.run();
            EXPECT_EQ(has(r, f.line), c.illegal) << f.line << " " << c.value;
            EXPECT_EQ(r.counters.out_of_range_gotos, c.illegal ? 1 : 0) << c.value;
            EXPECT_EQ(r.playable, !c.illegal) << c.value;
        }
    }
}

TEST(MissingFilesCheck, MapGraphicsNamedByTheMapNumber) {
    struct Case {
        int16_t number;
        const char* digits;
    } cases[] = {{5, "05"}, {123, "123"}, {-1, "-1"}, {12, "12"}};
    for (const auto& c : cases) {
        CheckGame game(1);
        std::string map = game.scn("MAP00.MAP");
        demo::write_bytes(map, demo::make_map_bytes(c.number));
        std::string shp_folder = join_path(game.settings().mf7main, "MAP");
        CheckResult r = game.run();
        EXPECT_TRUE(has(r, "Scn #  0 - SHP-files missing for map-file: " + map)) << c.number;
        EXPECT_TRUE(has(r, "Scn #  0 - SHP-files missing: " +
                               join_path(shp_folder, std::string("MAP") + c.digits + "nn.SHP")))
            << c.number;
        EXPECT_EQ(r.counters.missing_map_graphics, 1);
        EXPECT_FALSE(r.playable);

        demo::write_bytes(join_path(shp_folder, std::string("MAP") + c.digits + "00.SHP"), "SHP");
        r = game.run();
        EXPECT_EQ(r.counters.missing_map_graphics, 0) << c.number;
        EXPECT_TRUE(r.playable) << c.number;
    }
}

TEST(MissingFilesCheck, MapNamesAndScenarioNames) {
    CheckGame game(3);
    demo::ScnSpec no_map;
    no_map.map_file = "";
    write_scenario(game.settings(), "FULL00.SCN", no_map);
    game.remove(game.scn("MAP01.MAP"));
    game.state.camfil.scenarios[2].scn_file = blank_field();
    CheckResult r = game.run();
    EXPECT_TRUE(has(r, "Scn #  0 - No MAP file-name in scenario-file."));
    EXPECT_TRUE(has(r, "Scn #  1 - Missing map-file: " + game.scn("MAP01.MAP")));
    EXPECT_TRUE(has(r, "Scn #  2 - No Scenario-SCN file-name in Campaign."));
    EXPECT_EQ(r.counters.blank_map_names, 1);
    EXPECT_EQ(r.counters.missing_map_files, 1);
    EXPECT_EQ(r.counters.blank_scn_names, 1);
    auto lines = lines_of(r);
    std::vector<std::string> tail(lines.end() - 8, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{
                        "-- file-checker - statistics --",
                        "Total number of scn-names not found in cam-file:  1",
                        "Total number of map-names not found in scn-file:  1",
                        "Total number of map-files not found            :  1",
                        "Campaign seems 'not playable'.",
                        "You can Win the Campaign.",
                        "You can Loose the Campaign.",
                        "-- end of file-check --",
                    }));
}

TEST(MissingFilesCheck, IntroTextGetsTheExtensionWhenItLacksIt) {
    struct Case {
        const char* intro;
        const char* tested; // nullptr: nothing tested
    } cases[] = {{"INTRO", "INTRO.txt"},
                 {"INTRO.txt", "INTRO.txt"},
                 {"INTRO.TXT", "INTRO.TXT.txt"},
                 {"", nullptr}};
    for (const auto& c : cases) {
        CheckGame game(1);
        demo::ScnSpec spec;
        spec.map_file = "MAP00.MAP";
        spec.intro_txt = c.intro;
        write_scenario(game.settings(), "FULL00.SCN", spec);
        CheckResult r = game.run();
        EXPECT_EQ(r.counters.missing_files, c.tested ? 1 : 0) << c.intro;
        if (c.tested) {
            EXPECT_TRUE(has(r, "Scn #  0 - Missing scn text-file: " +
                                   join_path(game.settings().mf7_txt, c.tested)))
                << c.intro;
        }
    }
}

TEST(MissingFilesCheck, WinAndLoseAnywhereInTheUsedSlots) {
    struct Case {
        const char* what;
        std::function<void(CheckGame&)> change;
        bool win, lose;
    } cases[] = {
        {"as generated", [](CheckGame&) {}, true, true},
        {"no 254",
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(2, k).goto_scn = 0;
         },
         false, true},
        {"no 255",
         [](CheckGame& g) {
             for (int s = 0; s < 3; ++s)
                 g.outcome(s, L).goto_scn = static_cast<int16_t>(s);
         },
         true, false},
        {"254 only as a then_goto",
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(2, k).goto_scn = 0;
             g.outcome(0, V).if_played = 1;
             g.outcome(0, V).then_goto = 254;
         },
         true, true},
        {"254 only as an if_played",
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(2, k).goto_scn = 0;
             g.outcome(0, V).if_played = 254;
         },
         false, true},
        {"254 only beyond the count",
         [](CheckGame& g) {
             for (int k : {BV, V, TV})
                 g.outcome(2, k).goto_scn = 0;
             g.outcome(3, BV).goto_scn = 254;
         },
         false, true},
    };
    for (const auto& c : cases) {
        CheckGame game(3);
        c.change(game);
        CheckResult r = game.run();
        EXPECT_EQ(r.can_win, c.win) << c.what;
        EXPECT_EQ(r.can_lose, c.lose) << c.what;
        auto lines = lines_of(r);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[lines.size() - 3],
                  c.win ? "You can Win the Campaign." : "You can't Win the Campaign.")
            << c.what;
        EXPECT_EQ(lines[lines.size() - 2],
                  c.lose ? "You can Loose the Campaign." : "You can't Loose the Campaign.")
            << c.what;
    }
}

TEST(MissingFilesCheck, CountriesAreComparedOnlyBetweenFilesReadNow) {
    CheckGame game(4);
    demo::ScnSpec other;
    other.main_country = 9;
    other.map_file = "MAP01.MAP";
    write_scenario(game.settings(), "FULL01.SCN", other);
    game.remove(game.scn("FULL02.SCN")); // read after scenario 1: must not inherit its country
    CheckResult r = game.run();
    EXPECT_TRUE(has(r, "Error in Country - Campaign Main country is NOT the same as Main Country "
                       "for scn#  1"));
    EXPECT_EQ(r.counters.country_errors, 1);
    EXPECT_TRUE(has(r, "Total number of scenarios with errors in Main Country:  1"));
    EXPECT_TRUE(has(r, "   - this could be intentional, but could lead to unwanted results."));
    EXPECT_EQ(r.counters.missing_used_scn_files, 1);

    // Without the first scenario's file there is no campaign country to compare with.
    game.remove(game.scn("FULL00.SCN"));
    r = game.run();
    EXPECT_EQ(r.counters.country_errors, 0);
    EXPECT_EQ(r.text.find("Error in Country"), std::string::npos);
    EXPECT_EQ(r.text.find("this could be intentional"), std::string::npos);
}

TEST(MissingFilesCheck, UnreadableMapFileCountsAsMissing) {
    CheckGame game(2);
    std::string map = game.scn("MAP00.MAP");
    game.remove(map);
    // A file that exists but fails on reading: the process memory file, read from address 0.
    std::error_code ec;
    std::filesystem::create_symlink("/proc/self/mem", to_native(map), ec);
    std::string bytes;
    FileError error;
    if (ec || !file_exists(map) || read_file(map, bytes, error, 2))
        GTEST_SKIP() << "no unreadable file can be made here";
    CheckResult r = game.run();
    EXPECT_TRUE(has(r, "Scn #  0 - Map-file could not be read: " + map));
    EXPECT_EQ(r.counters.missing_map_files, 1);
    EXPECT_EQ(r.counters.missing_map_graphics, 0);
    EXPECT_FALSE(r.playable);
    // The check goes on: scenario 1 and the statistics follow.
    EXPECT_TRUE(has(r, "Total number of map-files not found            :  1"));
    EXPECT_EQ(r.text.substr(r.text.size() - 23), "-- end of file-check --");
}

TEST(MissingFilesCheck, LeavesTheRecordFreeOfNulsAndUnchanged) {
    CheckGame game(2);
    ASSERT_EQ(game.state.camfil.scenarios[1].outcome[BV].smk.back(), '\0');
    game.run();
    for (const auto& s : {game.state.camfil.scenarios[0], game.state.camfil.scenarios[1]}) {
        EXPECT_EQ(std::count(s.scn_file.begin(), s.scn_file.end(), '\0'), 0);
        EXPECT_EQ(std::count(s.scn_smk.begin(), s.scn_smk.end(), '\0'), 0);
        EXPECT_EQ(std::count(s.outcome[L].smk_after.begin(), s.outcome[L].smk_after.end(), '\0'),
                  0);
    }
    EXPECT_FALSE(game.state.campaign_changed);
}

TEST(MissingFilesCheck, CampaignWithoutRows) {
    CheckGame game(2);
    CheckResult r =
        check_missing_files(game.state, {"WON.SMK", "LOST.SMK", "full.txt"}, {}, game.msgs);
    EXPECT_EQ(r.text, crlf_joined({"  ", "-- file-checker - statistics --",
                                   "Campaign seems 'playable'.", "You can't Win the Campaign.",
                                   "You can't Loose the Campaign.", "-- end of file-check --"}));
    EXPECT_FALSE(r.can_win);
    EXPECT_FALSE(r.can_lose);
}
