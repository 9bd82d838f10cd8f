#include "model/list_editing.h"

#include "model/state.h"
#include "support/recording_messages.h"

#include <gtest/gtest.h>

#include <set>

using namespace mf7;
using namespace mf7::test;

namespace {

const char* const kFull = "The Campaign allready contain the maximum number of Scenarios.";
const char* const kNoSelection[] = {
    "No Scenario selected, click on the scenario you want to insert a new scenario before.",
    "No Scenario selected, click on the scenario you want to insert a new scenario after.",
    "No Scenario selected, click on the scenario you want to delete."};

// A campaign of n scenarios whose slots tell themselves apart by max_prestige_cap = index + 1;
// the slots beyond n hold old data (cap 1000 + index). Every slot carries gotos, which a move
// must leave as they are.
EditorState campaign(int n) {
    EditorState st;
    reset_campaign(st.campaign);
    st.campaign.scenario_count = static_cast<int16_t>(n);
    for (int i = 0; i < 50; ++i) {
        auto& s = st.campaign.scenarios[static_cast<std::size_t>(i)];
        s.max_prestige_cap = static_cast<uint16_t>(i < n ? i + 1 : 1000 + i);
        s.scn_extra[99] = static_cast<uint8_t>(i);
        s.outcome[BV].goto_scn = 2;
        s.outcome[V].if_played = 3;
        s.outcome[V].then_goto = 254;
    }
    return st;
}

enum Op { Before, After, Delete };

ListEditResult run(Op op, EditorState& st, int rows, RecordingMessages& msgs) {
    return op == Before  ? insert_scn_before(st, rows, msgs)
           : op == After ? insert_scn_after(st, rows, msgs)
                         : delete_scn(st, rows, msgs);
}

} // namespace

TEST(ListEditing, InsertAndDelete) {
    using enum Answer;
    // A delete asks about the selected scenario; an insert that changes nothing met the maximum.
    // After Clear or Open, selected_scn may name no row of the list on screen (select -1): every
    // button then gives its no-selection message and changes nothing.
    struct Case {
        const char* what;
        Op op;
        int count, rows, selected;
        Answer answer;
        int select, count_after;
        std::vector<int> caps; // the first slots' caps afterwards (0: an emptied slot)
    } cases[] = {
        {"before the first", Before, 3, 3, 0, Yes, 0, 4, {0, 1, 2, 3, 1004}},
        {"after the last", After, 3, 3, 2, Yes, 2, 4, {1, 2, 3, 0, 1004}},
        {"after the first", After, 3, 3, 0, Yes, 0, 4, {1, 0, 2, 3}},
        // After the only scenario was deleted the list still shows one empty row.
        {"before the empty row", Before, 0, 1, 0, Yes, 0, 2, {0, 1000, 1002}},
        {"49 grows to 50", Before, 49, 49, 10, Yes, 10, 50, {}},
        {"50 is full", Before, 50, 50, 10, Yes, 10, 50, {}},
        {"a damaged count", Before, 300, 50, 49, Yes, 49, 300, {}},
        {"delete", Delete, 5, 5, 2, Yes, 2, 4, {1, 2, 4, 5, 0, 1005}},
        {"delete answered No", Delete, 5, 5, 3, No, 3, 5, {}},
        {"delete the last", Delete, 4, 4, 3, Yes, 2, 3, {1, 2, 3, 0, 1004}},
        // The fill shows one empty scenario 0, and that row is selected.
        {"delete the only", Delete, 1, 1, 0, Yes, 0, 0, {0, 1001}},
        {"delete with a damaged count", Delete, 300, 50, 49, Yes, 48, 49, {}},
        {"nothing selected", Before, 3, 3, -1, Yes, -1, 3, {}},
        {"left over from a longer campaign", After, 3, 3, 7, Yes, -1, 3, {}},
        {"the list emptied by Clear", Delete, 0, 0, 0, Yes, -1, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EditorState st = campaign(std::min(c.count, 50));
        st.campaign.scenario_count = static_cast<int16_t>(c.count);
        st.selected_scn = static_cast<int16_t>(c.selected);
        const EditorState original = st;
        RecordingMessages msgs;
        msgs.answers = {c.answer};
        ListEditResult r = run(c.op, st, c.rows, msgs);
        const bool changed = c.count_after != c.count;
        EXPECT_EQ(r.changed, changed);
        EXPECT_EQ(r.select, c.select);
        EXPECT_EQ(st.campaign.scenario_count, c.count_after);
        EXPECT_EQ(st.campaign_changed, changed);
        std::vector<std::string> shown;
        if (c.select < 0)
            shown = {kNoSelection[c.op]};
        else if (c.op == Delete)
            shown = {"Are you sure you want to delete scenario # " + std::to_string(c.selected)};
        else if (!changed)
            shown = {kFull};
        EXPECT_EQ(msgs.texts(), shown);
        EXPECT_EQ(st.campaign == original.campaign, !changed);
        for (std::size_t i = 0; i < c.caps.size(); ++i)
            EXPECT_EQ(st.campaign.scenarios[i].max_prestige_cap, c.caps[i]) << i;
        // Whole slots move, gotos and the bytes of no known meaning included; a change empties
        // exactly one slot, and a delete drops the selected scenario.
        std::set<int> seen;
        int emptied = 0;
        for (const ScenarioSlot& s : st.campaign.scenarios) {
            int cap = s.max_prestige_cap;
            emptied += cap == 0;
            std::size_t from = static_cast<std::size_t>(cap >= 1000 ? cap - 1000 : cap - 1);
            EXPECT_EQ(s, cap == 0 ? ScenarioSlot::empty() : original.campaign.scenarios[from]);
            EXPECT_TRUE(cap == 0 || seen.insert(cap).second) << "twice: " << cap;
        }
        EXPECT_EQ(emptied, changed ? 1 : 0);
        EXPECT_FALSE(c.op == Delete && changed && seen.count(c.selected + 1)) << "not deleted";
    }
}
