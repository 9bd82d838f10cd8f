#include "app/batch.h"

#include "platform/files.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
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

// A game with a settings file beside the (pretended) program.
template <typename Game> struct Batch : Game {
    RecordingMessages msgs;
    template <typename... Args> explicit Batch(Args... args) : Game(args...) {
        if (!write_settings(this->state.settings, "3.0.1", this->dir.str(), msgs))
            throw std::runtime_error("cannot write the settings file");
    }
    BatchRun run(const std::vector<std::string>& args) { return batch(args, this->dir.str()); }
    std::string rm(const std::string& folder, const std::string& name) {
        std::filesystem::remove(to_native(join_path(this->dir.file(folder), name)));
        return name;
    }
};

// The check as the editor runs it on the campaign the state holds.
CheckResult editor_check(EditorState& state, Messages& msgs) {
    OverviewFill fill = udfyld_form1(state, msgs);
    return check_missing_files(state, {fill.text3, fill.text4, fill.text5}, fill.rows, msgs);
}

// Text as the batch tool prints it: LF line ends.
std::string lf_lines(const std::string& crlf_text) {
    std::string out;
    for (const auto& l : split_lines_cr(crlf_text))
        out += l + "\n";
    return out;
}

} // namespace

TEST(BatchShow, PrintsTheOverviewOfTheDemoCampaign) {
    Batch<DemoGame> game;
    BatchRun r = game.run({"show", game.campaign_path()});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    auto lines = split_lines_any(r.out);
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(
        std::vector<std::string>(lines.begin(), lines.begin() + 5),
        (std::vector<std::string>{"No of Scenarios: 8", "Player start prestige: 1200",
                                  "Win Campaign SMK: victory.smk", "Lose Campaign SMK: defeat.smk",
                                  "Campaign description text file: demo.txt"}));
    EXPECT_EQ(lines[6], "Main Country : Germany");
    EXPECT_EQ(lines[7], " 0   POLAND.SCN                  1         1         1       255 " +
                            std::string(8, ' ') + " 1 SEP  1939");
}

TEST(Batch, ExitStatusOfUsageAndFileErrors) {
    Batch<FullGame> game(2);
    std::string cam = game.state.cam_path, none = game.dir.file("none.cam");
    std::string ini = game.dir.file("mf7edit.ini");
    TempDir elsewhere;
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* in_err;
    } cases[] = {
        {{"show", cam, "--ini", ini}, 0, ""},
        {{"show", cam}, 2, "read the ini-file"},
        {{"show", none, "--ini", ini}, 2, "does not exist"},
        {{"frobnicate"}, 2, "usage: "},
        {{"lists", cam, "--ini", ini}, 2, "mf7batch check CAMPAIGN [--save]"},
        {{"check", cam, "--sve", "--ini", ini}, 2, "usage: mf7batch check"},
        {{"files", cam, "--save", "--ini", ini}, 2, "usage: mf7batch files"},
    };
    for (const auto& c : cases) {
        BatchRun r = batch(c.args, elsewhere.str());
        EXPECT_EQ(r.status, c.status) << c.args[0] << " " << r.err;
        EXPECT_NE(r.err.find(c.in_err), std::string::npos) << r.err;
    }
    // No report folder: the editor's message on standard error and no path on standard output;
    // the check still prints its text.
    std::filesystem::remove_all(to_native(game.settings().mf7_rep));
    BatchRun list = game.run({"list", cam});
    EXPECT_EQ(list.status, 2);
    EXPECT_EQ(list.out, "");
    EXPECT_NE(list.err.find("Path or Drive error."), std::string::npos);
    BatchRun check = game.run({"check", cam, "--save"});
    EXPECT_EQ(check.status, 2);
    EXPECT_EQ(check.out, lf_lines(editor_check(game.state, game.msgs).text));
}

TEST(BatchReports, WriteTheSameFileAsTheEditor) {
    using Writer = ReportWritten (*)(EditorState&, const std::vector<std::string>&,
                                     const ReportTime&, Messages&);
    struct Case {
        const char* command;
        Writer writer;
    } cases[] = {
        {"list", write_campaign_list}, {"report", gem_liste_paa_disk}, {"files", write_file_list}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        Batch<FullGame> game(6);
        ReportTime before = locale_report_time();
        BatchRun r = game.run({c.command, game.state.cam_path});
        ReportTime after = locale_report_time();
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_TRUE(r.out.ends_with("\n"));
        std::string path = r.out.substr(0, r.out.size() - 1);
        std::string from_batch = read_all(path);
        ASSERT_FALSE(from_batch.empty());

        // The editor's writer, given the time the batch tool took, writes the same bytes.
        std::string line = date_time_line(before);
        ReportTime time = from_batch.find(line) != std::string::npos ? before : after;
        game.msgs.clear();
        auto written =
            c.writer(game.state, udfyld_form1(game.state, game.msgs).rows, time, game.msgs);
        ASSERT_TRUE(written);
        EXPECT_EQ(*written, path);
        EXPECT_EQ(read_all(path), from_batch);
        // The announcement went to standard error, as the editor shows it in a box.
        std::ostringstream shown;
        print_text(shown, game.msgs.texts().back());
        EXPECT_EQ(r.err, shown.str() + "\n");
    }
}

TEST(BatchReports, CheckPrintsTheTextAndExitsByTheVerdict) {
    struct Case {
        const char* folder;
        const char* missing;
        int status;
    } cases[] = {
        {nullptr, nullptr, 0},
        {"SMACK", "BVA03.SMK", 0},
        {"SCENARIO", "FULL02.SCN", 1},
        {"MAP", "MAP0300.SHP", 1},
    };
    for (const auto& c : cases) {
        Batch<FullGame> game(6);
        if (c.folder)
            game.rm(c.folder, c.missing);
        BatchRun r = game.run({"check", game.state.cam_path});
        EXPECT_EQ(r.status, c.status) << c.status;
        EXPECT_EQ(r.err, "");
        CheckResult core = editor_check(game.state, game.msgs);
        EXPECT_EQ(r.out, lf_lines(core.text));
        EXPECT_FALSE(file_exists(core.caption)) << "written without --save";
        // --save writes what the text window's save button writes.
        EXPECT_EQ(game.run({"check", game.state.cam_path, "--save"}).status, c.status);
        EXPECT_EQ(read_all(core.caption), core.text + "\r\n");
    }
}

namespace {

struct CopyGame : Batch<DemoGame> {
    TempDir target;
    BatchRun copy(std::vector<std::string> options) {
        std::vector<std::string> args = {"copy", campaign_path(), "--to", target.str()};
        args.insert(args.end(), options.begin(), options.end());
        return run(args);
    }
};

} // namespace

TEST(BatchCopy, DefaultsCopyEverythingAsTxtAndPrintTheReport) {
    CopyGame g;
    BatchRun r = g.copy({});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, lf_lines(read_all(g.target.file("report.txt"))));
    // Eight scenarios with five text fields, their own text file and the scenario file each, and
    // the description text; the campaign file is listed but not counted.
    EXPECT_TRUE(r.out.ends_with("Number of files copied =  57\nNumber of files NOT FOUND =  0\n"));
}

TEST(BatchCopy, OptionsReachTheCopy) {
    struct Case {
        std::vector<std::string> options;
        const char* text; // the copy of POLbv.txt
        bool scenario, campaign;
        int byte0, byte11250;
    } cases[] = {
        {{"--ext", "deu", "--no-grey"}, "POLbv.deu", true, true, 1, 1},
        {{"--no-hide"}, "POLbv.txt", true, true, 0, 0},
        {{"--no-scenarios", "--ext", "fra"}, "POLbv.fra", false, true, 0, 0},
        {{"--no-campaign"}, "POLbv.txt", true, false, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options[0]);
        CopyGame g;
        ASSERT_EQ(g.copy(c.options).status, 0);
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

TEST(BatchCopy, ExitStatus) {
    struct Case {
        const char* remove[2]; // a folder of the game and a file removed from it
        const char* block;     // a folder made where a copy should go
        std::vector<std::string> options;
        int status;
        const char* in_err;
    } cases[] = {
        {{"TEXT", "POLbv.txt"}, nullptr, {}, 1, ""},
        {{"SCENARIO", "malta.scn"}, nullptr, {}, 1, ""},
        {{}, "DEMO.CAM", {}, 2, "Filenames when the Error occurred: Copying campaign file to: "},
        {{}, nullptr, {"--to", "/no/such/folder"}, 2, "No such file or directory"},
        {{}, nullptr, {"--ext", "eng"}, 2, "usage: mf7batch copy"},
        {{}, nullptr, {"--grey"}, 2, "usage: mf7batch copy"},
    };
    for (const Case& c : cases) {
        CopyGame g;
        if (c.remove[0])
            g.rm(c.remove[0], c.remove[1]);
        if (c.block)
            std::filesystem::create_directories(to_native(g.target.file(c.block)));
        BatchRun r = g.copy(c.options);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.in_err), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find(" : FILE NOT FOUND\n") != std::string::npos, c.status == 1);
    }
    CopyGame g;
    EXPECT_EQ(g.run({"copy", g.campaign_path()}).status, 2);
}
