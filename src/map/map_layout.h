#pragma once
// The campaign map laid out by Graphviz's layered layout: where each node and arrow goes, in
// points, the origin at the top left and y growing downwards. No Qt here.
#include "model/campaign_graph.h"

#include <optional>
#include <string>
#include <vector>

namespace mf7 {

struct MapPoint {
    double x = 0, y = 0;
};

struct MapNode {
    GotoKind kind = GotoKind::Scenario;
    int number = 0; // the scenario, or the goto of a broken end
    MapPoint centre;
    double width = 0, height = 0;
};

struct MapEdge {
    int edge = 0; // index into CampaignGraph::edges
    // A cubic Bezier curve: the start, then three points per segment.
    std::vector<MapPoint> curve;
    std::optional<MapPoint> arrow_tip;
    std::optional<MapPoint> label_centre;
};

struct MapLayout {
    double width = 0, height = 0;
    std::vector<MapNode> nodes;
    std::vector<MapEdge> edges;
};

// Lays out graph_dot(graph, flow) with the dot engine. Empty when Graphviz fails.
MapLayout layout_map(const CampaignGraph& graph, const CampaignFlow& flow);

// What the layout depends on, as a string: the number of scenarios and each arrow's ends, outcome,
// kind and condition (broken gotos included). Names, dates and prestige change no arrow: two
// graphs with the same key are laid out alike.
std::string layout_key(const CampaignGraph& graph);

} // namespace mf7
