#pragma once
// Every way a campaign can be played: which scenarios can be reached from the first, which
// endings can, and where a player gets lost (a goto to no scenario, or a loop with no way out).
#include "model/campaign.h"

#include <optional>
#include <vector>

namespace mf7 {

// The game's codes for the two campaign endings in a goto.
constexpr int kGotoWin = 254;
constexpr int kGotoLose = 255;

// An outcome that leads to a number that is neither a scenario nor an ending.
struct BrokenEnd {
    int from = 0;
    Outcome outcome = BV;
    int to = 0;
    bool operator==(const BrokenEnd&) const = default;
};

struct CampaignFlow {
    // False when too many scenarios are named by alternatives to follow the played set: each
    // alternative is then taken both ways.
    bool exact = true;
    std::vector<int> reachable, unreachable;
    bool can_win = false, can_lose = false;
    std::vector<BrokenEnd> broken;
    // Scenarios with a reachable situation from which no ending at all can be reached.
    std::vector<int> trapped;
    // Scenarios played on a shortest path, the first and the last counted.
    std::optional<int> shortest_win, shortest_lose;

    bool operator==(const CampaignFlow&) const = default;
};

// Whether an outcome has an alternative goto at all: its if_played names a scenario number.
bool has_alternative(const OutcomeRecord& o);

// Where an outcome leads, given whether the scenario its alternative names has been played (the
// scenario just finished counts as played). Campaign makers have always read the editor's own
// labels, "If this scn# is not played: ... Goto scn #:", so the alternative's then_goto is taken
// while that scenario has NOT been played, and the plain goto once it has. Every reader of the
// alternative (the path analysis, the map, the batch tool) asks here.
int next_scenario(const OutcomeRecord& o, bool if_played_was_played);

// The scenarios the analysis plays: those the overview shows, so at least one even when the
// file's count is 0 (or damaged below 0).
int played_count(const CampaignRecord& cam);

// The most scenarios named by alternatives that are followed exactly.
constexpr int kMaxExactAlternatives = 16;

// Plays the campaign from scenario 0 with nothing played, through every outcome.
CampaignFlow analyse_flow(const CampaignRecord& cam);

// "BV", "V", "TV" or "L".
const char* outcome_name(Outcome outcome);

} // namespace mf7
