#pragma once
// The campaign as a graph: a node per scenario as the overview shows it, and an arrow per
// outcome (and per alternative goto), with the colours the map and its Graphviz source use.
#include "model/campaign_flow.h"
#include "model/overview.h"
#include "platform/native_path.h"

#include <string>
#include <vector>

namespace mf7 {

enum class GotoKind { Scenario, Win, Lose, Invalid };

struct GraphScenario {
    int number = 0;
    std::string file, date; // Windows-1252, as the overview row has them, trimmed
    bool found = false;
};

struct GraphEdge {
    int from = 0;
    Outcome outcome = BV;
    int to = 0;
    GotoKind kind = GotoKind::Scenario;
    // For the then_goto of an alternative: the scenario whose not being played leads here; 0 for
    // the plain goto.
    int if_played = 0;
};

struct CampaignGraph {
    std::vector<GraphScenario> scenarios;
    std::vector<GraphEdge> edges;
};

GotoKind goto_kind(int to, int count);
// "scenario", "win", "lose" or "invalid".
const char* goto_kind_name(GotoKind kind);

// A node per overview row (file and date as the row has them) and the edges of those slots.
CampaignGraph campaign_graph(const CampaignRecord& cam, const std::vector<OverviewRow>& rows,
                             const NativePath& scenario_folder);

// Graphviz node names: "s3", "win", "lose", and "x60" (or "x-5") for a goto to no scenario.
std::string node_id(GotoKind kind, int to);
// "3\nPOLAND.SCN\n1 SEP 1939" (UTF-8), "WIN", "LOSE", "60?". A control byte of a name shows as
// "\x01", in every picture.
std::string node_label(GotoKind kind, int to, const CampaignGraph& graph);
// "if 3 not played" for the then_goto of an alternative, "" for the plain goto.
std::string edge_label(const GraphEdge& edge);

// Colours as "#rrggbb".
struct Look {
    const char* fill;
    const char* line;
    const char* text;
    double line_width;
};
const char* outcome_colour(Outcome outcome);
const char* edge_colour(const GraphEdge& edge);
// Unreachable scenarios are grey, trapped ones outlined in orange, broken ends red.
Look node_look(GotoKind kind, int to, const CampaignFlow& flow);

} // namespace mf7
