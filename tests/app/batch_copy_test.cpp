#include "app/batch.h"

#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

using namespace mf7;
using namespace mf7::test;

namespace {

struct Game {
    DemoGame game;
    TempDir target;
    Game() {
        RecordingMessages unused;
        if (!write_settings(game.state.settings, "3.0.1", game.dir.str(), unused))
            throw std::runtime_error("settings not written");
    }
    int run(std::vector<std::string> options, std::string& out, std::string& err) {
        std::vector<std::string> args = {"copy", game.campaign_path()};
        args.insert(args.end(), options.begin(), options.end());
        std::ostringstream o, e;
        int status = run_batch(args, game.dir.str(), o, e);
        out = o.str();
        err = e.str();
        return status;
    }
};

} // namespace

TEST(BatchCopy, DefaultsCopyEverythingAsTxtAndPrintTheReport) {
    Game g;
    std::string out, err;
    ASSERT_EQ(g.run({"--to", g.target.str()}, out, err), 0) << err;
    EXPECT_EQ(err, "");
    std::string report = read_all(g.target.file("report.txt"));
    // The report file has CR LF line ends; standard output has LF.
    std::string as_printed;
    for (std::size_t i = 0; i < report.size(); ++i)
        if (report.compare(i, 2, "\r\n") == 0)
            as_printed += '\n', ++i;
        else
            as_printed += report[i];
    EXPECT_EQ(out, as_printed);
    // Eight scenarios with five text fields, their own text file and the scenario file each, and
    // the description text; the campaign file is listed but not counted.
    EXPECT_TRUE(out.ends_with("Number of files copied =  57\nNumber of files NOT FOUND =  0\n"))
        << out;
    std::string scn = read_all(g.target.file("POLAND.SCN"));
    ASSERT_EQ(scn.size(), 11350u);
    EXPECT_EQ(scn[0], 1);
    EXPECT_EQ(scn[11250], 0);
    EXPECT_EQ(read_all(g.target.file("DEMO.CAM")).size(), 31944u);
}

TEST(BatchCopy, ExitStatus) {
    struct Case {
        const char* what;
        std::function<void(Game&, std::vector<std::string>&)> setup;
        int status;
        const char* in_err;
    } cases[] = {
        {"options",
         [](Game&, auto& o) {
             o.insert(o.end(), {"--ext", "fra", "--no-scenarios", "--no-campaign", "--no-grey",
                                "--no-hide"});
         },
         0, ""},
        {"a text file missing",
         [](Game& g, auto&) {
             std::filesystem::remove(
                 to_native(join_path(g.game.state.settings.mf7_txt, "POLbv.txt")));
         },
         1, ""},
        {"a scenario file missing",
         [](Game& g, auto&) {
             std::filesystem::remove(
                 to_native(join_path(g.game.state.settings.mf7_scn, "malta.scn")));
         },
         1, ""},
        {"a copy fails",
         [](Game& g, auto&) {
             std::filesystem::create_directories(to_native(g.target.file("DEMO.CAM")));
         },
         2, "Filenames when the Error occurred: Copying campaign file to: "},
        {"no such folder",
         [](Game& g, auto& o) {
             o = {"--to", g.target.file("none")};
         },
         2, "No such file or directory"},
        {"no folder", [](Game&, auto& o) { o = {}; }, 2, "usage: mf7batch copy"},
        {"another extension", [](Game&, auto& o) { o.push_back("--ext"), o.push_back("eng"); }, 2,
         "usage: mf7batch copy"},
        {"unknown option", [](Game&, auto& o) { o.push_back("--grey"); }, 2,
         "usage: mf7batch copy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game g;
        std::vector<std::string> options = {"--to", g.target.str()};
        c.setup(g, options);
        std::string out, err;
        EXPECT_EQ(g.run(options, out, err), c.status) << err;
        EXPECT_NE(err.find(c.in_err), std::string::npos) << err;
        if (c.status == 1) {
            EXPECT_NE(out.find(" : FILE NOT FOUND\n"), std::string::npos);
        }
    }
}

TEST(BatchCopy, OptionsReachTheCopy) {
    struct Case {
        std::vector<std::string> options;
        bool scenario, campaign;
        const char* text; // the copy of POLbv.txt
        int byte0, byte11250;
    } cases[] = {
        {{}, true, true, "POLbv.txt", 1, 0},
        {{"--ext", "deu", "--no-grey"}, true, true, "POLbv.deu", 1, 1},
        {{"--no-hide"}, true, true, "POLbv.txt", 0, 0},
        {{"--no-scenarios", "--ext", "fra"}, false, true, "POLbv.fra", 0, 0},
        {{"--no-campaign"}, true, false, "POLbv.txt", 1, 0},
    };
    for (const Case& c : cases) {
        Game g;
        std::vector<std::string> options = {"--to", g.target.str()};
        options.insert(options.end(), c.options.begin(), c.options.end());
        SCOPED_TRACE(options.size());
        std::string out, err;
        ASSERT_EQ(g.run(options, out, err), 0) << err;
        EXPECT_TRUE(file_exists(g.target.file(c.text)));
        EXPECT_EQ(file_exists(g.target.file("DEMO.CAM")), c.campaign);
        std::string scn = read_all(g.target.file("POLAND.SCN"));
        ASSERT_EQ(scn.empty(), !c.scenario);
        if (c.scenario) {
            EXPECT_EQ(scn[0], c.byte0);
            EXPECT_EQ(scn[11250], c.byte11250);
        }
    }
}
