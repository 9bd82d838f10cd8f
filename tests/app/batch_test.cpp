#include "platform/files.h"
#include "reports/missing_files_check.h"
#include "support/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace mf7;
using namespace mf7::test;

namespace {

// Text as the batch tool prints it: LF line ends.
std::string lf_lines(const std::string& crlf_text) {
    std::string out;
    for (const auto& l : split_lines_cr(crlf_text))
        out += l + "\n";
    return out;
}

} // namespace

// A campaign read that reported an error (a count beyond the table) ends with 2, after the
// command showed what it could.
TEST(BatchShow, PrintsTheOverviewAndExitsTwoAfterAReadError) {
    DemoBatch game;
    game.state.campaign.scenario_count = 51;
    game.save();
    BatchRun r = game.run({"show", "$cam"});
    EXPECT_EQ(r.status, 2) << r.err;
    auto lines = split_lines_any(r.out);
    ASSERT_EQ(lines.size(), 57u); // past the table: a row per slot
    EXPECT_EQ(lines[0], "No of Scenarios: 50");
    EXPECT_EQ(lines[6], "Main Country : Germany");
    EXPECT_EQ(lines[7], format_overview_row(game.rows()[0])); // as the overview shows them
}

// Exit status and what the command says about it, on standard output or error.
TEST(Batch, ExitStatus) {
    struct Case {
        std::vector<std::string> args;
        const char* remove; // a file of the game removed first
        const char* block;  // a folder made in the target where a copy should go
        int16_t bv_goto;    // written into scenario 7's BV goto when not 0
        int status;
        const char* says;
    };
    const char* broken_edge = R"("s7" -> "x-3" [id="e30", color="#d32f2f"];)";
    const char* alternative = R"("s2" -> "s5" [id="e10", color="#1f5fbf", style=dashed, )"
                              R"(label="if 3 not played", fontcolor="#1f5fbf"];)";
    const char* no_target = "The error: >No such file or directory< was encountered, While trying "
                            "to copy files into /no/such/folder\n";
    const Case cases[] = {
        {{"lists", "$cam"}, nullptr, nullptr, 0, 2, "mf7batch check CAMPAIGN [--save]"},
        {{"show", "none.cam"}, nullptr, nullptr, 0, 2, "does not exist"},
        {{"check", "$cam", "--sve"}, nullptr, nullptr, 0, 2, "usage: mf7batch check"},
        {{"list", "$cam"}, "REPORTS", nullptr, 0, 2, "Path or Drive error."},
        {{"copy", "$cam", "--to", "$to"}, "TEXT/POLbv.txt", nullptr, 0, 1, " : FILE NOT FOUND\n"},
        {{"copy", "$cam", "--to", "$to"}, nullptr, "DEMO.CAM", 0, 2, "Copying campaign file to: "},
        {{"copy", "$cam", "--to", "/no/such/folder"}, nullptr, nullptr, 0, 2, no_target},
        {{"copy", "$cam"}, nullptr, nullptr, 0, 2, "usage: mf7batch copy"},
        {{"copy", "$cam", "--to", "$to", "--ext", "eng"}, nullptr, nullptr, 0, 2, "usage: "},
        {{"show", "--help"}, nullptr, nullptr, 0, 0, "usage: mf7batch show"},
        {{"show", "$cam"}, nullptr, nullptr, 0, 0, "No of Scenarios: 8\n"},
        {{"show", "$cam"}, "mf7edit.ini", nullptr, 0, 2, "read the ini-file"},
        {{"show", "$cam", "--ini", "/no/such.ini"}, nullptr, nullptr, 0, 2, "read the ini-file"},
        {{"flow", "$cam", "--jsn"}, nullptr, nullptr, 0, 2, "usage: mf7batch flow"},
        {{"graph", "$cam", "--format", "dot"}, nullptr, nullptr, -3, 0, broken_edge},
        {{"graph", "$cam", "--format", "dot"}, nullptr, nullptr, 0, 0, alternative},
        {{"graph", "$cam", "--format", "gif"}, nullptr, nullptr, 0, 2, "usage: mf7batch graph"},
        {{"graph", "$cam", "--out"}, nullptr, nullptr, 0, 2, "usage: mf7batch graph"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        DemoBatch game;
        if (c.remove)
            std::filesystem::remove(to_native(game.dir.file(c.remove)));
        if (c.block)
            std::filesystem::create_directories(to_native(game.target.file(c.block)));
        if (c.bv_goto)
            game.state.campaign.scenarios[7].outcome[BV].goto_scn = c.bv_goto;
        game.save();
        BatchRun r = game.run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r.out << r.err;
    }
}

#ifndef _WIN32
// Output that does not reach its file (a full disk) is an error, though the command went well.
TEST(Batch, OutputThatCannotBeWrittenExitsTwo) {
    // Every command's output passes one check after it has run: three commands stand for all,
    // flow among them failing on its own (the last scenario never ends).
    const std::vector<std::string> cases[] = {
        {"show", "$cam"}, {"check", "$cam"}, {"flow", "$cam"}};
    for (const auto& args : cases) {
        SCOPED_TRACE(args.front());
        DemoBatch game;
        for (auto& o : game.state.campaign.scenarios[7].outcome)
            o.goto_scn = 7;
        game.save();
        std::ofstream full("/dev/full");
        std::ostringstream err;
        std::vector<std::string> a = args;
        a[1] = a[1] == "$cam" ? game.campaign_path().str() : a[1];
        EXPECT_EQ(run_batch(paths(a), game.dir.path(), full, err), 2);
        // The reason is known when the last flush failed, not after a write on the way.
        EXPECT_TRUE(err.str().starts_with("mf7batch: cannot write the output")) << err.str();
    }
}
#endif

// Control bytes in names reach standard output as \xHH, so that a row stays one line and no
// escape sequence reaches the terminal; the check's report file keeps the game's bytes.
TEST(Batch, ControlBytesInNamesArePrintedVisibly) {
    DemoBatch game;
    const std::string name = "\x01\n\x1B[2J\x9D.SCN", shown = "\\x01\\x0A\\x1B[2J\\x9D.SCN";
    game.state.campaign.scenarios[0].scn_file = make_text_field(name);
    game.save();
    BatchRun show = game.run({"show", "$cam"}), check = game.run({"check", "$cam", "--save"});
    EXPECT_EQ(split_lines_any(show.out).size(), 15u); // 7 header lines, 8 rows
    EXPECT_NE(show.out.find(shown), std::string::npos) << show.out;
    EXPECT_NE(check.out.find(join_path(game.settings().mf7_scn, NativePath(shown)).str() + "\n"),
              std::string::npos)
        << check.out;
    for (const std::string& out : {show.out, check.out})
        EXPECT_EQ(out.find_first_of("\x01\x1B\r"), std::string::npos);
    std::string report =
        read_all(report_path(game.settings(), "Missing-Files-List-", "DEMO.CAM"_path));
    // The report is game text: the name as the campaign holds it.
    EXPECT_NE(report.find(path_as_text(game.settings().mf7_scn) + path_separator() + name + "\r\n"),
              std::string::npos);
}

// Each report is written under its own name in the report folder, announced on standard error
// as the editor shows it in a box, and holds the demo's rows as the editor writes them.
TEST(BatchReports, WriteTheEditorsReportOfTheDemo) {
    const struct {
        const char *command, *file, *says;
        std::size_t lines;
        const char* row; // one line of the report, whole
    } cases[] = {
        {"list", "Small Campaignlist for DEMO.txt", "Campaign Filelist is saved as: ", 22,
         " 2   SEDAN.SCN                  4        4*       3     LOSE    13 MAY  1940  "
         "SEDAN.MAP            (OKD)"},
        {"report", "Full Campaign Report on DEMO.txt", "Campaign Report is saved as: \n", 271,
         "   Scn Filename       : POLAND.SCN             Scn date           :  1 SEP  1939"},
        {"files", "Filelist for DEMO.txt", "Campaign Filelist is saved as: \n", 165,
         "   Scn name           : POLAND.SCN             Scn date           :  1 SEP  1939"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        DemoBatch game;
        BatchRun r = game.run({c.command, "$cam"});
        NativePath path = join_path(game.settings().mf7_rep, c.file);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, path.str() + "\n");
        EXPECT_EQ(r.err, c.says + path.str() + "\n");
        std::string text = read_all(path);
        EXPECT_EQ(split_lines_cr(text).size(), c.lines);
        EXPECT_NE(text.find("\r\n" + std::string(c.row) + "\r\n"), std::string::npos) << text;
    }
}

TEST(BatchReports, CheckPrintsTheTextAndExitsByTheVerdict) {
    // A game file removed first, and the exit status with --save.
    const std::pair<const char*, int> cases[] = {
        {nullptr, 0}, {"SMACK/BVA03.SMK", 0}, {"MAP/MAP0300.SHP", 1}, {nullptr, 2}};
    for (const auto& [missing, status] : cases) {
        SCOPED_TRACE(status);
        Batch<FullGame> game(6);
        if (missing)
            std::filesystem::remove(to_native(game.dir.file(missing)));
        // Without a report folder in the settings --save writes nothing, not into the root.
        if (status == 2) {
            game.state.settings.mf7_rep = NativePath();
            ASSERT_TRUE(write_settings(game.state.settings, "3.0.1", game.dir.path(), game.msgs));
        }
        BatchRun r = game.run({"check", "$cam"});
        OverviewFill fill = fill_overview(game.state, game.msgs);
        CheckResult core = check_missing_files(game.inputs(fill.rows),
                                               {fill.text3, fill.text4, fill.text5}, game.msgs);
        EXPECT_EQ(r.status, status % 2);
        EXPECT_EQ(r.err.empty(), status < 2); // the folder check's message
        EXPECT_EQ(r.out, lf_lines(core.text));
        EXPECT_FALSE(file_exists(core.caption)) << "written without --save";
        // --save writes what the text window's save button writes; it fails without the folder.
        EXPECT_EQ(game.run({"check", "$cam", "--save"}).status, status);
        EXPECT_EQ(read_all(core.caption), status < 2 ? core.text + "\r\n" : "");
        if (status == 2) { // a faulty run wrote into the root: don't let it fail later runs
            std::error_code ec;
            std::filesystem::remove(to_native(core.caption), ec);
        }
    }
}

TEST(BatchCopy, OptionsReachTheCopy) {
    struct Case {
        std::vector<std::string> args;
        const char* ext; // of the text files' copies
        bool campaign;
        int byte0, byte11250; // of the scenario copy, -1 without it
    } cases[] = {
        {{"copy", "$cam", "--to", "$to", "--ext", "deu", "--no-grey"}, "deu", true, 1, 1},
        {{"copy", "$cam", "--to", "$to", "--no-scenarios", "--ext", "fra"}, "fra", true, -1, -1},
        {{"copy", "$cam", "--to", "$to", "--no-campaign", "--no-hide"}, "txt", false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ext);
        DemoBatch g;
        BatchRun r = g.run(c.args);
        ASSERT_EQ(r.status, 0) << r.err;
        // The report goes to standard output as the copy wrote it.
        EXPECT_EQ(r.out, lf_lines(read_all(g.target.file("report." + std::string(c.ext)))));
        EXPECT_EQ(file_exists(g.target.file("DEMO.CAM")), c.campaign);
        std::string scn = read_all(g.target.file("POLAND.SCN"));
        // The scenario's own text goes only with the scenario.
        EXPECT_EQ(file_exists(g.target.file("POLAND.txt")), !scn.empty());
        EXPECT_EQ(scn.empty() ? -1 : scn.at(0), c.byte0);
        EXPECT_EQ(scn.empty() ? -1 : scn.at(11250), c.byte11250);
    }
}

// Folders named outside ASCII are found (or the check would fail), and their paths printed as
// they are.
TEST(Batch, ReadsAndWritesInFoldersOfAnyName) {
    TempDir dir;
    NativePath program = dir.file("Łódź 東京 Игры"), target = join_path(program, "游戏 T");
    std::string error;
    ASSERT_TRUE(demo::write_demo_game(join_path(program, "game"), error)) << error;
    Settings settings = demo::demo_settings(join_path(program, "game"));
    RecordingMessages msgs;
    ASSERT_TRUE(write_settings(settings, "3.0.1", program, msgs));
    std::filesystem::create_directory(to_native(target));
    std::string cam = join_path(settings.mf7_cam, "DEMO.CAM").str();
    auto run = [&](const std::vector<std::string>& args) {
        std::ostringstream out, err;
        EXPECT_EQ(run_batch(paths(args), program, out, err), 0) << err.str();
        return out.str();
    };
    // The settings file may hold the folders lower case (on Windows).
    std::string film = join_path(settings.mf7_smk, "missing.smk").str();
    EXPECT_NE(fold_case(run({"check", cam})).find(fold_case(film) + "\n"), std::string::npos);
    EXPECT_NE(
        run({"copy", cam, "--to", target.str()}).find(join_path(target, "POLAND.SCN").str() + "\n"),
        std::string::npos);
}
