#include "reports/report_common.h"

#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
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
    using Writer = decltype(&write_file_list);
    const std::tuple<Writer, const char*, const char*> cases[] = {
        {write_campaign_list, "Small Campaignlist for DEMO.txt", "write Campaignlist: "},
        {write_full_report, "Full Campaign Report on DEMO.txt", "write report: "},
        {write_file_list, "Filelist for DEMO.txt", "write filelist: "},
    };
    for (const auto& [write, file, action] : cases) {
        DemoGame game;
        game.state.cam_name = "DEMO.CAM"_path;
        NativePath path = join_path(game.settings().mf7_rep, file);
        std::filesystem::create_directory(to_native(path));
        EXPECT_FALSE(write(game.state, game.rows(), kTime, game.msgs));
        ASSERT_EQ(game.msgs.shown.size(), 1u) << file;
        EXPECT_TRUE(game.msgs.shown[0].text.ends_with("< was encountered, While trying to " +
                                                      std::string(action) + path.str()));
        EXPECT_EQ(list_files(game.settings().mf7_rep, "*").size(), 0u);
        // Without the report folder only the folder's message shows.
        game.msgs.clear();
        game.state.settings.mf7_rep = game.dir.file("no-reports");
        EXPECT_FALSE(write(game.state, game.rows(), kTime, game.msgs));
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
        EXPECT_EQ(game_title(game.state), title) << name;
    }
    // The name in the record loses its NULs for good, as the game's editor left it.
    game.state.campaign.description_txt = nul_field();
    game_title(game.state);
    EXPECT_EQ(field_raw(game.state.campaign.description_txt), std::string(20, ' '));
}
