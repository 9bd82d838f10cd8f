#include "model/scenario_edit.h"

#include "platform/text.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

class ScenarioEditTest : public ::testing::Test, public DemoGame {
  protected:
    ScenarioSlot& slot(int i) { return state.campaign.scenarios[static_cast<std::size_t>(i)]; }
    EditorOpening opened(int index) {
        state.selected_scn = static_cast<int16_t>(index);
        auto o = open_editor(state, msgs);
        EXPECT_TRUE(o.has_value());
        return o ? *o : EditorOpening{};
    }
    // The slot's bytes in the campaign file image.
    std::string slot_bytes(int i) {
        return campaign_to_bytes(state.campaign)
            .substr(44 + 636 * static_cast<std::size_t>(i), 636);
    }
};

TEST_F(ScenarioEditTest, OpeningShowsTheSlotAsFieldTexts) {
    slot(2).outcome[TV].if_played = -1;
    slot(2).outcome[L].then_goto = static_cast<int16_t>(32768);
    EditorOpening o = opened(2);
    EXPECT_EQ(o.texts.prestige,
              (std::array<std::string, 8>{"3000", "1000", "600", "500", "600", "400", "200", "0"}));
    EXPECT_EQ(o.texts.gotos, (std::array<std::string, 12>{"4", "0", "0", "4", "3", "5", "3", "-1",
                                                          "0", "255", "0", "-32768"}));
    EXPECT_EQ(o.texts.names[3], "SEDbrief.txt");
    EXPECT_EQ(o.label3, "Main country for this scenario is: Germany");
    EXPECT_EQ(o.frame1, "Scenario data - Scenario number 2");
    EXPECT_TRUE(msgs.shown.empty());
    // A NUL ends a name.
    TextField f = make_text_field("AB CD");
    f[2] = '\0';
    EXPECT_EQ(shown_name(f), "AB");
}

TEST_F(ScenarioEditTest, SlotsOutsideTheRecordAreRefused) {
    CampaignRecord before = state.campaign;
    for (int16_t index : {int16_t(-1), int16_t(50)}) {
        state.selected_scn = index;
        EXPECT_FALSE(collect_scenario_edits(state));
        EXPECT_FALSE(open_editor(state, msgs));
        EXPECT_FALSE(store_scenario_edits(state, EditorTexts{}, msgs));
    }
    EXPECT_EQ(state.campaign, before);
    EXPECT_FALSE(state.campaign_changed);
}

// Prestige is rounded halves to even and goes out low byte first; names are padded with blanks
// or cut at 20 characters; the byte blocks the editor never writes keep their bytes.
TEST_F(ScenarioEditTest, StoreWritesTheTextsAndKeepsTheByteBlocks) {
    for (auto& o : slot(3).outcome)
        o.if_played = o.then_goto = -1;   // the word 65535
    for (std::size_t i = 0; i < 636; ++i) // the byte blocks, in a pattern
        (i < 100 ? slot(3).scn_extra[i] : slot(3).outcome[i % 4].extra[i % 24]) =
            static_cast<uint8_t>(255 - i);
    std::string before = slot_bytes(3);
    EditorTexts t = opened(3).texts;
    ASSERT_TRUE(store_scenario_edits(state, t, msgs));
    EXPECT_EQ(slot_bytes(3).substr(416), before.substr(416)); // gotos and byte blocks
    t.prestige.fill("4465.5");
    t.gotos.fill("254");
    t.names[0] = "ABCDEFGHIJKLMNOP.scn";  // 20
    t.names[1] = "ABCDEFGHIJKLMNOPQ.smk"; // 21
    t.names[2] = "";
    t.names[3] = "Briefing.txt";
    ASSERT_TRUE(store_scenario_edits(state, t, msgs));
    std::string bytes = slot_bytes(3);
    for (std::size_t at : {0, 2, 4, 6, 88, 170, 252, 334}) // the eight prestige words: 4466
        EXPECT_EQ(bytes.substr(at, 2), "\x72\x11") << at;
    EXPECT_EQ(bytes.substr(8, 80), "ABCDEFGHIJKLMNOP.scnABCDEFGHIJKLMNOPQ.sm" +
                                       std::string(20, ' ') + "Briefing.txt        ");
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(bytes.substr(416 + 30 * k, 6), std::string("\xFE\0\xFE\0\xFE\0", 6));
}

// The row is rebuilt from the stored slot with this scenario's date only, negative gotos as such
// and its alternative gotos marked (not for a negative if_played).
TEST_F(ScenarioEditTest, StoreRebuildsTheOverviewRowAndMarksTheCampaign) {
    EditorTexts t = opened(0).texts;
    t.names[0] = "MALTA.SCN";
    t.gotos = {"12", "0", "0", "12", "2", "0", "12", "0", "0", "-3", "-1", "0"};
    auto r = store_scenario_edits(state, t, msgs);
    ASSERT_TRUE(r);
    EXPECT_EQ(format_overview_row(r->row), " 0   MALTA.SCN" + std::string(11, ' ') +
                                               "       12        12*       12        -3 " +
                                               pad_left(" 2 JUL  1942", 20));
    EXPECT_EQ(r->main_country, "Main Country : Italy");
    EXPECT_TRUE(state.campaign_changed);

    t.names[0] = "";
    state.selected_scn = 6;
    r = store_scenario_edits(state, t, msgs);
    EXPECT_EQ(r->index, 6);
    EXPECT_EQ(r->row.date, "");
    EXPECT_TRUE(msgs.shown.empty());
}
