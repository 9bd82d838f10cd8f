#include "model/campaign_file.h"

#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

TEST(CampaignRecord, EveryFieldStandsAtItsOffsetAndSurvivesARoundTrip) {
    // Bytes of a repeating pattern, so that a field read from the wrong offset shows.
    std::string b(31944, '\0');
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<char>((i * 31 + 7) % 256);
    CampaignRecord cam = campaign_from_bytes(b);
    EXPECT_EQ(campaign_to_bytes(cam), b);
    auto u16 = [&](std::size_t at) {
        return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) |
                                     (static_cast<uint8_t>(b[at + 1]) << 8));
    };
    auto word = [](auto value) { return static_cast<uint16_t>(value); };
    auto block = [](const auto& bytes) { return std::string(bytes.begin(), bytes.end()); };
    EXPECT_EQ((std::array{word(cam.scenario_count), cam.player_start_prestige}),
              (std::array{u16(0), u16(2)}));
    EXPECT_EQ(block(cam.win_smk) + block(cam.lose_smk), b.substr(4, 40));
    EXPECT_EQ(block(cam.description_txt) + block(cam.trailer_extra), b.substr(31844, 100));
    for (std::size_t k : {0u, 1u, 49u}) {
        SCOPED_TRACE(k);
        const ScenarioSlot& s = cam.scenarios[k];
        std::size_t at = 44 + 636 * k;
        EXPECT_EQ((std::array{s.max_prestige_cap, s.start_prestige_cap, s.ai_prestige,
                              s.player_start_prestige}),
                  (std::array{u16(at), u16(at + 2), u16(at + 4), u16(at + 6)}));
        EXPECT_EQ(block(s.scn_file) + block(s.scn_smk) + block(s.scn_mus) + block(s.scn_txt),
                  b.substr(at + 8, 80));
        for (std::size_t o = 0; o < 4; ++o) {
            const OutcomeRecord& out = s.outcome[o];
            std::size_t files = at + 88 + 82 * o, gotos = at + 416 + 30 * o;
            EXPECT_EQ(out.prestige, u16(files));
            EXPECT_EQ(block(out.smk) + block(out.mus) + block(out.txt) + block(out.smk_after),
                      b.substr(files + 2, 80));
            EXPECT_EQ((std::array{word(out.goto_scn), word(out.if_played), word(out.then_goto)}),
                      (std::array{u16(gotos), u16(gotos + 2), u16(gotos + 4)}));
            EXPECT_EQ(block(out.extra), b.substr(gotos + 6, 24));
        }
        EXPECT_EQ(block(s.scn_extra), b.substr(at + 536, 100));
    }
    // A shorter image reads as far as it goes, the rest zero.
    EXPECT_EQ(campaign_to_bytes(campaign_from_bytes(b.substr(0, 100))),
              b.substr(0, 100) + std::string(31844, '\0'));
}

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
