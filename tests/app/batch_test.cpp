#include "model/campaign_text.h"
#include "platform/files.h"
#include "support/batch_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <tuple>

using namespace mf7;
using namespace mf7::test;

// Exit status and what the command says about it, on standard output or error.
TEST(Batch, ExitStatus) {
    struct Case {
        std::vector<std::string> args;
        const char* remove; // a file of the game removed first
        const char* block;  // a folder made in the target where a copy should go
        int16_t bv_goto;    // written into scenario 7's BV goto when not 0
        int status;
        const char* says;
        int16_t count = 8; // a count beyond the table is a read error, shown as far as it goes
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
        {{"show", "$cam"}, nullptr, nullptr, 0, 0, "No of Scenarios: 8\n"},
        {{"show", "$cam"}, nullptr, nullptr, 0, 2, "Main Country : Germany\n", 51},
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
        game.state.campaign.scenario_count = c.count;
        game.save();
        BatchRun r = game.run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE((r.out + r.err).find(c.says), std::string::npos) << r.out << r.err;
    }
}

// Control bytes in names reach standard output as \xHH, so that a row stays one line and no
// escape sequence reaches the terminal; the check's report file keeps the game's bytes.
TEST(Batch, ControlBytesInNamesArePrintedVisibly) {
    DemoBatch game;
    const std::string name = "\x01\n\x1B[2J\x9D.SCN", shown = "\\x01\\x0A\\x1B[2J\\x9D.SCN";
    game.state.campaign.scenarios[0].scn_file = make_text_field(name);
    game.save();
    BatchRun show = game.run({"show", "$cam"}), check = game.run({"check", "$cam", "--save"});
    EXPECT_TRUE(split_lines_any(show.out)[7].starts_with(" 0   " + shown)) << show.out;
    EXPECT_NE(check.out.find(join_path(game.settings().mf7_scn, NativePath(shown)).str() + "\n"),
              std::string::npos)
        << check.out;
    std::string report =
        read_all(report_path(game.settings(), "Missing-Files-List-", "DEMO.CAM"_path));
    // The report is game text: the name as the campaign holds it.
    EXPECT_NE(report.find(path_as_text(game.settings().mf7_scn) + path_separator() + name + "\r\n"),
              std::string::npos);
}

// Each report is written under its own name, announced on standard error, with the demo's rows.
TEST(BatchReports, WriteTheEditorsReportOfTheDemo) {
    // Command, report file, what standard error says before its path, lines in the report.
    const std::tuple<const char*, const char*, std::string, std::size_t> cases[] = {
        {"list", "Small Campaignlist for DEMO.txt", "Campaign Filelist is saved as: ", 22},
        {"report", "Full Campaign Report on DEMO.txt", "Campaign Report is saved as: \n", 271},
        {"files", "Filelist for DEMO.txt", "Campaign Filelist is saved as: \n", 165},
    };
    for (const auto& [command, file, says, lines] : cases) {
        SCOPED_TRACE(command);
        DemoBatch game;
        BatchRun r = game.run({command, "$cam"});
        NativePath path = join_path(game.settings().mf7_rep, file);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, path.str() + "\n");
        EXPECT_EQ(r.err, says + path.str() + "\n");
        EXPECT_EQ(split_lines_cr(read_all(path)).size(), lines);
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
        CheckResult core = game.check();
        EXPECT_EQ(r.status, status % 2);
        EXPECT_EQ(r.err.empty(), status < 2); // the folder check's message
        EXPECT_EQ(r.out, joined(split_lines_cr(core.text)));
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
    // Arguments, the text copies' extension, whether the campaign is copied, and bytes 0 and 11250
    // of the scenario copy (-1 without it).
    const std::tuple<std::vector<std::string>, std::string, bool, int, int> cases[] = {
        {{"copy", "$cam", "--to", "$to", "--ext", "deu", "--no-grey"}, "deu", true, 1, 1},
        {{"copy", "$cam", "--to", "$to", "--no-scenarios", "--ext", "fra"}, "fra", true, -1, -1},
        {{"copy", "$cam", "--to", "$to", "--no-campaign", "--no-hide"}, "txt", false, 0, 0},
    };
    for (const auto& [args, ext, campaign, byte0, byte11250] : cases) {
        SCOPED_TRACE(ext);
        DemoBatch g;
        BatchRun r = g.run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        // The report goes to standard output as the copy wrote it.
        EXPECT_EQ(r.out, joined(split_lines_cr(read_all(g.target.file("report." + ext)))));
        EXPECT_EQ(file_exists(g.target.file("DEMO.CAM")), campaign);
        std::string scn = read_all(g.target.file("POLAND.SCN"));
        // The scenario's own text goes only with the scenario.
        EXPECT_EQ(file_exists(g.target.file("POLAND.txt")), !scn.empty());
        EXPECT_EQ(scn.empty() ? -1 : scn.at(0), byte0);
        EXPECT_EQ(scn.empty() ? -1 : scn.at(11250), byte11250);
    }
}

// The copies' paths are printed as they are, also in a folder named outside ASCII.
TEST(BatchCopy, PrintsPathsOutsideAsciiAsTheyAre) {
    DemoBatch game;
    NativePath target = game.target.file("Łódź 東京 游戏");
    std::filesystem::create_directory(to_native(target));
    BatchRun r = game.run({"copy", "$cam", "--to", target.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find(join_path(target, "POLAND.SCN").str() + "\n"), std::string::npos) << r.out;
}

// The flow and the graph of the demo as JSON; then the findings word for word and the exit status:
// the demo, the demo with its last scenario going round for ever, and a count of 0, which shows
// one scenario that the analysis plays.
TEST(BatchFlow, JsonFindingsAndExitStatus) {
    DemoBatch game;
    EXPECT_EQ(game.run({"flow", "$cam", "--json"}).out,
              "{\"exact\":true,\"reachable\":[0,1,2,3,4,5,6,7],\"unreachable\":[],"
              "\"can_win\":true,\"can_lose\":true,\"broken\":[],\"trapped\":[],"
              "\"shortest_win\":6,\"shortest_lose\":1}\n");
    // Scenario 7 goes to itself (the last), one past it and below 0, and wins unless 1 was played.
    OutcomeRecord* seelow = game.state.campaign.scenarios[7].outcome.data();
    seelow[BV].goto_scn = 7, seelow[V].goto_scn = 8, seelow[TV].goto_scn = -2;
    seelow[V].if_played = 1, seelow[V].then_goto = 254;
    game.save();
    BatchRun r = game.run({"graph", "$cam"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("{\"scenarios\":[{\"number\":0,\"file\":\"POLAND.SCN\",\"date\":"
                                  "\"1 SEP  1939\",\"found\":true},{\"number\":1,"))
        << r.out;
    for (const char* edge :
         {"\"found\":true}],\"edges\":[{\"from\":0,\"outcome\":\"BV\",\"to\":1,\"kind\":"
          "\"scenario\"},",
          "{\"from\":2,\"outcome\":\"V\",\"to\":5,\"kind\":\"scenario\",\"if_played\":3}",
          "{\"from\":6,\"outcome\":\"L\",\"to\":255,\"kind\":\"lose\"}",
          "{\"from\":7,\"outcome\":\"BV\",\"to\":7,\"kind\":\"scenario\"}",
          "{\"from\":7,\"outcome\":\"V\",\"to\":8,\"kind\":\"invalid\"}",
          "{\"from\":7,\"outcome\":\"V\",\"to\":254,\"kind\":\"win\",\"if_played\":1}",
          "{\"from\":7,\"outcome\":\"TV\",\"to\":-2,\"kind\":\"invalid\"},"
          "{\"from\":7,\"outcome\":\"L\",\"to\":255,\"kind\":\"lose\"}]}\n"})
        EXPECT_NE(r.out.find(edge), std::string::npos) << edge;

    const std::string reached = "Every scenario can be reached from the first.\n",
                      no_win = "No path from the first scenario reaches a win (254).\n",
                      lose = "A loss can be reached; the shortest path plays 1 scenario.\n";
    std::string broken;
    for (const char* outcome : {"BV", "V", "TV"})
        broken += std::string("Scenario 0 goes to 1 on outcome ") + outcome +
                  ", which is no scenario and no ending.\n";
    // Scenario count, the gotos of scenario 7 (Seelow), exit status, findings.
    const std::tuple<int16_t, int16_t, int, std::string> cases[] = {
        {8, 254, 0,
         reached + "A win can be reached; the shortest path plays 6 scenarios.\n" + lose +
             "Every path through the campaign ends.\n"},
        {8, 7, 1,
         reached + no_win + lose +
             "A player can go round for ever, with no ending reachable, from scenario 7.\n"},
        {0, 254, 1, reached + no_win + lose + broken},
    };
    for (const auto& [count, seelow_goto, status, says] : cases) {
        DemoBatch g;
        g.state.campaign.scenario_count = count;
        for (OutcomeRecord& o : g.state.campaign.scenarios[7].outcome)
            o.goto_scn = seelow_goto;
        g.save();
        r = g.run({"flow", "$cam"});
        EXPECT_EQ(r.status, status) << says;
        EXPECT_EQ(r.out, says);
#ifndef _WIN32
        // Output that does not reach its file (a full disk) is an error, known once the last flush
        // failed, whatever the findings.
        std::ofstream full("/dev/full");
        std::ostringstream err;
        EXPECT_EQ(run_batch(paths({"flow", g.campaign_path().str()}), g.dir.path(), full, err), 2);
        EXPECT_TRUE(err.str().starts_with("mf7batch: cannot write the output")) << err.str();
#endif
    }
}

namespace {

// The tool run from a folder with no settings file: these commands need none.
struct TextBatch {
    TempDir dir;
    BatchRun run(const std::vector<std::string>& args) { return run_batch_in(dir.path(), args); }
    std::string put(const std::string& name, const std::string& bytes) {
        EXPECT_TRUE(demo::write_bytes(dir.file(name), bytes));
        return dir.file(name).str();
    }
};

// The demo campaign as the editor saves it.
std::string demo_bytes() {
    CampaignRecord cam = demo::demo_campaign();
    blanks_to_nul(cam);
    return campaign_to_bytes(cam);
}

} // namespace

// Export writes the text import reads back to the same bytes; other files are refused. Each
// faulty text is refused naming the line and the key, exits 2 and leaves the target as it was.
// Slot 0's fields stand from line 8 (its brace on line 7): scn_file on 12, bv_goto on 36, bv_extra
// on 39.
TEST(BatchText, ExportsImportsAndDiffsRefusingFaultyFilesAndWritingNothing) {
    TextBatch b;
    std::string cam = b.put("DEMO.CAM", demo_bytes());
    BatchRun r = b.run({"export", cam, "--out", b.dir.file("demo.json").str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_all(b.dir.file("demo.json")), b.run({"export", cam}).out);
    r = b.run({"import", b.dir.file("demo.json").str(), "--out", b.dir.file("BACK.CAM").str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_all(b.dir.file("BACK.CAM")), demo_bytes());

    for (std::size_t size : {31943u, 31945u, 0u}) {
        SCOPED_TRACE(size);
        std::string odd = b.put("ODD.CAM", std::string(size, '\1'));
        r = b.run({"export", odd});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        std::string told = size > 31944 ? "more than 31945" : std::to_string(size);
        EXPECT_EQ(r.err, "mf7batch: " + odd + " is no campaign file: " + told +
                             " bytes, a campaign file has 31944\n");
    }

    using Edit = std::function<void(std::vector<std::string>&)>;
    auto line = [](std::size_t n, std::string text) -> Edit {
        return [=](std::vector<std::string>& l) { l.at(n - 1) = text; };
    };
    const std::vector<std::pair<Edit, std::string>> rows = {
        {line(36, "      \"bv_goto\": 1"),
         "line 37: malformed JSON: expected '}' or ',' after a value in an object, found '\"'"},
        {line(36, "      \"bv_goto\": 0x10,"),
         "line 36: malformed JSON: expected '}' or ',' after a value in an object, found 'x'"},
        {[](std::vector<std::string>& l) { l.erase(l.begin() + 35); },
         "line 7: scenarios[0]: missing key \"bv_goto\""},
        {line(36, "      \"bv_gotto\": 1,"), "line 36: scenarios[0]: unknown key \"bv_gotto\""},
        {line(37, "      \"bv_goto\": 1,"), "line 37: scenarios[0]: key \"bv_goto\" stands twice"},
        {line(36, "      \"bv_goto\": 32768,"),
         "line 36: scenarios[0].bv_goto: 32768 is out of range -32768 to 32767"},
        {line(36, "      \"bv_goto\": 1.5,"),
         "line 36: scenarios[0].bv_goto: 1.5 is no whole number from -32768 to 32767"},
        {line(3, "  \"player_start_prestige\": -1,"),
         "line 3: player_start_prestige: -1 is out of range 0 to 65535"},
        {line(12, "      \"scn_file\": \"ABCDEFGHIJKLMNOPQRSTU\","),
         "line 12: scenarios[0].scn_file: \"ABCDEFGHIJKLMNOPQRSTU\" is 21 bytes long, a name "
         "holds at most 20"},
        {line(12, "      \"scn_file\": \"\xE2\x86\x92.SCN\","),
         "line 12: scenarios[0].scn_file: the character U+2192 has no Windows-1252 byte"},
        {line(12, "      \"scn_file\": \"\\u0081.SCN\","),
         "line 12: scenarios[0].scn_file: the character U+0081 has no Windows-1252 byte (bytes "
         "Windows-1252 leaves undefined need the raw form)"},
        {line(12, "      \"scn_file\": {\"raw\": \"A.SCN\"},"),
         "line 12: scenarios[0].scn_file.raw: holds 5 characters, the raw form needs 20"},
        {line(39, "      \"bv_extra\": \"01 00\","),
         "line 39: scenarios[0].bv_extra: expected 24 bytes as hexadecimal pairs between blanks "
         "(\"zero\" for all zero)"},
        {// slot 49 (lines 2310 to 2356 with its braces) taken out of the list
         [](std::vector<std::string>& l) {
             l.erase(l.begin() + 2309, l.begin() + 2356);
             l.at(2308) = "    }";
         },
         "line 6: scenarios: holds 49 scenarios, the file holds exactly 50 (slots beyond the "
         "count too)"},
    };
    for (const auto& [edit, error] : rows) {
        SCOPED_TRACE(error);
        std::vector<std::string> lines = split_lines_any(read_all(b.dir.file("demo.json")));
        edit(lines);
        std::string path = b.put("edited.json", joined(lines));
        std::string target = b.put("OLD.CAM", "old");
        r = b.run({"import", path, "--out", target});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "mf7batch: " + path + ": " + error + "\n");
        EXPECT_EQ(read_all(NativePath(target)), "old");
    }

    // diff exits 0 when equal, 1 with a line per differing field, 2 when a file is no campaign.
    CampaignRecord changed = campaign_from_bytes(demo_bytes());
    changed.scenario_count = -3;
    changed.scenarios[3].outcome[BV].goto_scn = 7;
    changed.scenarios[0].scn_file = make_text_field("X.SCN");
    changed.trailer_extra[79] = 0xAB;
    std::string c = b.put("C.CAM", campaign_to_bytes(changed));
    std::string zeros;
    for (int i = 0; i < 77; ++i)
        zeros += " 00";
    // Arguments, exit status, standard output.
    const std::tuple<std::vector<std::string>, int, std::string> diffs[] = {
        {{"diff", cam, cam}, 0, ""},
        {{"diff", cam, c},
         1,
         "scenario_count: 8 -> -3\n"
         "scenario 0 scn_file: \"POLAND.SCN\" -> {\"raw\": \"X.SCN               \"}\n"
         "scenario 3 bv_goto: 4 -> 7\n"
         "trailer_extra: \"4D 46" +
             zeros + " 00\" -> \"4D 46" + zeros + " AB\"\n"},
        {{"diff", cam, b.dir.file("NONE.CAM").str()}, 2, ""},
        {{"diff", cam}, 2, ""},
    };
    for (const auto& [args, status, out] : diffs) {
        SCOPED_TRACE(args.back());
        r = b.run(args);
        EXPECT_EQ(r.status, status) << r.err;
        EXPECT_EQ(r.out, out);
        EXPECT_EQ(r.err.empty(), status < 2);
    }
}
