#include "model/campaign_file.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

// A damaged count is reported, and the overview shows no more than 50 rows.
TEST(ReadCampaign, RefusesEmptyAndMissingPathsAndReportsADamagedCount) {
    TempDir dir;
    EditorState state;
    state.campaign.scenario_count = 3;
    RecordingMessages msgs;
    EXPECT_FALSE(read_campaign(state, NativePath(), msgs));
    NativePath missing = dir.file("nothere.cam");
    EXPECT_FALSE(read_campaign(state, missing, msgs));
    EXPECT_EQ(msgs.texts(),
              (std::vector<std::string>{
                  "F1-E01: No file selected. Please report this errorcode and filename.",
                  "The Campaign file " + missing.str() +
                      "does not exist. Please check MF7-editor directory settings and content of "
                      "the folder where the campaign file should be located."}));
    EXPECT_EQ(state.campaign.scenario_count, 3);
    for (int16_t count : {int16_t(60), int16_t(-3)}) {
        CampaignRecord cam = demo::demo_campaign();
        cam.scenario_count = count;
        ASSERT_TRUE(demo::write_bytes(dir.file("bad.cam"), campaign_to_bytes(cam)));
        msgs.clear();
        ASSERT_TRUE(read_campaign(state, dir.file("bad.cam"), msgs));
        EXPECT_EQ(msgs.texts(), std::vector<std::string>{
                                    "The error: >Damaged campaign file: " + std::to_string(count) +
                                    " scenarios, the game allows 0 to 50< was encountered, While "
                                    "trying to Read the file: " +
                                    dir.file("bad.cam").str()});
        EXPECT_EQ(fill_overview(state, msgs).rows.size(), count < 0 ? 1u : 50u);
    }
}

class SaveTest : public ::testing::Test {
  protected:
    TempDir dir;
    EditorState state;
    RecordingMessages msgs;
    const std::string demo_bytes = campaign_to_bytes(demo::demo_campaign());
    void SetUp() override { state.cam_path = dir.file("c.cam"); }
    std::string save() {
        msgs.answers = {Answer::Yes};
        EXPECT_EQ(write_campaign_file(state, msgs), SaveResult::Saved);
        return read_all(state.cam_path);
    }
};

// The file is found ignoring letter case, both to read and to save: the question names the file
// that is written, and a record read and saved without edits gives back the same bytes.
TEST_F(SaveTest, AsksFirstThenSavesTheFileFoundIgnoringCaseUnchanged) {
    ASSERT_TRUE(demo::write_bytes(dir.file("DEMO.CAM"), demo_bytes));
    state.cam_path = dir.file("demo.cam");
    ASSERT_TRUE(read_campaign(state, state.cam_path, msgs));
    EXPECT_EQ(state.campaign, demo::demo_campaign());
    state.campaign.player_start_prestige = 7;
    EXPECT_EQ(write_campaign_file(state, msgs), SaveResult::Declined);
    EXPECT_EQ(read_all(dir.file("DEMO.CAM")), demo_bytes);
    state.campaign = demo::demo_campaign();
    save();
    std::string named = "F1-I02: Do you want to save this file: " + dir.file("DEMO.CAM").str();
    ASSERT_EQ(msgs.shown.size(), 2u);
    EXPECT_EQ(msgs.shown[0].buttons, Buttons::YesNo);
#ifdef _WIN32
    // The system itself ignores letter case there and writes into DEMO.CAM whatever the spelling.
    EXPECT_EQ(fold_case(msgs.shown[1].text), fold_case(named));
#else
    EXPECT_EQ(msgs.shown[1].text, named);
    EXPECT_EQ(list_files(dir.path(), "*"), paths({"DEMO.CAM"}));
#endif
    EXPECT_EQ(read_all(dir.file("DEMO.CAM")), demo_bytes);
}

// A cleared campaign keeps nothing of the old one but blank scenario names, and shows one
// scenario; every blank of a name, within or after it, goes out as a NUL. A longer file saved over
// keeps its tail.
TEST_F(SaveTest, ClearedCampaignIsSavedAsCountOneAndNulsOnlyKeepingALongerFilesTail) {
    ASSERT_TRUE(demo::write_bytes(state.cam_path, std::string(40000, 'z')));
    state.campaign = campaign_from_bytes(std::string(31944, 'x'));
    reset_campaign(state.campaign);
    for (const ScenarioSlot& s : state.campaign.scenarios)
        EXPECT_EQ(s.scn_file, blank_field());
    fill_overview(state, msgs);
    state.campaign.win_smk = make_text_field("my film.smk");
    std::string saved = save();
    EXPECT_EQ(saved.substr(0, 15), std::string("\x01\0\0\0my\0film.smk", 15));
    EXPECT_EQ(saved.find_first_not_of('\0', 15), 31944u);
    EXPECT_EQ(saved.substr(31944), std::string(40000 - 31944, 'z'));
}

// A failed write is reported; the writer's own tests show that it leaves the old file as it was.
TEST_F(SaveTest, FailedWriteIsReported) {
    state.cam_path = dir.file("no/such/folder/c.cam");
    msgs.answers = {Answer::Yes};
    EXPECT_EQ(write_campaign_file(state, msgs), SaveResult::Failed);
    EXPECT_EQ(msgs.texts().back(),
              "The error: >" + kNoFolderText +
                  "< was encountered, While trying to write the file: " + state.cam_path.str());
}
