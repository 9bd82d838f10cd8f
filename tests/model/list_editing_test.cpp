#include "model/list_editing.h"

#include "model/state.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

using namespace mf7;
using namespace mf7::test;

namespace {

const char* const kFull = "The Campaign allready contain the maximum number of Scenarios.";

// A campaign of n scenarios whose slots tell themselves apart by max_prestige_cap = index + 1;
// the slots beyond n hold old data (cap 1000 + index).
EditorState campaign(int n) {
    EditorState st;
    init_cam(st.camfil);
    st.camfil.scenario_count = static_cast<int16_t>(n);
    for (int i = 0; i < 50; ++i) {
        auto& s = st.camfil.scenarios[static_cast<std::size_t>(i)];
        s.max_prestige_cap = static_cast<uint16_t>(i < n ? i + 1 : 1000 + i);
        s.scn_file = make_text_field("S" + std::to_string(i) + ".SCN");
        s.scn_extra[99] = static_cast<uint8_t>(i);
    }
    return st;
}

std::vector<int> caps(const EditorState& st, int count) {
    std::vector<int> out;
    for (int i = 0; i < count; ++i)
        out.push_back(st.camfil.scenarios[static_cast<std::size_t>(i)].max_prestige_cap);
    return out;
}

} // namespace

TEST(ListEditing, InsertBeforeTheFirstMovesEveryScenarioUp) {
    EditorState st = campaign(3);
    st.selected_scn = 0;
    RecordingMessages msgs;
    ListEditResult r = insert_scn_before(st, 3, msgs);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.select, 0);
    EXPECT_EQ(st.camfil.scenario_count, 4);
    EXPECT_EQ(st.camfil.scenarios[0], scn_record::empty());
    EXPECT_EQ(caps(st, 5), (std::vector<int>{0, 1, 2, 3, 1004}));
    // The whole slot moves, the bytes of no known meaning included.
    EXPECT_EQ(st.camfil.scenarios[3].scn_extra[99], 2);
    EXPECT_TRUE(st.campaign_changed);
    EXPECT_TRUE(msgs.shown.empty());
}

TEST(ListEditing, InsertAfterTheLastOverwritesOnlyTheSlotAtTheOldCount) {
    EditorState st = campaign(3);
    st.selected_scn = 2;
    RecordingMessages msgs;
    ListEditResult r = insert_scn_after(st, 3, msgs);
    EXPECT_EQ(r.select, 2); // the selection stays on the scenario that was selected
    EXPECT_EQ(st.camfil.scenario_count, 4);
    EXPECT_EQ(caps(st, 5), (std::vector<int>{1, 2, 3, 0, 1004}));
    EXPECT_EQ(st.camfil.scenarios[3], scn_record::empty());
}

TEST(ListEditing, InsertAfterInTheMiddle) {
    EditorState st = campaign(3);
    st.selected_scn = 0;
    RecordingMessages msgs;
    insert_scn_after(st, 3, msgs);
    EXPECT_EQ(caps(st, 4), (std::vector<int>{1, 0, 2, 3}));
}

TEST(ListEditing, FortyNineGrowsToFiftyThenTheMaximumMessage) {
    for (bool after : {false, true}) {
        EditorState st = campaign(49);
        st.selected_scn = 10;
        RecordingMessages msgs;
        auto insert = after ? insert_scn_after : insert_scn_before;
        EXPECT_TRUE(insert(st, 49, msgs).changed);
        EXPECT_EQ(st.camfil.scenario_count, 50);
        Camfil full = st.camfil;
        st.campaign_changed = false;
        ListEditResult r = insert(st, 50, msgs);
        EXPECT_FALSE(r.changed);
        EXPECT_EQ(r.select, 10);
        EXPECT_EQ(msgs.texts(), std::vector<std::string>{kFull});
        EXPECT_EQ(st.camfil, full);
        EXPECT_FALSE(st.campaign_changed);
    }
}

TEST(ListEditing, GotosKeepTheirNumbersWhenSlotsMove) {
    EditorState st = campaign(4);
    st.camfil.scenarios[0].outcome[BV].goto_scn = 2;
    st.camfil.scenarios[0].outcome[V].if_played = 3;
    st.camfil.scenarios[0].outcome[V].then_goto = 254;
    RecordingMessages msgs;
    st.selected_scn = 1;
    insert_scn_before(st, 4, msgs);
    EXPECT_EQ(st.camfil.scenarios[0].outcome[BV].goto_scn, 2);
    EXPECT_EQ(st.camfil.scenarios[0].outcome[V].if_played, 3);
    EXPECT_EQ(st.camfil.scenarios[0].outcome[V].then_goto, 254);
    // Slot 2 now holds the former scenario 1.
    EXPECT_EQ(st.camfil.scenarios[2].max_prestige_cap, 2);
}

TEST(ListEditing, DeleteAsksThenMovesTheRestDownAndEmptiesTheSlotLeftBehind) {
    EditorState st = campaign(5);
    st.camfil.scenarios[0].outcome[BV].goto_scn = 2;
    st.selected_scn = 2;
    RecordingMessages msgs;
    msgs.answers = {Answer::Yes};
    ListEditResult r = delete_scn(st, 5, msgs);
    ASSERT_EQ(msgs.shown.size(), 1u);
    EXPECT_EQ(msgs.shown[0].text, "Are you sure you want to delete scenario # 2");
    EXPECT_EQ(msgs.shown[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.select, 2);
    EXPECT_EQ(st.camfil.scenario_count, 4);
    EXPECT_EQ(caps(st, 6), (std::vector<int>{1, 2, 4, 5, 0, 1005}));
    EXPECT_EQ(st.camfil.scenarios[4], scn_record::empty());
    // The goto 2 now names the former scenario 3.
    EXPECT_EQ(st.camfil.scenarios[0].outcome[BV].goto_scn, 2);
    EXPECT_TRUE(st.campaign_changed);
}

TEST(ListEditing, DeleteAnsweredNoChangesNothingAndSelectsTheRowAgain) {
    EditorState st = campaign(5);
    st.selected_scn = 3;
    Camfil before = st.camfil;
    RecordingMessages msgs;
    msgs.answers = {Answer::No};
    ListEditResult r = delete_scn(st, 5, msgs);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.select, 3);
    EXPECT_EQ(st.camfil, before);
    EXPECT_FALSE(st.campaign_changed);
}

TEST(ListEditing, DeletingTheLastMovesTheSelectionToTheNewLastRow) {
    EditorState st = campaign(4);
    st.selected_scn = 3;
    RecordingMessages msgs;
    msgs.answers = {Answer::Yes};
    ListEditResult r = delete_scn(st, 4, msgs);
    EXPECT_EQ(r.select, 2);
    EXPECT_EQ(st.camfil.scenario_count, 3);
}

TEST(ListEditing, DeletingTheOnlyScenarioLeavesAnEmptyCampaign) {
    EditorState st = campaign(1);
    st.selected_scn = 0;
    RecordingMessages msgs;
    msgs.answers = {Answer::Yes};
    ListEditResult r = delete_scn(st, 1, msgs);
    EXPECT_EQ(st.camfil.scenario_count, 0);
    EXPECT_EQ(st.camfil.scenarios[0], scn_record::empty());
    EXPECT_EQ(st.camfil.scenarios[1].max_prestige_cap, 1001);
    // The fill shows one empty scenario 0, and that row is selected.
    EXPECT_EQ(r.select, 0);
}

// After Clear or Open, selected_scn may name no row of the list on screen: every button then
// gives its no-selection message and changes nothing.
TEST(ListEditing, ASelectionOutsideTheListIsNoSelection) {
    struct Case {
        int count, rows, selected;
    } cases[] = {
        {3, 3, -1}, // nothing selected
        {3, 3, 7},  // left over from a longer campaign
        {0, 0, 0},  // after Clear the list is empty
        {50, 50, 50}, {3, 3, 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selected);
        for (int which = 0; which < 3; ++which) {
            EditorState st = campaign(c.count);
            st.selected_scn = static_cast<int16_t>(c.selected);
            Camfil before = st.camfil;
            RecordingMessages msgs;
            msgs.answers = {Answer::Yes};
            ListEditResult r = which == 0   ? insert_scn_before(st, c.rows, msgs)
                               : which == 1 ? insert_scn_after(st, c.rows, msgs)
                                            : delete_scn(st, c.rows, msgs);
            const char* expected[] = {
                "No Scenario selected, click on the scenario you want to insert a new scenario "
                "before.",
                "No Scenario selected, click on the scenario you want to insert a new scenario "
                "after.",
                "No Scenario selected, click on the scenario you want to delete."};
            EXPECT_EQ(msgs.texts(), std::vector<std::string>{expected[which]});
            EXPECT_FALSE(r.changed);
            EXPECT_EQ(r.select, -1);
            EXPECT_EQ(st.camfil, before);
        }
    }
}

TEST(ListEditing, ADamagedCountNeverReachesBeyondTheFiftySlots) {
    EditorState st = campaign(50);
    st.camfil.scenario_count = 300;
    st.selected_scn = 49;
    RecordingMessages msgs;
    EXPECT_FALSE(insert_scn_before(st, 50, msgs).changed);
    EXPECT_EQ(msgs.texts(), std::vector<std::string>{kFull});
    msgs.answers = {Answer::Yes};
    ListEditResult r = delete_scn(st, 50, msgs);
    EXPECT_EQ(st.camfil.scenario_count, 49);
    EXPECT_EQ(st.camfil.scenarios[49], scn_record::empty());
    EXPECT_EQ(r.select, 48);
}
