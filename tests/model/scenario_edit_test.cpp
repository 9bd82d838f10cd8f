#include "model/scenario_edit.h"

#include "platform/text.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace mf7;
using namespace mf7::test;

class ScenarioEditTest : public ::testing::Test {
  protected:
    DemoGame game;
    RecordingMessages& msgs = game.msgs;
    EditorState& state = game.state;

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

TEST_F(ScenarioEditTest, OpeningShowsTheSlotAsFieldTextsAndHexViews) {
    slot(2).outcome[TV].if_played = -1;
    slot(2).outcome[L].then_goto = static_cast<int16_t>(32768);
    slot(2).outcome[V].extra = {};
    slot(2).outcome[V].extra[1] = 26;
    slot(2).outcome[V].extra[23] = 255;
    for (std::size_t i = 0; i < slot(2).scn_extra.size(); ++i)
        slot(2).scn_extra[i] = static_cast<uint8_t>(i * 3);
    EditorOpening o = opened(2);
    EXPECT_EQ(o.texts.prestige,
              (std::array<std::string, 8>{"3000", "1000", "600", "500", "600", "400", "200", "0"}));
    EXPECT_EQ(o.texts.gotos, (std::array<std::string, 12>{"4", "0", "0", "4", "3", "5", "3", "-1",
                                                          "0", "255", "0", "-32768"}));
    EXPECT_EQ(o.texts.names[3], "SEDbrief.txt");
    EXPECT_EQ(o.texts.names[7], ""); // smk_after: 20 NULs
    EXPECT_EQ(o.label3, "Main country for this scenario is: Germany");
    EXPECT_EQ(o.frame1, "Scenario data - Scenario number 2");
    EXPECT_EQ(o.extra_hex[V].substr(0, 9) + o.extra_hex[V].substr(63), "00 1A 00 00 00 FF ");
    EXPECT_EQ(o.scn_extra_hex.size(), 300u);
    EXPECT_EQ(o.scn_extra_hex.substr(294), "26 29 "); // 99 * 3 = 0x129, cut to a byte
    EXPECT_TRUE(msgs.shown.empty());

    // A cleared slot has no names and no main country; a NUL ends a name.
    slot(9) = ScenarioSlot::empty();
    o = opened(9);
    EXPECT_EQ(o.texts.names, (std::array<std::string, kNameFields>{}));
    EXPECT_EQ(o.label3, "");
    TextField f = make_text_field("AB");
    f[2] = '\0';
    EXPECT_EQ(shown_name(f), "AB");
}

TEST_F(ScenarioEditTest, SlotsOutsideTheRecordAreRefused) {
    CampaignRecord before = state.campaign;
    for (int16_t index : {int16_t(-1), int16_t(50)}) {
        SCOPED_TRACE(index);
        state.selected_scn = index;
        EXPECT_FALSE(collect_scenario_edits(state));
        EXPECT_FALSE(open_editor(state, msgs));
        EXPECT_FALSE(store_scenario_edits(state, EditorTexts{}, msgs));
    }
    EXPECT_EQ(state.campaign, before);
    EXPECT_FALSE(state.campaign_changed);
}

TEST_F(ScenarioEditTest, PrestigeIsStoredLowByteFirstRoundingHalvesToEven) {
    const std::tuple<std::string, uint8_t, uint8_t> cases[] = {
        {"256", 0, 1}, {"13.5", 14, 0}, {"4465", 0x71, 0x11}};
    // Offsets of the eight prestige words in a slot, in the editor's order.
    const std::size_t offsets[] = {0, 2, 4, 6, 88, 170, 252, 334};
    for (const auto& [text, low, high] : cases) {
        SCOPED_TRACE(text);
        EditorTexts t = opened(1).texts;
        t.prestige.fill(text);
        ASSERT_TRUE(store_scenario_edits(state, t, msgs));
        std::string bytes = slot_bytes(1);
        for (std::size_t at : offsets) {
            EXPECT_EQ(static_cast<uint8_t>(bytes[at]), low) << at;
            EXPECT_EQ(static_cast<uint8_t>(bytes[at + 1]), high) << at;
        }
    }
}

TEST_F(ScenarioEditTest, UntouchedFieldsGoBackAsTheSameBytes) {
    for (auto& o : slot(3).outcome)
        o.if_played = o.then_goto = -1;   // the word 65535
    for (std::size_t i = 0; i < 636; ++i) // the byte blocks too, which are never written
        (i < 100 ? slot(3).scn_extra[i] : slot(3).outcome[i % 4].extra[i % 24]) =
            static_cast<uint8_t>(255 - i);
    std::string before = slot_bytes(3);
    EditorTexts t = opened(3).texts;
    EXPECT_EQ(t.gotos[1], "-1");
    ASSERT_TRUE(store_scenario_edits(state, t, msgs));
    EXPECT_EQ(slot_bytes(3).substr(416), before.substr(416)); // gotos and byte blocks
    t.gotos.fill("254");
    ASSERT_TRUE(store_scenario_edits(state, t, msgs));
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(slot_bytes(3).substr(422 + 30 * k, 24), before.substr(422 + 30 * k, 24));
    EXPECT_EQ(slot_bytes(3).substr(536), before.substr(536));
    EXPECT_EQ(slot(3).outcome[V].goto_scn, 254);
}

TEST_F(ScenarioEditTest, NamesArePaddedWithBlanksOrCutAtTwentyCharacters) {
    EditorTexts t = opened(1).texts;
    t.names[0] = "ABCDEFGHIJKLMNOP.scn";  // 20
    t.names[1] = "ABCDEFGHIJKLMNOPQ.smk"; // 21
    t.names[2] = "";
    t.names[3] = "Briefing.txt";
    ASSERT_TRUE(store_scenario_edits(state, t, msgs));
    EXPECT_EQ(slot_bytes(1).substr(8, 80), "ABCDEFGHIJKLMNOP.scnABCDEFGHIJKLMNOPQ.sm" +
                                               std::string(20, ' ') + "Briefing.txt        ");
}

TEST_F(ScenarioEditTest, StoreRebuildsTheOverviewRowAndMarksTheCampaign) {
    EditorTexts t = opened(7).texts;
    t.gotos = {"12", "0", "0", "12", "0", "0", "12", "0", "0", "12", "0", "0"};
    state.scn_date_text = "left over";
    auto r = store_scenario_edits(state, t, msgs);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->index, 7);
    EXPECT_EQ(r->row, " 7   SEELOW.SCN" + std::string(10, ' ') + "       12        12        12 " +
                          "       12 " + pad_left(" 16 APR  1945", 20));
    EXPECT_EQ(state.scn_date_text, "");
    EXPECT_FALSE(r->main_country);
    EXPECT_TRUE(state.campaign_changed);

    // An alternative goto gets its mark; a negative if_played does not.
    t.gotos[4] = "2";
    t.gotos[10] = "-1";
    r = store_scenario_edits(state, t, msgs);
    EXPECT_EQ(r->row.substr(25, 40), "       12        12*       12        12 ");
}

TEST_F(ScenarioEditTest, RowDateComesOnlyFromThisScenario) {
    EditorTexts t = opened(6).texts;
    t.names[0] = "lost.scn";
    EXPECT_EQ(store_scenario_edits(state, t, msgs)->row.substr(65), pad_left("**not found**", 20));
    // A file the reader cannot use leaves the date empty, not the previous scenario's.
    get_scn_data(state, "POLAND.SCN", msgs);
    demo::ScnSpec fields;
    fields.player4_country = 5;
    write_scenario(state.settings, "four.scn", fields);
    t.names[0] = "four.scn";
    EXPECT_EQ(store_scenario_edits(state, t, msgs)->row.substr(65), std::string(20, ' '));
    EXPECT_EQ(field_text(slot(6).scn_file), "four.scn");
    EXPECT_EQ(msgs.texts(),
              std::vector<std::string>{
                  "You have chosen a 3 or 4 player scenario, this will not work in a campaign"});
}

TEST_F(ScenarioEditTest, OnlyStoringTheFirstScenarioRefreshesTheMainCountry) {
    for (int index : {1, 0}) {
        EditorTexts t = opened(index).texts;
        t.names[0] = "MALTA.SCN";
        auto expected =
            index == 0 ? std::optional<std::string>("Main Country : Italy") : std::nullopt;
        EXPECT_EQ(store_scenario_edits(state, t, msgs)->main_country, expected);
    }
}
