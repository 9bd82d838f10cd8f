#pragma once
// The campaign map laid out: Graphviz's layered layout places the nodes, and the arrows are drawn
// by us from those places (routing fifty long arrows through Graphviz takes seconds). Positions
// are in points, the origin at the top left and y growing downwards. No Qt here.
//
// The layout reads only the graph's structure: the number of scenarios and each arrow's ends,
// outcomes and alternative. Scenario boxes have one fixed size that holds the longest file name a
// slot can have and a date line, so a renamed or re-dated scenario needs no new layout.
#include "model/campaign_graph.h"

#include <optional>
#include <string>
#include <vector>

namespace mf7 {

struct MapPoint {
    double x = 0, y = 0;
};

// The size of every scenario box, and of the small WIN and LOSE markers.
constexpr double kScenarioBoxWidth = 156, kScenarioBoxHeight = 46;
constexpr double kMarkerWidth = 40, kMarkerHeight = 18;

struct MapNode {
    GotoKind kind = GotoKind::Scenario;
    // The scenario, or the goto of a broken end. A WIN or LOSE marker stands beside one scenario
    // and holds that scenario's number.
    int number = 0;
    MapPoint centre;
    double width = 0, height = 0;
};

// One arrow from a scenario to one target, carrying every outcome that leads there the same way:
// the plain gotos together, and each alternative's then_goto with others of the same condition.
struct MapEdge {
    std::vector<int> edges; // indices into CampaignGraph::edges, in outcome order
    // A cubic Bezier curve: the start, then three points per segment. It ends short of the
    // arrow's tip, which touches the target's border.
    std::vector<MapPoint> curve;
    std::optional<MapPoint> arrow_tip;
    std::optional<MapPoint> label_centre;
};

struct MapLayout {
    double width = 0, height = 0;
    std::vector<MapNode> nodes;
    std::vector<MapEdge> edges;
};

// The arrows of the graph: graph edges grouped by scenario, target and alternative condition,
// in the order of their first edge. A goto to WIN or LOSE goes to its scenario's own marker.
std::vector<std::vector<int>> merged_arrows(const CampaignGraph& graph);

// Places the graph's nodes with the dot engine and draws its merged arrows between them. Empty
// when Graphviz fails. Callable from a worker thread, one call at a time.
MapLayout layout_map(const CampaignGraph& graph, const CampaignFlow& flow);

// What the layout depends on, as a string: the number of scenarios and each arrow's ends, outcome,
// kind and condition (broken gotos included). Names, dates and prestige change no arrow: two
// graphs with the same key are laid out alike.
std::string layout_key(const CampaignGraph& graph);

} // namespace mf7
