#include "model/scenario_edit.h"

#include "model/chooser_targets.h"
#include "model/scenario_file.h"
#include "platform/text.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <tuple>

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
    ChooserDispatch pick(int control, const std::string& name) {
        return dispatch_to_editor(state, control, name, msgs);
    }
};

TEST_F(ScenarioEditTest, OpeningShowsTheSlotAsFieldTextsAndHexViews) {
    slot(2).outcome[TV].if_played = -1;
    slot(2).outcome[L].then_goto = static_cast<int16_t>(32768);
    slot(2).outcome[V].extra[1] = 26;
    slot(2).outcome[V].extra[23] = 255;
    EditorOpening o = opened(2);
    EXPECT_EQ(o.texts.prestige,
              (std::array<std::string, 8>{"3000", "1000", "600", "500", "600", "400", "200", "0"}));
    EXPECT_EQ(o.texts.gotos, (std::array<std::string, 12>{"4", "0", "0", "4", "3", "5", "3", "-1",
                                                          "0", "255", "0", "-32768"}));
    EXPECT_EQ(o.texts.names[3], "SEDbrief.txt");
    EXPECT_EQ(o.label3, "Main country for this scenario is: Germany");
    EXPECT_EQ(o.frame1, "Scenario data - Scenario number 2");
    EXPECT_EQ(o.extra_hex[V].substr(0, 9) + o.extra_hex[V].substr(63), "01 1A 00 00 00 FF ");
    EXPECT_EQ(o.scn_extra_hex.size(), 300u);
    EXPECT_EQ(o.scn_extra_hex.substr(0, 6), "02 00 ");
    EXPECT_TRUE(msgs.shown.empty());

    // A cleared slot has no names and no main country; a NUL ends a name.
    slot(9) = ScenarioSlot::empty();
    o = opened(9);
    EXPECT_EQ(o.texts.names, (std::array<std::string, kNameFields>{}));
    EXPECT_EQ(o.label3, "");
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
// and its alternative gotos marked (not for a negative if_played); only storing the first scenario
// refreshes the overview's main country.
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
    EXPECT_EQ(r->main_country, std::nullopt);
    EXPECT_TRUE(msgs.shown.empty());
}

// The chosen name goes to the field lower case and trimmed, with the field's extension; any other
// control (0: a chooser that worked for no field of the editor) is reported as a bug.
TEST_F(ScenarioEditTest, ChooserHandsTheNormalisedNameToItsFieldOnly) {
    state.settings.set_mf7text("*.deu");
    const std::string bug = "F2-E01: This program has got a bug, please report the errornumber.";
    // The control, the chosen name and the field's text (none for a refused control).
    const std::tuple<int, std::string, std::string> cases[] = {
        {6, "SEDAN.SCN", "sedan.scn"}, {44, "  INTRO ", "intro.smk"}, {42, "a.smk", "a.smk.mus"},
        {9, "Brief", "brief.deu"},     {1, "some.smk", ""},           {10, "some.smk", ""},
        {45, "some.smk", ""},          {0, "some.smk", ""},
    };
    for (const auto& [control, name, text] : cases) {
        SCOPED_TRACE(control);
        msgs.clear();
        ChooserDispatch d = pick(control, name);
        const bool refused = text.empty();
        EXPECT_EQ(d.applied, !refused);
        EXPECT_EQ(d.control, refused ? 0 : control);
        EXPECT_EQ(d.text, text);
        if (refused) {
            EXPECT_EQ(msgs.texts(), std::vector{bug});
        }
    }
}

TEST_F(ScenarioEditTest, ChooserScenarioFileNeedsAStartDateFromTheReader) {
    EXPECT_EQ(pick(6, "MALTA.SCN").label3, "Main country for this scenario is: Italy");
    // A missing file gives "**not found**", which lets the name through with the country the
    // reader found last.
    ChooserDispatch d = pick(6, "nothere");
    EXPECT_EQ(d.text, "nothere.scn");
    EXPECT_EQ(d.label3, "Main country for this scenario is: Italy");
    EXPECT_TRUE(msgs.shown.empty());

    demo::ScnSpec three;
    three.player3_country = 7;
    write_scenario(state.settings, "three.scn", three);
    d = pick(6, "three.scn");
    EXPECT_FALSE(d.applied);
    EXPECT_EQ(msgs.shown.size(), 1u); // the reader's message
}

// The date shows ERR for a month out of range, and year codes past 63635 count from 1601; a file
// the campaign cannot use leaves no date, not an earlier one.
TEST(ScenarioReader, DateCountryAndTheCampaignsChecks) {
    const std::string bad_month = "Error in month for scenario: Odd.scn",
                      players = "You have chosen a 3 or 4 player scenario, this will not work in "
                                "a campaign";
    const struct {
        int day, month, year_code, player4;
        std::string date, country, message;
    } cases[] = {
        {1, 9, 39, 0, " 1 SEP  1939", "Germany", ""},
        {1, 9, 39, 5, "", "", players},
        {1, 14, 39, 0, " 1 ERR  1939", "Germany", bad_month},
        {5, 0, 0, 0, " 5 ERR  1900", "Germany", bad_month},
        {31, 12, 63635, 0, " 31 DEC  65535", "Germany", ""},
        {1, 1, 63636, 0, " 1 JAN  1601", "Germany", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.date);
        DemoGame game;
        demo::ScnSpec f;
        std::tie(f.day, f.month, f.year_code, f.player4_country) =
            std::tuple(c.day, c.month, c.year_code, c.player4);
        write_scenario(game.state.settings, "odd.scn", f);
        ScenarioSummary read = get_scn_data(game.state, "Odd.scn", game.msgs); // any case
        EXPECT_EQ(read.date_text, c.date);
        EXPECT_EQ(read.country.value_or(""), c.country);
        EXPECT_EQ(game.state.last_scn_country, c.country);
        EXPECT_EQ(game.msgs.texts(), c.message.empty() ? std::vector<std::string>{}
                                                       : std::vector<std::string>{c.message});
    }
}

// A missing file is told apart from a blank name; a short file reads the rest as zero.
TEST_F(ScenarioEditTest, ReaderTellsMissingFromUnnamedAndReadsShortFilesOut) {
    state.last_scn_country = "Italy";
    ScenarioSummary missing = get_scn_data(state, "NOPE.SCN", msgs);
    EXPECT_EQ(missing.date_text, "**not found**");
    EXPECT_TRUE(missing.named && !missing.found && !missing.country);
    ScenarioSummary unnamed = get_scn_data(state, "", msgs);
    EXPECT_EQ(unnamed.date_text, "");
    EXPECT_FALSE(unnamed.named);

    demo::ScnSpec fields;
    fields.size = 500;
    write_scenario(state.settings, "short.scn", fields);
    ScenarioDetails read = read_scenario_details(state.settings, "short.scn", msgs);
    ASSERT_TRUE(read.found && read.data);
    EXPECT_EQ(read.data->at(300), static_cast<uint8_t>(demo::make_scenario_bytes(fields)[300]));
    EXPECT_EQ(read.data->at(11250), 0);
    ScenarioDetails gone = read_scenario_details(state.settings, "GONE.SCN", msgs);
    EXPECT_FALSE(gone.found || gone.data);
    EXPECT_TRUE(msgs.shown.empty());
}
