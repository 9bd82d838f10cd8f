#include "model/scenario_edit.h"

#include "platform/text.h"
#include "support/fixtures.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

class ScenarioEditTest : public ::testing::Test {
  protected:
    DemoGame game;
    RecordingMessages msgs;
    EditorState& state = game.state;

    void SetUp() override { state.camfil = demo::demo_campaign(); }
    scn_record& slot(int i) { return state.camfil.scenarios[static_cast<std::size_t>(i)]; }
    EditorTexts opened(int index) {
        state.selected_scn = static_cast<int16_t>(index);
        auto o = open_editor(state, msgs);
        EXPECT_TRUE(o.has_value());
        return o ? o->texts : EditorTexts{};
    }
    // The slot's bytes in the campaign file image.
    std::string slot_bytes(int i) {
        return camfil_to_bytes(state.camfil)
            .substr(layout::kFirstSlot + layout::kSlotSize * static_cast<std::size_t>(i),
                    layout::kSlotSize);
    }
};

TEST_F(ScenarioEditTest, OpeningShowsTheSlotAsFieldTexts) {
    slot(2).outcome[TV].if_played = -1;
    slot(2).outcome[L].then_goto = static_cast<int16_t>(32768);
    slot(2).scn_extra[99] = 0xFF;
    state.selected_scn = 2;
    auto o = open_editor(state, msgs);
    ASSERT_TRUE(o);
    EXPECT_EQ(o->texts.prestige,
              (std::array<std::string, 8>{"3000", "1000", "600", "500", "600", "400", "200", "0"}));
    EXPECT_EQ(o->texts.gotos, (std::array<std::string, 12>{"4", "0", "0", "4", "3", "5", "3", "-1",
                                                           "0", "255", "0", "-32768"}));
    EXPECT_EQ(o->texts.names[0], "SEDAN.SCN");
    EXPECT_EQ(o->texts.names[3], "SEDbrief.txt");
    EXPECT_EQ(o->texts.names[6], "SEDbv.txt");
    EXPECT_EQ(o->texts.names[7], ""); // smk_after: 20 NULs
    EXPECT_EQ(o->label3, "Main country for this scenario is: Germany");
    EXPECT_EQ(o->frame1, "Scenario data - Scenario number 2");
    EXPECT_TRUE(msgs.shown.empty());
}

TEST_F(ScenarioEditTest, HexViewsOfTheByteBlocks) {
    slot(4).outcome[V].extra = {};
    slot(4).outcome[V].extra[1] = 26;
    slot(4).outcome[V].extra[23] = 255;
    for (std::size_t i = 0; i < slot(4).scn_extra.size(); ++i)
        slot(4).scn_extra[i] = static_cast<uint8_t>(i * 3);
    state.selected_scn = 4;
    auto o = open_editor(state, msgs);
    ASSERT_TRUE(o);
    std::string v = o->extra_hex[V];
    EXPECT_EQ(v.size(), 72u);
    EXPECT_EQ(v.substr(0, 9), "00 1A 00 ");
    EXPECT_EQ(v.substr(66), "00 FF ");
    std::string zeros;
    for (int i = 0; i < 24; ++i)
        zeros += "00 ";
    slot(4).outcome[L].extra = {};
    EXPECT_EQ(open_editor(state, msgs)->extra_hex[L], zeros);
    std::string s = o->scn_extra_hex;
    EXPECT_EQ(s.size(), 300u);
    EXPECT_EQ(s.substr(0, 12), "00 03 06 09 ");
    EXPECT_EQ(s.substr(297), "29 "); // 99 * 3 = 297 = 0x129, cut to a byte
}

TEST_F(ScenarioEditTest, ClearedSlotOpensWithEmptyNamesAndNoMainCountry) {
    state.camfil.scenarios[9] = scn_record::empty();
    EditorTexts t = opened(9);
    for (const auto& n : t.names)
        EXPECT_EQ(n, "");
    state.selected_scn = 9;
    EXPECT_EQ(open_editor(state, msgs)->label3, "");
    // A NUL ends a name; what stands after it is not shown.
    TextField f = make_text_field("AB");
    f[2] = '\0';
    f[3] = 'X';
    EXPECT_EQ(shown_name(f), "AB");
}

TEST_F(ScenarioEditTest, SlotsOutsideTheRecordAreRefused) {
    Camfil before = state.camfil;
    for (int16_t index : {int16_t(-1), int16_t(50), int16_t(32767)}) {
        SCOPED_TRACE(index);
        state.selected_scn = index;
        EXPECT_FALSE(gem_data_temp(state));
        EXPECT_FALSE(open_editor(state, msgs));
        EXPECT_FALSE(gem_i_scn(state, EditorTexts{}, msgs));
    }
    EXPECT_EQ(state.camfil, before);
    EXPECT_FALSE(state.campaign_changed);
}

TEST_F(ScenarioEditTest, PrestigeIsStoredLowByteFirstRoundingHalvesToEven) {
    struct Case {
        std::string text;
        uint8_t low, high;
    } cases[] = {{"65535", 255, 255}, {"256", 0, 1},   {"0", 0, 0},
                 {"12.5", 12, 0},     {"13.5", 14, 0}, {"4465", 0x71, 0x11}};
    // Offsets of the eight prestige words in a slot, in the editor's order.
    const std::size_t offsets[] = {0, 2, 4, 6, 88, 170, 252, 334};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EditorTexts t = opened(1);
        t.prestige.fill(c.text);
        ASSERT_TRUE(gem_i_scn(state, t, msgs));
        std::string bytes = slot_bytes(1);
        for (std::size_t at : offsets) {
            EXPECT_EQ(static_cast<uint8_t>(bytes[at]), c.low) << at;
            EXPECT_EQ(static_cast<uint8_t>(bytes[at + 1]), c.high) << at;
        }
    }
}

TEST_F(ScenarioEditTest, UntouchedMinusOneGoesBackAsTheSameWord) {
    for (auto& o : slot(3).outcome)
        o.if_played = o.then_goto = -1; // the word 65535
    EditorTexts t = opened(3);
    EXPECT_EQ(t.gotos[1], "-1");
    std::string before = slot_bytes(3);
    ASSERT_TRUE(gem_i_scn(state, t, msgs));
    std::string after = slot_bytes(3);
    for (std::size_t k = 0; k < 4; ++k) {
        std::size_t at = layout::slot::kOutcomeGotos + k * layout::slot::kOutcomeGotosSize;
        EXPECT_EQ(after.substr(at + 2, 4), "\xFF\xFF\xFF\xFF");
        EXPECT_EQ(after.substr(at, 6), before.substr(at, 6));
    }
}

TEST_F(ScenarioEditTest, NamesArePaddedWithBlanksOrCutAtTwentyCharacters) {
    EditorTexts t = opened(1);
    t.names[0] = "ABCDEFGHIJKLMNOP.scn";  // 20
    t.names[1] = "ABCDEFGHIJKLMNOPQ.smk"; // 21
    t.names[2] = "";
    t.names[3] = "Briefing.txt";
    ASSERT_TRUE(gem_i_scn(state, t, msgs));
    const scn_record& s = slot(1);
    EXPECT_EQ(std::string(s.scn_file.data(), 20), "ABCDEFGHIJKLMNOP.scn");
    EXPECT_EQ(std::string(s.scn_smk.data(), 20), "ABCDEFGHIJKLMNOPQ.sm");
    EXPECT_EQ(std::string(s.scn_mus.data(), 20), std::string(20, ' '));
    EXPECT_EQ(std::string(s.scn_txt.data(), 20), "Briefing.txt        ");
}

TEST_F(ScenarioEditTest, ByteBlocksAreNeverWritten) {
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t i = 0; i < 24; ++i)
            slot(5).outcome[k].extra[i] = static_cast<uint8_t>(k * 40 + i * 7 + 1);
    for (std::size_t i = 0; i < 100; ++i)
        slot(5).scn_extra[i] = static_cast<uint8_t>(255 - i);
    scn_record before = slot(5);
    EditorTexts t = opened(5);
    t.prestige.fill("77");
    t.gotos.fill("254");
    t.names.fill("other.smk");
    ASSERT_TRUE(gem_i_scn(state, t, msgs));
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(slot(5).outcome[k].extra, before.outcome[k].extra);
    EXPECT_EQ(slot(5).scn_extra, before.scn_extra);
    EXPECT_EQ(slot(5).outcome[V].goto_scn, 254);
}

TEST_F(ScenarioEditTest, StoreRebuildsTheOverviewRowAndMarksTheCampaign) {
    EditorTexts t = opened(7);
    for (std::size_t k = 0; k < 4; ++k) {
        t.gotos[k * 3] = "12";
        t.gotos[k * 3 + 1] = "0";
        t.gotos[k * 3 + 2] = "0";
    }
    state.scn_date_text = "left over";
    auto r = gem_i_scn(state, t, msgs);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->index, 7);
    EXPECT_EQ(r->row, " 7   SEELOW.SCN" + std::string(10, ' ') + "       12        12        12 " +
                          "       12 " + pad_left(" 16 APR  1945", 20));
    EXPECT_EQ(r->row.size(), 85u);
    EXPECT_EQ(state.scn_date_text, "");
    EXPECT_FALSE(r->main_country);
    EXPECT_TRUE(state.campaign_changed);

    // An alternative goto gets its mark; a negative if_played does not.
    t.gotos[4] = "2";
    t.gotos[10] = "-1";
    r = gem_i_scn(state, t, msgs);
    EXPECT_EQ(r->row.substr(25, 40), "       12        12*       12        12 ");
}

TEST_F(ScenarioEditTest, RowDateComesOnlyFromThisScenario) {
    EditorTexts t = opened(6);
    t.names[0] = "lost.scn";
    auto r = gem_i_scn(state, t, msgs);
    EXPECT_EQ(r->row.substr(65), pad_left("**not found**", 20));
    // A file the reader cannot use leaves the date empty, not the previous scenario's.
    get_scn_data(state, "POLAND.SCN", msgs);
    ASSERT_TRUE(demo::write_bytes(join_path(state.settings.mf7_scn, "four.scn"), [] {
        demo::ScnSpec spec;
        spec.player4_country = 5;
        return demo::make_scenario_bytes(spec);
    }()));
    t.names[0] = "four.scn";
    r = gem_i_scn(state, t, msgs);
    EXPECT_EQ(r->row.substr(65), std::string(20, ' '));
    EXPECT_EQ(std::string(slot(6).scn_file.data(), 8), "four.scn");
    EXPECT_EQ(msgs.texts(),
              std::vector<std::string>{
                  "You have chosen a 3 or 4 player scenario, this will not work in a campaign"});
}

TEST_F(ScenarioEditTest, OnlyStoringTheFirstScenarioRefreshesTheMainCountry) {
    EditorTexts t = opened(1);
    t.names[0] = "MALTA.SCN";
    EXPECT_FALSE(gem_i_scn(state, t, msgs)->main_country);
    t = opened(0);
    t.names[0] = "MALTA.SCN";
    EXPECT_EQ(gem_i_scn(state, t, msgs)->main_country, "Main Country : Italy");
}

TEST(ScenarioList, NumberAndNameThenTheEndOfTheDate) {
    std::string row = " 7   SEELOW.SCN" + std::string(10, ' ') + std::string(40, '#') +
                      pad_left(" 16 APR  1945", 20);
    EXPECT_EQ(scenario_list_line(row), " 7   SEELOW.SCN           16 APR  1945");
    EXPECT_EQ(scenario_list_lines({row, row}).size(), 2u);
}
