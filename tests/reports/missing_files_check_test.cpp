#include "reports/missing_files_check.h"

#include "platform/files.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

namespace {

// One change to an outcome field: scenario, outcome, field, value.
using Edit = std::tuple<int, Outcome, int16_t OutcomeRecord::*, int16_t>;
constexpr auto Goto = &OutcomeRecord::goto_scn;
constexpr auto If = &OutcomeRecord::if_played;
constexpr auto Then = &OutcomeRecord::then_goto;

// The generated campaign with every file present, with ways to take files away and edit gotos.
struct CheckGame : FullGame {
    explicit CheckGame(int count) : FullGame(count) {}

    NativePath scn(const std::string& name) const {
        return join_path(settings().mf7_scn, NativePath(name));
    }
    void remove(const NativePath& path) { std::filesystem::remove(to_native(path)); }
    void apply(const std::vector<Edit>& edits) {
        for (const auto& [scn, k, field, value] : edits)
            state.campaign.scenarios[static_cast<std::size_t>(scn)].outcome[k].*field = value;
    }
};

bool has(const CheckResult& r, const std::string& line) {
    return has_line(split_lines_cr(r.text), line);
}

} // namespace

// The whole text, lines ended by CR LF but the last, of a campaign never saved whose header
// names files typed but not found.
TEST(MissingFilesCheck, ExampleText) {
    CheckGame game(12);
    game.state.cam_name.clear();
    game.state.cam_folder.clear();
    game.remove(join_path(game.settings().mf7_smk, "INTRO2.SMK"));
    game.apply({{3, V, Goto, 60}});
    CheckResult r =
        check_missing_files(game.inputs(game.rows()), {"nowin.smk", "  ", "gone.txt"}, game.msgs);
    const Settings& s = game.settings();
    EXPECT_EQ(
        r.text + "\r\n",
        join_lines_crlf({"Campaign-file Missing : " + s.mf7_cam.str() + path_separator(),
                         "Campaign text-file Missing : " + in(s.mf7_txt, "gone.txt"),
                         "Campaign-win smk-file Missing : " + in(s.mf7_smk, "nowin.smk"), "  ",
                         "Scn #  2 - Missing scn smk-file: " + in(s.mf7_smk, "INTRO2.SMK"),
                         "Scn #:  3 - V-goto illegal.", "-- file-checker - statistics --",
                         "Total number of files not found:  4",
                         "Total number of GOTO's 'Out-of-range' in campaign:  1",
                         "Campaign seems 'not playable'.", "You can Win the Campaign.",
                         "You can Loose the Campaign.", "-- end of file-check --"}));
    EXPECT_EQ(r.caption, join_path(s.mf7_rep, "Missing-Files-List-newcamp.txt"));
    EXPECT_FALSE(r.playable);
    EXPECT_TRUE(game.msgs.shown.empty());
}

TEST(MissingFilesCheck, MissingScenarioIsUsedOnlyWhenAGotoNamesIt) {
    // What names it, the missing scenario, whether scenario 3's wins skip it, whether no then_goto
    // is left at 0, edits, whether it is used.
    const std::tuple<const char*, int, bool, bool, std::vector<Edit>, bool> cases[] = {
        {"the goto of the scenario before", 4, false, false, {}, true},
        {"no goto", 4, true, false, {}, false},
        {"an if_played only", 4, true, false, {{1, BV, If, 4}, {1, BV, Then, 2}}, false},
        {"a then_goto", 4, true, false, {{1, TV, If, 2}, {1, TV, Then, 4}}, true},
        {"its own loss", 4, true, false, {{4, L, Goto, 4}}, true},
        // An unused then_goto holds 0 in the game's files, which names the first scenario.
        {"the first, named by the then_gotos left at 0", 0, false, false, {}, true},
        {"the first, never named", 0, false, true, {}, false},
    };
    for (const auto& [what, missing, wins_skip_it, never_zero, edits, used] : cases) {
        SCOPED_TRACE(what);
        CheckGame game(5);
        std::string name = "FULL0" + std::to_string(missing) + ".SCN";
        game.remove(game.scn(name));
        if (wins_skip_it)
            game.apply({{3, BV, Goto, 254}, {3, V, Goto, 254}, {3, TV, Goto, 254}});
        for (int s = 0; never_zero && s < 5; ++s)
            game.apply({{s, BV, Then, 1}, {s, V, Then, 1}, {s, TV, Then, 1}, {s, L, Then, 1}});
        game.apply(edits);
        CheckResult r = game.check();
        std::string n = " " + std::to_string(missing) + " - ", head = "Scn #: " + n;
        EXPECT_TRUE(has(r, head + "Missing scn-file: " + game.scn(name).str()));
        EXPECT_TRUE(has(r, head + (used ? "Scenario is used by campaign ----------------------"
                                          "---- this will crash the campaign."
                                        : "Scenario is not used by campaign.")));
        EXPECT_TRUE(has(r, "Scn # " + n +
                               "Scenario details not available, Could not find "
                               "scenario file, Check scenario directory."));
        EXPECT_EQ(has(r, "Campaign seems 'playable'."), !used);
    }
}

// Among 5 scenarios a goto of 5 to 253 leads nowhere; 254 and 255 end the campaign.
TEST(MissingFilesCheck, GotoRanges) {
    const std::pair<int16_t, bool> cases[] = {{4, false},   {5, true},    {253, true},
                                              {254, false}, {256, false}, {-1, false}};
    for (const auto& [value, illegal] : cases) {
        SCOPED_TRACE(value);
        CheckGame game(5);
        game.apply({{2, TV, Goto, value}, {2, TV, If, value}, {2, TV, Then, value}});
        CheckResult r = game.check();
        for (const char* field : {"goto", "if_played", "Then_goto"})
            EXPECT_EQ(has(r, "Scn #:  2 - TV-" + std::string(field) + " illegal."), illegal);
        EXPECT_EQ(r.counters.out_of_range_gotos, illegal ? 3 : 0);
        EXPECT_EQ(r.playable, !illegal);
    }
}

// Scenario 0 names no map, 1's map is gone, 2 has no file name; 3 to 5 have maps without their
// graphics (MAPnn00.SHP) and intro texts that get the extension unless they end with it.
TEST(MissingFilesCheck, MapsGraphicsIntroTextsAndBlankNames) {
    CheckGame game(6);
    write_scenario(game.settings(), "FULL00.SCN", {.map_file = "", .intro_txt = ""});
    game.remove(game.scn("MAP01.MAP"));
    game.state.campaign.scenarios[2].scn_file = blank_field();
    const std::pair<int16_t, const char*> maps[] = {{7, "07"}, {123, "123"}, {-1, "-1"}};
    const char* intros[] = {"INTRO.TXT", "", "INTRO05.txt"};
    std::string shp = in(game.settings().mf7main, "MAP") + path_separator() + "MAP";
    for (int s = 3; s < 6; ++s) {
        std::string map = "MAP0" + std::to_string(s) + ".MAP";
        write_scenario(game.settings(), "FULL0" + std::to_string(s) + ".SCN",
                       {.map_file = map, .intro_txt = intros[s - 3]});
        demo::write_bytes(game.scn(map), demo::make_map_bytes(maps[s - 3].first));
    }
    CheckResult r = game.check();
    EXPECT_TRUE(has(r, "Scn #  0 - No MAP file-name in scenario-file."));
    EXPECT_TRUE(has(r, "Scn #  1 - Missing map-file: " + game.scn("MAP01.MAP").str()));
    EXPECT_TRUE(has(r, "Scn #  2 - No Scenario-SCN file-name in Campaign."));
    EXPECT_TRUE(has(r, "Scn #  3 - Missing scn text-file: " +
                           in(game.settings().mf7_txt, "INTRO.TXT.txt")));
    for (int s = 3; s < 6; ++s) {
        std::string head = "Scn #  " + std::to_string(s) + " - SHP-files missing";
        EXPECT_TRUE(
            has(r, head + " for map-file: " + game.scn("MAP0" + std::to_string(s) + ".MAP").str()));
        EXPECT_TRUE(has(r, head + ": " + shp + maps[s - 3].second + "nn.SHP"));
    }
    auto lines = split_lines_cr(r.text);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 10, lines.end() - 4),
              (std::vector<std::string>{"-- file-checker - statistics --",
                                        "Total number of files not found:  1",
                                        "Total number of scn-names not found in cam-file:  1",
                                        "Total number of map-names not found in scn-file:  1",
                                        "Total number of map-files not found            :  1",
                                        "Total number of missing MAP-graphichs          :  3"}));
}

TEST(MissingFilesCheck, WinAndLoseAnywhereInTheUsedSlots) {
    // What the case shows, whether the last scenario's wins go to 0, edits, can win, can lose.
    const std::tuple<const char*, bool, std::vector<Edit>, bool, bool> cases[] = {
        {"no 254", true, {}, false, true},
        {"no 255", false, {{0, L, Goto, 0}, {1, L, Goto, 1}, {2, L, Goto, 2}}, true, false},
        {"254 only as a then_goto", true, {{0, V, If, 1}, {0, V, Then, 254}}, true, true},
        {"254 only as an if_played", true, {{0, V, If, 254}}, false, true},
        {"254 only beyond the count", true, {{3, BV, Goto, 254}}, false, true},
    };
    for (const auto& [what, no_win_goto, edits, win, lose] : cases) {
        SCOPED_TRACE(what);
        CheckGame game(3);
        if (no_win_goto)
            game.apply({{2, BV, Goto, 0}, {2, V, Goto, 0}, {2, TV, Goto, 0}});
        game.apply(edits);
        CheckResult r = game.check();
        EXPECT_TRUE(has(r, win ? "You can Win the Campaign." : "You can't Win the Campaign."));
        EXPECT_EQ(has(r, "You can Loose the Campaign."), lose);
    }
}

TEST(MissingFilesCheck, CountriesAreComparedOnlyBetweenFilesReadNow) {
    CheckGame game(4);
    write_scenario(game.settings(), "FULL01.SCN",
                   {.main_country = 9, .map_file = "MAP01.MAP", .intro_txt = ""});
    game.remove(game.scn("FULL02.SCN")); // read after scenario 1: must not inherit its country
    CheckResult r = game.check();
    EXPECT_TRUE(has(r, "Error in Country - Campaign Main country is NOT the same as Main Country "
                       "for scn#  1"));
    EXPECT_TRUE(has(r, "Total number of scenarios with errors in Main Country:  1"));
    EXPECT_TRUE(has(r, "   - this could be intentional, but could lead to unwanted results."));

    // Without the first scenario's file there is no campaign country to compare with.
    game.remove(game.scn("FULL00.SCN"));
    r = game.check();
    EXPECT_EQ(r.counters.country_errors, 0);
}

TEST(MissingFilesCheck, UnreadableMapFileCountsAsMissing) {
    CheckGame game(2);
    NativePath map = game.scn("MAP00.MAP");
    game.remove(map);
    // A file that exists but fails on reading: the process memory file, read from address 0.
    std::error_code ec;
    std::filesystem::create_symlink("/proc/self/mem", to_native(map), ec);
    std::string bytes;
    FileError error;
    if (ec || !file_exists(map) || read_file(map, bytes, error, 2))
        GTEST_SKIP() << "no unreadable file can be made here";
    CheckResult r = game.check();
    EXPECT_TRUE(has(r, "Scn #  0 - Map-file could not be read: " + map.str()));
    // The check goes on to the statistics, with no graphics looked for.
    EXPECT_TRUE(has(r, "Total number of map-files not found            :  1"));
    EXPECT_EQ(r.counters.missing_map_graphics, 0);
}

// A thousand names missing from a folder of 20,000 files are looked up in one reading of it
// (reading it again for each took a minute), and a name on the disk in other letters is found.
TEST(MissingFilesCheck, MissingNamesInALargeFolderAreFoundQuickly) {
#ifdef _WIN32
    // Wine lists the folder for every name missing in it: there a small folder and no bound.
    constexpr int kFiles = 500;
#else
    constexpr int kFiles = 20000;
#endif
    CheckGame game(1); // its files are not needed: every folder below is MANY
    game.state.campaign = demo::full_campaign(50);
    NativePath many = game.dir.file("MANY");
    std::filesystem::create_directory(to_native(many));
    for (int i = 0; i < kFiles; ++i)
        std::ofstream(to_native(join_path(many, NativePath("F" + std::to_string(i) + ".DAT"))));
    std::ofstream(to_native(join_path(many, "brief07.TXT")));
    Settings& s = game.state.settings;
    s.mf7_scn = s.mf7_smk = s.mf7_txt = s.mf7_mus = many;
    auto start = std::chrono::steady_clock::now();
    CheckResult r = game.check(); // the overview's fill first, as in the editor
    [[maybe_unused]] auto took = std::chrono::steady_clock::now() - start;
    // The header's 3 files, 19 per scenario, less the text found.
    EXPECT_EQ(r.counters.missing_files, 3 + 50 * 19 - 1);
    EXPECT_TRUE(has(r, "Scn #  8 - Missing scn text-file: " + in(many, "BRIEF08.txt")));
    EXPECT_FALSE(has(r, "Scn #  7 - Missing scn text-file: " + in(many, "BRIEF07.txt")));
#ifndef _WIN32
    EXPECT_LT(took, std::chrono::seconds(2)); // the margin is for checked builds
#endif
}
