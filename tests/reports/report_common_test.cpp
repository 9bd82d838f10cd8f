#include "reports/report_common.h"

#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/report_nuls.h"
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
    // Name, step, whether it blanks the description and the win and lose films, how it touches
    // scenarios 0 and 1, whether it blanks without the report folder.
    const std::tuple<const char*, Step, bool, bool, Touch, Touch, bool> cases[] = {
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
    for (const auto& [name, step, description, win_lose, scn0, scn1, without_folder] : cases) {
        for (bool folder : {true, false}) {
            SCOPED_TRACE(std::string(name) + (folder ? "" : " without folder"));
            DemoGame game;
            write_scenario(game.settings(), "HERE.SCN", {});
            CampaignRecord& cam = game.state.campaign;
            const char* files[] = {"HERE.SCN", "GONE.SCN", "HERE.SCN"};
            for (std::size_t i = 0; i < 3; ++i)
                cam.scenarios[i].scn_file = make_text_field(files[i]);
            blanks_to_nul(cam);
            if (!folder)
                game.state.settings.mf7_rep = game.dir.file("no-reports");
            step(cam, game.settings());
            bool acts = folder || without_folder;
            EXPECT_EQ(blanked(cam.description_txt), acts && description);
            EXPECT_EQ(blanked(cam.win_smk) && blanked(cam.lose_smk), acts && win_lose);
            expect_slot(cam.scenarios[0], acts ? scn0 : None);
            expect_slot(cam.scenarios[1], acts ? scn1 : None);
            expect_slot(cam.scenarios[2], None);
        }
    }
}
