#include "app/batch.h"

#include "model/overview.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "reports/campaign_list.h"
#include "reports/file_list.h"
#include "reports/full_report.h"
#include "reports/missing_files_check.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

using namespace mf7;
using namespace mf7::test;

namespace {

struct BatchRun {
    int status;
    std::string out, err;
};

// The generated campaign with a settings file beside the (pretended) program.
struct BatchGame : FullGame {
    RecordingMessages msgs;

    explicit BatchGame(int count = 6) : FullGame(count) {
        if (!write_settings(state.settings, "3.0.1", dir.str(), msgs))
            throw std::runtime_error("cannot write the settings file");
    }
    BatchRun batch(std::vector<std::string> args) {
        std::ostringstream out, err;
        int status = run_batch(args, dir.str(), out, err);
        return {status, out.str(), err.str()};
    }
    std::vector<std::string> rows() { return udfyld_form1(state, msgs).rows; }
};

std::string lf_lines(const std::string& crlf_text) {
    std::string out;
    for (const auto& l : split_lines_cr(crlf_text))
        out += l + "\n";
    return out;
}

} // namespace

TEST(BatchReports, WriteTheSameFileAsTheEditor) {
    using Writer = ReportWritten (*)(EditorState&, const std::vector<std::string>&,
                                     const ReportTime&, Messages&);
    struct Case {
        const char* command;
        Writer writer;
    } cases[] = {
        {"list", write_campaign_list}, {"report", gem_liste_paa_disk}, {"files", write_file_list}};
    for (const auto& c : cases) {
        BatchGame game;
        ReportTime before = locale_report_time();
        BatchRun r = game.batch({c.command, game.state.cam_path});
        ReportTime after = locale_report_time();
        ASSERT_EQ(r.status, 0) << c.command << r.err;
        ASSERT_FALSE(r.out.empty());
        std::string path = r.out.substr(0, r.out.size() - 1);
        EXPECT_EQ(r.out.back(), '\n');
        std::string from_batch = read_all(path);
        ASSERT_FALSE(from_batch.empty()) << c.command;

        // The editor's writer, given the time the batch tool took, writes the same bytes.
        std::string line = date_time_line(before);
        ReportTime time = from_batch.find(line) != std::string::npos ? before : after;
        auto written = c.writer(game.state, game.rows(), time, game.msgs);
        ASSERT_TRUE(written);
        EXPECT_EQ(*written, path) << c.command;
        EXPECT_EQ(read_all(path), from_batch) << c.command;
        // The announcement went to standard error, as the editor shows it in a box.
        std::ostringstream shown;
        print_text(shown, game.msgs.texts().back());
        EXPECT_EQ(r.err, shown.str() + "\n") << c.command;
    }
}

TEST(BatchReports, CheckPrintsTheTextAndExitsByTheVerdict) {
    struct Case {
        const char* what;
        const char* remove_folder_file[2];
        int status;
    } cases[] = {
        {"every file present", {nullptr, nullptr}, 0},
        {"a film missing", {"SMACK", "BVA03.SMK"}, 0},
        {"a used scenario file missing", {"SCENARIO", "FULL02.SCN"}, 1},
        {"map graphics missing", {"MAP", "MAP0300.SHP"}, 1},
    };
    for (const auto& c : cases) {
        BatchGame game;
        if (c.remove_folder_file[0])
            std::filesystem::remove(to_native(
                join_path(game.dir.file(c.remove_folder_file[0]), c.remove_folder_file[1])));
        BatchRun r = game.batch({"check", game.state.cam_path});
        EXPECT_EQ(r.status, c.status) << c.what;
        EXPECT_EQ(r.err, "") << c.what;
        OverviewFill fill = udfyld_form1(game.state, game.msgs);
        CheckResult core = check_missing_files(game.state, {fill.text3, fill.text4, fill.text5},
                                               fill.rows, game.msgs);
        EXPECT_EQ(r.out, lf_lines(core.text)) << c.what;
        EXPECT_EQ(r.out.find('\r'), std::string::npos);
        EXPECT_FALSE(file_exists(core.caption)) << "written without --save: " << c.what;
    }
}

TEST(BatchReports, CheckSaveWritesWhatTheSaveButtonWrites) {
    BatchGame game;
    BatchRun r = game.batch({"check", game.state.cam_path, "--save"});
    EXPECT_EQ(r.status, 0);
    OverviewFill fill = udfyld_form1(game.state, game.msgs);
    CheckResult core =
        check_missing_files(game.state, {fill.text3, fill.text4, fill.text5}, fill.rows, game.msgs);
    EXPECT_EQ(read_all(core.caption), core.text + "\r\n");
    EXPECT_EQ(core.caption, join_path(game.settings().mf7_rep, "Missing-Files-List-FULL.txt"));
}

TEST(BatchReports, ErrorsAndUsage) {
    BatchGame game;
    EXPECT_EQ(game.batch({"check", game.dir.file("none.cam")}).status, 2);
    EXPECT_EQ(game.batch({"list", game.dir.file("none.cam")}).status, 2);
    EXPECT_EQ(game.batch({"check", game.state.cam_path, "--sve"}).status, 2);
    EXPECT_EQ(game.batch({"files", game.state.cam_path, "--save"}).status, 2);
    BatchRun usage = game.batch({"lists", game.state.cam_path});
    EXPECT_EQ(usage.status, 2);
    EXPECT_NE(usage.err.find("mf7batch check CAMPAIGN [--save]"), std::string::npos);

    // No report folder: the editor's message on standard error, and no path on standard output.
    std::filesystem::remove_all(to_native(game.settings().mf7_rep));
    BatchRun list = game.batch({"list", game.state.cam_path});
    EXPECT_EQ(list.status, 2);
    EXPECT_EQ(list.out, "");
    EXPECT_NE(list.err.find("Path or Drive error. Correct directory settings before you "
                            "continue.\nCurrent directory setting: "),
              std::string::npos);
    BatchRun check = game.batch({"check", game.state.cam_path, "--save"});
    EXPECT_EQ(check.status, 2);
    EXPECT_NE(check.err.find("While trying to write the file: "), std::string::npos);
    EXPECT_NE(check.out.find("Campaign seems 'playable'."), std::string::npos);
}
