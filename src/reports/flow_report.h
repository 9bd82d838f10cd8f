#pragma once
// The path analysis as the batch tool prints it: JSON for scripts, sentences for people.
#include "model/campaign_flow.h"

#include <string>

namespace mf7 {

// One JSON object on one line: exact, reachable, unreachable, can_win, can_lose, broken,
// trapped, shortest_win, shortest_lose.
std::string flow_json(const CampaignFlow& flow);

// Sentences, one a line (LF), for a campaign of `count` scenarios.
std::string flow_text(const CampaignFlow& flow, int count);

// Whether the campaign is sound: a win can be reached and nothing is unreachable, broken or
// trapped.
bool flow_is_sound(const CampaignFlow& flow);

} // namespace mf7
