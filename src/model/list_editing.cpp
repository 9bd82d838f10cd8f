#include "model/list_editing.h"

#include "model/state.h"
#include "platform/messages.h"
#include "platform/text.h"

#include <algorithm>

namespace mf7 {

namespace {

constexpr int kMax = static_cast<int>(layout::kMaxScenarios);

const char* const kFull = "The Campaign allready contain the maximum number of Scenarios.";

// The selected row, or -1 when selected_scn names no row the list shows.
int selected_row(const EditorState& state, int rows) {
    int s = state.selected_scn;
    return s >= 0 && s < std::min(rows, kMax) ? s : -1;
}

// The scenarios in use, never more than the 50 slots; a damaged count shows as the rows the
// list holds, so the slots the user sees are the ones that move.
int scenario_count(const EditorState& state, int rows) {
    return std::clamp(std::max(usable_count(state.campaign), rows), 0, kMax);
}

ScenarioSlot& slot(EditorState& state, int index) {
    return state.campaign.scenarios[static_cast<std::size_t>(index)];
}

// Opens slot `at` by moving slots at..n-1 one up; n < 50.
void open_slot(EditorState& state, int n, int at) {
    for (int j = n; j > at; --j)
        slot(state, j) = slot(state, j - 1);
    slot(state, at) = ScenarioSlot::empty();
    state.campaign.scenario_count = static_cast<int16_t>(n + 1);
    state.campaign_changed = true;
}

ListEditResult insert_at(EditorState& state, int rows, Messages& messages, bool after) {
    int s = selected_row(state, rows);
    if (s < 0) {
        messages.show(std::string("No Scenario selected, click on the scenario you want to "
                                  "insert a new scenario ") +
                      (after ? "after." : "before."));
        return {};
    }
    int n = scenario_count(state, rows);
    if (n >= kMax) {
        messages.show(kFull);
        return {false, s};
    }
    open_slot(state, n, after ? s + 1 : s);
    return {true, s};
}

} // namespace

ListEditResult insert_scn_before(EditorState& state, int rows, Messages& messages) {
    return insert_at(state, rows, messages, false);
}

ListEditResult insert_scn_after(EditorState& state, int rows, Messages& messages) {
    return insert_at(state, rows, messages, true);
}

ListEditResult delete_scn(EditorState& state, int rows, Messages& messages) {
    int s = selected_row(state, rows);
    if (s < 0) {
        messages.show("No Scenario selected, click on the scenario you want to delete.");
        return {};
    }
    if (messages.show("Are you sure you want to delete scenario #" + str_number(s),
                      Buttons::YesNo) != Answer::Yes)
        return {false, s};
    int n = scenario_count(state, rows);
    for (int j = s + 1; j < n; ++j)
        slot(state, j - 1) = slot(state, j);
    slot(state, n - 1) = ScenarioSlot::empty();
    state.campaign.scenario_count = static_cast<int16_t>(n - 1);
    state.campaign_changed = true;
    // The fill shows a campaign without scenarios as one empty scenario.
    int rows_after = std::max(1, n - 1);
    return {true, std::min(s, rows_after - 1)};
}

} // namespace mf7
