#include "model/campaign_file.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace mf7;
using namespace mf7::test;

namespace {

std::string demo_bytes() {
    return campaign_to_bytes(demo::demo_campaign());
}

} // namespace

TEST(ReadCampaign, RefusesEmptyMissingAndFolderPathsAndKeepsTheRecord) {
    TempDir dir;
    EditorState state;
    state.campaign.scenario_count = 3;
    RecordingMessages msgs;
    EXPECT_FALSE(read_campaign(state, "", msgs));
    std::string missing = dir.file("nothere.cam");
    EXPECT_FALSE(read_campaign(state, missing, msgs));
    EXPECT_EQ(msgs.texts(),
              (std::vector<std::string>{
                  "F1-E01: No file selected. Please report this errorcode and filename.",
                  "The Campaign file " + missing +
                      "does not exist. Please check MF7-editor directory settings and content of "
                      "the folder where the campaign file should be located."}));
    std::filesystem::create_directory(dir.file("camp.cam"));
    EXPECT_FALSE(read_campaign(state, dir.file("camp.cam"), msgs));
    EXPECT_EQ(state.campaign.scenario_count, 3);
}

TEST(ReadCampaign, FindsTheFileIgnoringLetterCase) {
    TempDir dir;
    ASSERT_TRUE(demo::write_bytes(dir.file("Old.CAM"), demo_bytes()));
    EditorState state;
    RecordingMessages msgs;
    ASSERT_TRUE(read_campaign(state, dir.file("old.cam"), msgs));
    EXPECT_TRUE(msgs.shown.empty());
    EXPECT_EQ(state.campaign, demo::demo_campaign());
}

TEST(ReadCampaign, DamagedCountIsReportedAndNoMoreThanFiftyRowsShown) {
    for (int16_t count : {int16_t(60), int16_t(-3)}) {
        SCOPED_TRACE(count);
        TempDir dir;
        CampaignRecord cam = demo::demo_campaign();
        cam.scenario_count = count;
        ASSERT_TRUE(demo::write_bytes(dir.file("bad.cam"), campaign_to_bytes(cam)));
        EditorState state;
        RecordingMessages msgs;
        ASSERT_TRUE(read_campaign(state, dir.file("bad.cam"), msgs));
        ASSERT_EQ(msgs.shown.size(), 1u);
        EXPECT_TRUE(msgs.shown[0].text.starts_with("The error: >Damaged campaign file: "));
        EXPECT_TRUE(msgs.shown[0].text.ends_with(
            "< was encountered, While trying to Read the file: " + dir.file("bad.cam")));
        OverviewFill fill = fill_overview(state, msgs);
        EXPECT_LE(fill.rows.size(), 50u);
        EXPECT_GE(fill.rows.size(), 1u);
    }
}

class SaveTest : public ::testing::Test {
  protected:
    TempDir dir;
    EditorState state;
    RecordingMessages msgs;
    void SetUp() override { state.cam_path = dir.file("c.cam"); }
    // Writes bytes as the file on disk and opens it.
    void open(const std::string& bytes) {
        ASSERT_TRUE(demo::write_bytes(state.cam_path, bytes));
        ASSERT_TRUE(read_campaign(state, state.cam_path, msgs));
    }
    std::string save() {
        msgs.answers = {Answer::Yes};
        EXPECT_EQ(write_campaign_file(state, msgs), SaveResult::Saved);
        return read_all(state.cam_path);
    }
};

TEST_F(SaveTest, AsksFirstAndWritesNothingOnNo) {
    reset_campaign(state.campaign);
    EXPECT_EQ(write_campaign_file(state, msgs), SaveResult::Declined);
    ASSERT_EQ(msgs.shown.size(), 1u);
    EXPECT_EQ(msgs.shown[0].text, "F1-I02: Do you want to save this file: " + state.cam_path);
    EXPECT_EQ(msgs.shown[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(file_exists(state.cam_path));
}

// A typed name that matches an existing file only ignoring case saves to that file: the question
// names it.
TEST_F(SaveTest, TheQuestionNamesTheFileThatIsWritten) {
    ASSERT_TRUE(demo::write_bytes(dir.file("DEMO.CAM"), "old"));
    state.cam_path = dir.file("demo.cam");
    save();
    std::string named = "F1-I02: Do you want to save this file: " + dir.file("DEMO.CAM");
#ifdef _WIN32
    // The system itself ignores letter case there and writes into DEMO.CAM whatever the spelling.
    EXPECT_EQ(fold_case(msgs.shown[0].text), fold_case(named));
#else
    EXPECT_EQ(msgs.shown[0].text, named);
#endif
    EXPECT_NE(read_all(dir.file("DEMO.CAM")), "old");
}

TEST_F(SaveTest, ReadAndSavedWithoutEditsIsByteIdentical) {
    open(demo_bytes());
    EXPECT_EQ(save(), demo_bytes());
}

TEST_F(SaveTest, BlanksInNamesComeBackAsNuls) {
    CampaignRecord cam = demo::demo_campaign();
    cam.win_smk = make_text_field("my film.smk");
    cam.scenarios[10].scn_file = make_text_field("beyond count"); // unused slot, kept as is
    open(campaign_to_bytes(cam));
    std::string saved = save();
    EXPECT_EQ(saved.substr(4, 20), std::string("my\0film.smk", 11) + std::string(9, '\0'));
    EXPECT_EQ(saved.substr(44 + 636 * 10 + 8, 20),
              std::string("beyond\0count", 12) + std::string(8, '\0'));
}

TEST_F(SaveTest, NewCampaignShownAndSavedIsCountOneAndZeros) {
    reset_campaign(state.campaign);
    fill_overview(state, msgs);
    std::string saved = save();
    ASSERT_EQ(saved.size(), 31944u);
    EXPECT_EQ(saved.substr(0, 2), std::string("\x01\x00", 2));
    EXPECT_EQ(saved.find_first_not_of('\0', 2), std::string::npos);
}

TEST_F(SaveTest, LongerExistingFileKeepsItsTail) {
    ASSERT_TRUE(demo::write_bytes(state.cam_path, std::string(40000, 'z')));
    state.campaign = demo::demo_campaign();
    ASSERT_TRUE(save_campaign(state, msgs));
    EXPECT_EQ(read_all(state.cam_path), demo_bytes() + std::string(40000 - 31944, 'z'));
}

TEST_F(SaveTest, InterruptedWriteLeavesTheOldFileIntact) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no file-size limit per process to stop a write part-way";
#else
    std::string old = demo_bytes();
    ASSERT_TRUE(demo::write_bytes(state.cam_path, old));
    reset_campaign(state.campaign);
    // A file-size limit makes the write fail part-way, as a full disk would.
    rlimit saved_limit{};
    getrlimit(RLIMIT_FSIZE, &saved_limit);
    auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_limit;
    small.rlim_cur = 10000;
    setrlimit(RLIMIT_FSIZE, &small);
    msgs.answers = {Answer::Yes};
    SaveResult result = write_campaign_file(state, msgs);
    setrlimit(RLIMIT_FSIZE, &saved_limit);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_EQ(result, SaveResult::Failed);
    EXPECT_EQ(read_all(state.cam_path), old);
    EXPECT_EQ(msgs.texts().back(), "The error: >File too large< was encountered, While trying to "
                                   "write the file: " +
                                       state.cam_path);
    // No temporary file is left beside it.
    EXPECT_EQ(list_files(dir.str(), "*").size(), 1u);
#endif
}

TEST_F(SaveTest, WriteIntoMissingFolderReportsAndFails) {
    state.cam_path = dir.file("no/such/folder/c.cam");
    msgs.answers = {Answer::Yes};
    EXPECT_EQ(write_campaign_file(state, msgs), SaveResult::Failed);
    EXPECT_EQ(msgs.texts().back(),
              "The error: >" + kNoFolderText +
                  "< was encountered, While trying to write the file: " + state.cam_path);
}
