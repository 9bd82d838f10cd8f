#include "map/map_layout.h"

#include "reports/map_source.h"

#include <gvc.h>

#include <cstdlib>
#include <memory>

namespace mf7 {

namespace {

// "s3", "win", "lose", "x60" back to what they name.
MapNode node_named(const std::string& name) {
    MapNode n;
    if (name == "win") {
        n.kind = GotoKind::Win;
        n.number = kGotoWin;
    } else if (name == "lose") {
        n.kind = GotoKind::Lose;
        n.number = kGotoLose;
    } else {
        n.kind = name[0] == 's' ? GotoKind::Scenario : GotoKind::Invalid;
        n.number = std::atoi(name.c_str() + 1);
    }
    return n;
}

// Graphviz puts the origin at the bottom left.
struct Flip {
    double top;
    MapPoint operator()(pointf p) const { return {p.x, top - p.y}; }
};

MapEdge edge_path(Agedge_t* e, const Flip& flip) {
    MapEdge out;
    char* id = agget(e, const_cast<char*>("id"));
    out.edge = id && id[0] == 'e' ? std::atoi(id + 1) : -1;
    const splines* spl = ED_spl(e);
    if (spl && spl->size > 0) {
        const bezier& bz = spl->list[0];
        for (int i = 0; i < bz.size; ++i)
            out.curve.push_back(flip(bz.list[i]));
        if (bz.eflag)
            out.arrow_tip = flip(bz.ep);
    }
    const textlabel_t* label = ED_label(e);
    if (label && label->set)
        out.label_centre = flip(label->pos);
    return out;
}

// One context for the whole run: Graphviz 2.42's text-measuring plugin reads freed memory when
// a second context is made after the first was freed.
GVC_t* graphviz() {
    static GVC_t* context = gvContext();
    return context;
}

} // namespace

MapLayout layout_map(const CampaignGraph& graph, const CampaignFlow& flow) {
    MapLayout layout;
    GVC_t* gvc = graphviz();
    std::string dot = graph_dot(graph, flow);
    std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> g(agmemread(dot.c_str()), agclose);
    if (!gvc || !g || gvLayout(gvc, g.get(), "dot") != 0)
        return layout;
    boxf bb = GD_bb(g.get());
    Flip flip{bb.UR.y};
    layout.width = bb.UR.x;
    layout.height = bb.UR.y;
    for (Agnode_t* n = agfstnode(g.get()); n; n = agnxtnode(g.get(), n)) {
        MapNode node = node_named(agnameof(n));
        node.centre = flip(ND_coord(n));
        node.width = ND_width(n) * 72;
        node.height = ND_height(n) * 72;
        layout.nodes.push_back(node);
        for (Agedge_t* e = agfstout(g.get(), n); e; e = agnxtout(g.get(), e))
            layout.edges.push_back(edge_path(e, flip));
    }
    gvFreeLayout(gvc, g.get());
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
