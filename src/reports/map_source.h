#pragma once
// The campaign graph written out: JSON for scripts and Graphviz source of the plain drawing (an
// arrow per outcome into one WIN and one LOSE node) for those who draw it with Graphviz's tools.
#include "model/campaign_graph.h"

#include <string>

namespace mf7 {

// {"scenarios": [...], "edges": [...]} on one line, UTF-8.
std::string graph_json(const CampaignGraph& graph);

// A digraph with nodes s0.., win, lose and x<n> for gotos to no scenario; edge i of the graph
// carries id "e<i>". Coloured as the map: unreachable grey, trapped orange, broken red.
std::string graph_dot(const CampaignGraph& graph, const CampaignFlow& flow);

} // namespace mf7
