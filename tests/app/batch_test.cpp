#include "app/batch.h"

#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace mf7;
using namespace mf7::test;

namespace {

struct BatchRun {
    int status;
    std::string out, err;
};

BatchRun batch(const std::vector<std::string>& args, const std::string& program_folder) {
    std::ostringstream out, err;
    int status = run_batch(args, program_folder, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(BatchShow, PrintsTheOverviewOfTheDemoCampaign) {
    DemoGame game;
    RecordingMessages unused;
    ASSERT_TRUE(write_settings(game.state.settings, "3.0.1", game.dir.str(), unused));
    BatchRun r = batch({"show", game.campaign_path()}, game.dir.str());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    std::istringstream lines(r.out);
    std::vector<std::string> got;
    for (std::string l; std::getline(lines, l);)
        got.push_back(l);
    ASSERT_EQ(got.size(), 15u);
    EXPECT_EQ(got[0], "No of Scenarios: 8");
    EXPECT_EQ(got[1], "Player start prestige: 1200");
    EXPECT_EQ(got[2], "Win Campaign SMK: victory.smk");
    EXPECT_EQ(got[3], "Lose Campaign SMK: defeat.smk");
    EXPECT_EQ(got[4], "Campaign description text file: demo.txt");
    EXPECT_EQ(got[5].size(), std::string("Trailer: ").size() + 240);
    EXPECT_EQ(got[6], "Main Country : Germany");
    EXPECT_EQ(got[7], " 0   POLAND.SCN                  1         1         1       255 " +
                          std::string(8, ' ') + " 1 SEP  1939");
    EXPECT_EQ(got[14].size(), 85u);
}

TEST(BatchShow, IniOptionAndErrors) {
    DemoGame game;
    RecordingMessages unused;
    ASSERT_TRUE(write_settings(game.state.settings, "3.0.1", game.dir.str(), unused));
    std::string ini = game.dir.file("mf7edit.ini");
    TempDir elsewhere;
    EXPECT_EQ(batch({"show", game.campaign_path(), "--ini", ini}, elsewhere.str()).status, 0);

    BatchRun no_ini = batch({"show", game.campaign_path()}, elsewhere.str());
    EXPECT_EQ(no_ini.status, 2);
    EXPECT_NE(no_ini.err.find("read the ini-file"), std::string::npos);

    BatchRun missing = batch({"show", game.dir.file("none.cam"), "--ini", ini}, elsewhere.str());
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("does not exist"), std::string::npos);

    EXPECT_EQ(batch({"frobnicate"}, elsewhere.str()).status, 2);
}
