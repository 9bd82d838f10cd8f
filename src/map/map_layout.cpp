#include "map/map_layout.h"

#include <gvc.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <memory>
#include <tuple>

namespace mf7 {

namespace {

constexpr double kPointsPerInch = 72;
constexpr double kArrowLength = 7;
// How far apart arrows between the same two nodes bend, and how far an arrow back up bends.
constexpr double kParallelBend = 26, kBackBend = 40;

// "s3" a scenario, "w3" and "l3" the WIN and LOSE markers of scenario 3, "x60" a broken end.
std::string node_name(char letter, int number) {
    return std::string(1, letter).append(std::to_string(number));
}

std::string target_name(const GraphEdge& e) {
    switch (e.kind) {
    case GotoKind::Win:
        return node_name('w', e.from);
    case GotoKind::Lose:
        return node_name('l', e.from);
    case GotoKind::Invalid:
        return node_name('x', e.to);
    default:
        return node_name('s', e.to);
    }
}

MapNode node_named(const std::string& name) {
    MapNode n;
    n.number = std::atoi(name.c_str() + 1);
    switch (name[0]) {
    case 'w':
        n.kind = GotoKind::Win;
        break;
    case 'l':
        n.kind = GotoKind::Lose;
        break;
    case 'x':
        n.kind = GotoKind::Invalid;
        break;
    default:
        n.kind = GotoKind::Scenario;
        break;
    }
    bool box = n.kind == GotoKind::Scenario;
    n.width = box ? kScenarioBoxWidth : kMarkerWidth;
    n.height = box ? kScenarioBoxHeight : kMarkerHeight;
    return n;
}

std::string size_attributes(const MapNode& n) {
    return "[width=" + std::to_string(n.width / kPointsPerInch) +
           ", height=" + std::to_string(n.height / kPointsPerInch) + "]";
}

// Positions only: no spline routing, and the crossing reduction and network simplex cut short.
std::string placement_dot(const CampaignGraph& graph, const std::vector<std::vector<int>>& arrows) {
    std::string out = "digraph campaign {\n"
                      "  graph [rankdir=TB, nodesep=0.3, ranksep=0.5, splines=false, "
                      "mclimit=0.1, nslimit=1, nslimit1=1];\n"
                      "  node [shape=box, fixedsize=true, label=\"\"];\n";
    std::map<std::string, bool> declared;
    auto declare = [&](const std::string& name) {
        if (declared.emplace(name, true).second)
            out += "  \"" + name + "\" " + size_attributes(node_named(name)) + ";\n";
    };
    for (const GraphScenario& s : graph.scenarios)
        declare(node_name('s', s.number));
    for (const auto& arrow : arrows) {
        const GraphEdge& e = graph.edges[static_cast<std::size_t>(arrow[0])];
        declare(target_name(e));
    }
    for (const auto& arrow : arrows) {
        const GraphEdge& e = graph.edges[static_cast<std::size_t>(arrow[0])];
        out += "  \"" + node_name('s', e.from) + "\" -> \"" + target_name(e) + "\";\n";
    }
    return out + "}\n";
}

// Graphviz puts the origin at the bottom left.
struct Flip {
    double top;
    MapPoint operator()(pointf p) const { return {p.x, top - p.y}; }
};

MapPoint operator+(MapPoint a, MapPoint b) {
    return {a.x + b.x, a.y + b.y};
}
MapPoint operator-(MapPoint a, MapPoint b) {
    return {a.x - b.x, a.y - b.y};
}
MapPoint operator*(MapPoint a, double k) {
    return {a.x * k, a.y * k};
}
MapPoint unit(MapPoint a) {
    double length = std::hypot(a.x, a.y);
    return length > 0 ? a * (1 / length) : MapPoint{0, 1};
}

// Where the way from the node's centre towards `towards` leaves its box (or its ellipse).
MapPoint border_point(const MapNode& n, MapPoint towards) {
    MapPoint d = towards - n.centre;
    double hw = n.width / 2, hh = n.height / 2;
    if (d.x == 0 && d.y == 0)
        return n.centre;
    double t = n.kind == GotoKind::Scenario ? std::min(d.x != 0 ? hw / std::fabs(d.x) : 1e9,
                                                       d.y != 0 ? hh / std::fabs(d.y) : 1e9)
                                            : 1 / std::hypot(d.x / hw, d.y / hh);
    return n.centre + d * t;
}

// An arrow from one node to another, bent sideways by `bend` points; a loop on the node's right
// when both are the same.
MapEdge arrow_between(const MapNode& from, const MapNode& to, double bend) {
    MapPoint c1, c2;
    if (&from == &to) {
        MapPoint right{from.width / 2 + 36 + bend, 0};
        c1 = from.centre + right + MapPoint{0, -from.height};
        c2 = from.centre + right + MapPoint{0, from.height};
    } else {
        MapPoint chord = to.centre - from.centre;
        MapPoint normal = unit({-chord.y, chord.x}) * bend;
        c1 = from.centre + chord * (1.0 / 3) + normal;
        c2 = from.centre + chord * (2.0 / 3) + normal;
    }
    MapEdge out;
    MapPoint start = border_point(from, c1);
    MapPoint tip = border_point(to, c2);
    MapPoint end = tip - unit(tip - c2) * kArrowLength;
    out.curve = {start, c1, c2, end};
    out.arrow_tip = tip;
    return out;
}

// How far an arrow bends, and where along it its label sits.
struct Spread {
    double bend = 0;
    double label_at = 0.5;
};

// Arrows between the same two nodes spread apart, their labels staggered along them so that
// they do not cover each other; a lone arrow back up (or along a rank) bends away from the
// straight arrows of the other direction.
std::vector<Spread> spreads(const std::vector<std::pair<int, int>>& ends,
                            const std::vector<MapNode>& nodes) {
    std::map<std::pair<int, int>, std::vector<std::size_t>> by_pair;
    for (std::size_t i = 0; i < ends.size(); ++i)
        by_pair[std::minmax(ends[i].first, ends[i].second)].push_back(i);
    std::vector<Spread> out(ends.size());
    for (const auto& [pair, members] : by_pair) {
        for (std::size_t j = 0; j < members.size(); ++j) {
            auto [a, b] = ends[members[j]];
            bool upwards = nodes[static_cast<std::size_t>(b)].centre.y <=
                           nodes[static_cast<std::size_t>(a)].centre.y;
            double spread = (static_cast<double>(j) - (members.size() - 1) / 2.0) * kParallelBend;
            // The same pair seen from the other end turns the normal round: keep the spread.
            double sign = a <= b ? 1 : -1;
            Spread& at = out[members[j]];
            at.bend = members.size() > 1 ? spread * sign : (upwards && a != b ? kBackBend : 0);
            if (members.size() > 1)
                at.label_at = 0.3 + 0.4 * static_cast<double>(j) / (members.size() - 1);
        }
    }
    return out;
}

MapPoint bezier_at(const std::vector<MapPoint>& c, double t) {
    double u = 1 - t;
    return c[0] * (u * u * u) + c[1] * (3 * u * u * t) + c[2] * (3 * u * t * t) +
           c[3] * (t * t * t);
}

// How many other nodes the arrow's curve runs through, sampled along its length.
int nodes_crossed(const MapEdge& e, const std::vector<MapNode>& nodes, const MapNode& from,
                  const MapNode& to) {
    constexpr int kSamples = 16;
    constexpr double kMargin = 4;
    int crossed = 0;
    for (const MapNode& n : nodes) {
        if (&n == &from || &n == &to)
            continue;
        double hw = n.width / 2 + kMargin, hh = n.height / 2 + kMargin;
        for (int k = 1; k < kSamples; ++k) {
            MapPoint p = bezier_at(e.curve, static_cast<double>(k) / kSamples);
            if (std::fabs(p.x - n.centre.x) < hw && std::fabs(p.y - n.centre.y) < hh) {
                ++crossed;
                break;
            }
        }
    }
    return crossed;
}

// The arrow bent by `bend`, or further to one side or the other when that runs through fewer
// other nodes (an arrow that skips ranks would otherwise cross the boxes in between).
MapEdge arrow_around_nodes(const MapNode& from, const MapNode& to, double bend,
                           const std::vector<MapNode>& nodes) {
    constexpr double kDetours[] = {0, 50, -50, 100, -100, 160, -160, 240, -240};
    MapEdge best;
    int fewest = -1;
    for (double detour : kDetours) {
        MapEdge e = arrow_between(from, to, bend + detour);
        int crossed = &from == &to ? 0 : nodes_crossed(e, nodes, from, to);
        if (fewest < 0 || crossed < fewest) {
            best = std::move(e);
            fewest = crossed;
        }
        if (crossed == 0)
            break;
    }
    return best;
}

// One context for the whole run: Graphviz 2.42's text-measuring plugin reads freed memory when
// a second context is made after the first was freed.
GVC_t* graphviz() {
    static GVC_t* context = gvContext();
    return context;
}

} // namespace

std::vector<std::vector<int>> merged_arrows(const CampaignGraph& graph) {
    std::map<std::tuple<int, std::string, int>, std::size_t> index;
    std::vector<std::vector<int>> arrows;
    for (std::size_t i = 0; i < graph.edges.size(); ++i) {
        const GraphEdge& e = graph.edges[i];
        auto [at, added] =
            index.emplace(std::tuple(e.from, target_name(e), e.if_played), arrows.size());
        if (added)
            arrows.emplace_back();
        arrows[at->second].push_back(static_cast<int>(i));
    }
    return arrows;
}

MapLayout layout_map(const CampaignGraph& graph, const CampaignFlow&) {
    MapLayout layout;
    GVC_t* gvc = graphviz();
    std::vector<std::vector<int>> arrows = merged_arrows(graph);
    std::string dot = placement_dot(graph, arrows);
    std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> g(agmemread(dot.c_str()), agclose);
    if (!gvc || !g || gvLayout(gvc, g.get(), "dot") != 0)
        return layout;
    boxf bb = GD_bb(g.get());
    Flip flip{bb.UR.y};
    layout.width = bb.UR.x;
    layout.height = bb.UR.y;
    std::map<std::string, int> node_at;
    for (Agnode_t* n = agfstnode(g.get()); n; n = agnxtnode(g.get(), n)) {
        MapNode node = node_named(agnameof(n));
        node.centre = flip(ND_coord(n));
        node_at[agnameof(n)] = static_cast<int>(layout.nodes.size());
        layout.nodes.push_back(node);
    }
    gvFreeLayout(gvc, g.get());
    std::vector<std::pair<int, int>> ends;
    for (const auto& arrow : arrows) {
        const GraphEdge& e = graph.edges[static_cast<std::size_t>(arrow[0])];
        ends.emplace_back(node_at[node_name('s', e.from)], node_at[target_name(e)]);
    }
    std::vector<Spread> spread = spreads(ends, layout.nodes);
    for (std::size_t i = 0; i < arrows.size(); ++i) {
        const MapNode& from = layout.nodes[static_cast<std::size_t>(ends[i].first)];
        const MapNode& to = layout.nodes[static_cast<std::size_t>(ends[i].second)];
        MapEdge edge = arrow_around_nodes(from, to, spread[i].bend, layout.nodes);
        edge.label_centre = bezier_at(edge.curve, spread[i].label_at);
        edge.edges = arrows[i];
        layout.edges.push_back(std::move(edge));
    }
    return layout;
}

std::string layout_key(const CampaignGraph& graph) {
    std::string key = std::to_string(graph.scenarios.size());
    for (const GraphEdge& e : graph.edges)
        key += ';' + std::to_string(e.from) + ',' + std::to_string(e.outcome) + ',' +
               std::to_string(e.to) + ',' + std::to_string(static_cast<int>(e.kind)) + ',' +
               std::to_string(e.if_played);
    return key;
}

} // namespace mf7
